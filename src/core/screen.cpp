#include "core/screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "core/picture_loader.h"
#include "core/twips.h"

namespace trelvo {

QPixmap design_picture(const QString& name) {
    return QPixmap::fromImage(
        read_for_display(QStringLiteral(":/design/") + name, display_ratio()));
}

void apply_geometry(QWidget* root, std::span<const Placement> table) {
    for (const Placement& p : table) {
        QWidget* w = root->objectName() == QLatin1String(p.name)
                         ? root
                         : root->findChild<QWidget*>(QLatin1String(p.name));
        Q_ASSERT_X(w != nullptr, "apply_geometry", p.name);
        if (w != nullptr) w->setGeometry(twips_rect(p.left, p.top, p.width, p.height));
    }
}

namespace {

void place_centred(QWidget* window, QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const double left = twips(area.width()) / 2 - twips(outer.width()) / 2;
    const double top = twips(area.height()) / 2 - twips(outer.height()) / 2 - 300;
    window->move(area.left() + px(left), area.top() + px(top));
}

// Frame and title bar of a window that has none yet: those of another window already on screen,
// which the window manager decorates alike.
QSize frame_estimate(const QWidget* window) {
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible() || !other->isWindow()) continue;
        const QSize extra = other->frameGeometry().size() - other->size();
        if (extra.width() > 0 || extra.height() > 0) return extra;
    }
    return {0, 0};
}

// The window manager tells the frame only after the window is shown; once the real outer size is
// known, the window is placed again by it. Moving the window by hand changes no size and so is
// left alone.
class PlaceByOuterSize final : public QObject {
  public:
    PlaceByOuterSize(QWidget* window, QSize used) : QObject(window), window_(window), used_(used) {
        setObjectName(QStringLiteral("place_by_outer_size"));
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) check();
        return false;
    }
    void check() {
        const QSize outer = window_->frameGeometry().size();
        if (outer != used_ && window_->isVisible()) {
            used_ = outer;
            place_centred(window_, outer);
        }
    }

  private:
    QWidget* window_;
    QSize used_;
};

}  // namespace

void center_window(QWidget* window) {
    QSize outer = window->frameGeometry().size();
    if (!window->isVisible()) outer += frame_estimate(window);
    place_centred(window, outer);
    // Found by name: the helper has no meta-object of its own, so a typed search would match any
    // child and it would never be made.
    if (window->findChild<QObject*>(QStringLiteral("place_by_outer_size"),
                                    Qt::FindDirectChildrenOnly) == nullptr)
        new PlaceByOuterSize(window, outer);
}

QFont song_font(double points, bool bold) {
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont kai_font(double points, bool bold) {
    QFont f(QStringLiteral("楷体_GB2312"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void install_font_substitutions() {
    // The one place where the faces the screens name become installed fonts. Every kind of text
    // (questions, options, labels, numbers, check boxes) asks for 宋体 and so gets the same sans
    // face, which stays crisp and open at 12 pt where a thin Ming face blurs; 楷体 keeps a real
    // brush face for the topic titles.
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Sans CJK SC"),
                                                        QStringLiteral("WenQuanYi Micro Hei"),
                                                        QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), {QStringLiteral("AR PL UKai CN"),
                                                               QStringLiteral("Noto Serif CJK SC"),
                                                               QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(song_font(9));
}

Screen::Screen(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFixedSize(px(14910), px(10140));
    setFont(song_font(9));
    setAutoFillBackground(false);
}

void Screen::set_background(const QPixmap& picture) {
    background_ = picture;
    update();
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawPixmap(rect(), background_);
}

void Screen::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit background_mouse_moved();
}

void Screen::begin_leaving() {
    if (leaving_) return;
    leaving_ = true;
    // Input reaches a control directly, not through its screen, so it is stopped before delivery.
    QCoreApplication::instance()->installEventFilter(this);
}

void Screen::stay() {
    if (!leaving_) return;
    leaving_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            break;
        default:
            return false;
    }
    if (watched->isWidgetType()) return static_cast<QWidget*>(watched)->window() == this;
    if (watched->isWindowType()) return watched == windowHandle();
    return false;
}

void Screen::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit background_mouse_moved();
}

}  // namespace trelvo
