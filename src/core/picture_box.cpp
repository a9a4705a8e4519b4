#include "core/picture_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <cmath>

namespace trelvo {

PictureBox::PictureBox(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::set_picture(const QPixmap& picture, const QString& path) {
    // Hover sets the same picture on every pointer move; only a change needs a repaint.
    if (path == path_ && picture.cacheKey() == picture_.cacheKey()) return;
    picture_ = picture;
    path_ = path;
    if (!stretch_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureBox::clear_picture() {
    picture_ = QPixmap();
    path_.clear();
    update();
}

void PictureBox::set_stretch(bool stretch) {
    stretch_ = stretch;
    if (!stretch_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
    update();
}

void paint_focus_ring(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0x74, 0x0c), 2.0));
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 5, 5);
    p.restore();
}

void PictureBox::set_keyboard_focusable(bool focusable) {
    setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) {
        if (stretch_)
            p.drawPixmap(rect(), picture_);
        else
            p.drawPixmap(0, 0, picture_);
    }
    if (key_focus_ && hasFocus()) paint_focus_ring(p, rect());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            emit clicked();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    key_focus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    key_focus_ = false;
    update();
    QWidget::focusOutEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // Buttons act on the left button only: a stray right or middle click must not wipe or write
    // anything.
    if (event->button() != Qt::LeftButton) return;
    press_inside_ = true;
    emit pressed();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const bool inside = rect().contains(event->position().toPoint());
    if (press_inside_ && inside) {
        press_inside_ = false;
        emit clicked();
    }
    press_inside_ = false;
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouse_moved();
}

void PictureBox::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouse_left();
}

TextLabel::TextLabel(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void TextLabel::set_text(const QString& text) {
    text_ = text;
    fit_to_text();
    update_scrolling();
    update();
}

void TextLabel::set_color(const QColor& color) {
    color_ = color;
    update();
}

void TextLabel::set_background(const QColor& color) {
    background_ = color;
    update();
}

void TextLabel::set_alignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TextLabel::set_word_wrap(bool wrap) {
    wrap_ = wrap;
    update_scrolling();
    update();
}

void TextLabel::set_auto_size(bool auto_size) {
    auto_size_ = auto_size;
    fit_to_text();
}

namespace {

int em_of(const QFont& font) {
    return QFontInfo(font).pixelSize();
}

// Where a line's baseline sits below the top of its line box: an ideographic em box centred in
// the box, its baseline 0.88 em below the em's top, as the design's fonts place it.
qreal baseline_in(qreal line_height, int em) {
    return (line_height - em) / 2 + 0.88 * em;
}

qreal line_height_of(const QFont& font, bool wrap) {
    return wrap ? std::round(1.4 * em_of(font)) : em_of(font);
}

}  // namespace

void TextLabel::fit_to_text() {
    if (!auto_size_) return;
    const QFontMetrics fm(font());
    int width = 0;
    for (const QString& line : text_.split(QLatin1Char('\n')))
        width = std::max(width, fm.horizontalAdvance(line));
    // The font's own line height leaves room for any glyph's descent.
    const int lines = int(text_.count(QLatin1Char('\n'))) + 1;
    resize(width + 2, int(std::ceil((lines - 1) * line_height_of(font(), false))) + fm.height());
}

int TextLabel::lay_out(QTextLayout& layout, const QFont& font, int width) const {
    QString text = text_;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(text);
    layout.setFont(font);
    QTextOption option(alignment_ & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    const qreal line_height = line_height_of(font, wrap_);
    const int em = em_of(font);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y + baseline_in(line_height, em) - line.ascent()));
        y += line_height;
    }
    layout.endLayout();
    return int(std::ceil(y));
}

int TextLabel::text_height(const QFont& font, int width) const {
    QTextLayout layout;
    return lay_out(layout, font, width);
}

void TextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        fit_to_text();
        update_scrolling();
    }
    QWidget::changeEvent(event);
}

void TextLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update_scrolling();
}

void TextLabel::set_shrink_to_fit(bool shrink) {
    shrink_ = shrink;
    update_scrolling();
    update();
}

