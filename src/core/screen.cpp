#include "core/screen.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "core/twips.h"

namespace trelvo {

QPixmap design_picture(const QString& name) {
    return QPixmap(QStringLiteral(":/design/") + name);
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

void center_window(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    const double left = twips(area.width()) / 2 - twips(frame.width()) / 2;
    const double top = twips(area.height()) / 2 - twips(frame.height()) / 2 - 300;
    window->move(area.left() + px(left), area.top() + px(top));
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
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"),
                                                        QStringLiteral("WenQuanYi Micro Hei"),
                                                        QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"),
                               {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("WenQuanYi Micro Hei")});
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

}  // namespace trelvo