QFont TextLabel::drawn_font() const {
    QFont f = font();
    if (!shrink_ || text_.isEmpty()) return f;
    if (drawn_ && drawn_->text == text_ && drawn_->font == f && drawn_->size == size() &&
        drawn_->wrap == wrap_)
        return drawn_->result;
    drawn_ = DrawnFont{text_, f, size(), wrap_, f};
    const double floor = std::min(f.pointSizeF(), shrink_floor_points);
    for (double points = f.pointSizeF(); points >= floor; points -= 0.5) {
        f.setPointSizeF(points);
        if (text_height(f, width()) <= height()) return drawn_->result = f;
    }
    f.setPointSizeF(floor);
    return drawn_->result = f;
}

void TextLabel::update_scrolling() {
    // Only wrapped text can overflow downwards; it then scrolls at its floor size.
    const QFont f = drawn_font();
    const bool overflows = wrap_ && !text_.isEmpty() && text_height(f, width()) > height();
    if (!overflows) {
        if (scroll_ != nullptr) {
            scroll_->hide();
            scroll_->setValue(0);
        }
        return;
    }
    if (scroll_ == nullptr) {
        scroll_ = new QScrollBar(Qt::Vertical, this);
        scroll_->setObjectName(objectName() + QStringLiteral("_scroll"));
        connect(scroll_, &QScrollBar::valueChanged, this, [this] { update(); });
    }
    const int bar = scroll_->sizeHint().width();
    scroll_->setGeometry(width() - bar, 0, bar, height());
    const int needed = text_height(f, width() - bar - 2);
    // Whole lines only: a line cut in half would read as a fault, not as "scroll for more".
    const int line = int(line_height_of(f, true));
    const int page = std::max(line, height() / line * line);
    scroll_->setRange(0, (std::max(0, needed - page) + line - 1) / line);
    scroll_->setPageStep(std::max(1, page / line));
    scroll_->setSingleStep(1);
    scroll_->show();
}

void TextLabel::wheelEvent(QWheelEvent* event) {
    if (scroll_ != nullptr && scroll_->isVisible()) {
        QCoreApplication::sendEvent(scroll_, event);
        return;
    }
    QWidget::wheelEvent(event);
}

void TextLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isValid()) p.fillRect(rect(), background_);
    const QFont f = drawn_font();
    const bool scrolling = scroll_ != nullptr && scroll_->isVisible();
    const int width = scrolling ? this->width() - scroll_->width() - 2 : this->width();
    QTextLayout layout;
    const int text_height = lay_out(layout, f, width);
    qreal top = 0;
    if (scrolling) {
        const int line = int(line_height_of(f, true));
        top = -scroll_->value() * line;
        p.setClipRect(0, 0, width, std::max(line, height() / line * line));
    } else if (alignment_ & Qt::AlignVCenter) {
        top = (height() - text_height) / 2.0;
    } else if (alignment_ & Qt::AlignBottom) {
        top = height() - text_height;
    }
    p.setPen(color_);
    layout.draw(&p, QPointF(0, std::round(top)));
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    press_inside_ = true;
    emit pressed();
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (press_inside_ && rect().contains(event->position().toPoint())) emit clicked();
    press_inside_ = false;
}

void TextLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouse_moved();
}

}  // namespace trelvo

namespace trelvo {

FrameBox::FrameBox(const QString& object_name, const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    // Painted here rather than by a style sheet: a sheet would restyle every control inside the
    // frame, which made the first opening of a screen slow.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xa9, 0xb8, 0xc8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, top + 0.5, -0.5, -0.5), 3, 3);
    if (title().isEmpty()) return;
    const QRect caption(10, 0, fm.horizontalAdvance(title()) + 6, fm.height());
    p.fillRect(caption, Qt::white);
    p.setPen(QColor(0x1f, 0x4f, 0x8a));
    p.drawText(caption, Qt::AlignCenter, title());
}

void FrameBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouse_moved();
}

HoverArea::HoverArea(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void HoverArea::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouse_moved();
}

}  // namespace trelvo
