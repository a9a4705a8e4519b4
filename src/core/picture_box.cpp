#include "core/picture_box.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace trelvo {

PictureBox::PictureBox(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::set_picture(const QPixmap& picture, const QString& path) {
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

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        p.drawPixmap(rect(), picture_);
    else
        p.drawPixmap(0, 0, picture_);
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

TextLabel::TextLabel(const QString& object_name, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void TextLabel::set_text(const QString& text) {
    text_ = text;
    fit_to_text();
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
    update();
}

void TextLabel::set_auto_size(bool auto_size) {
    auto_size_ = auto_size;
    fit_to_text();
}

void TextLabel::fit_to_text() {
    if (!auto_size_) return;
    const QFontMetrics fm(font());
    resize(fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text_).size() +
           QSize(2, 0));
}

void TextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fit_to_text();
    QWidget::changeEvent(event);
}

void TextLabel::set_shrink_to_fit(bool shrink) {
    shrink_ = shrink;
    update();
}

QFont TextLabel::drawn_font() const {
    QFont f = font();
    if (!shrink_ || text_.isEmpty()) return f;
    const int flags = int(alignment_) | (wrap_ ? Qt::TextWordWrap : 0);
    for (double points = f.pointSizeF(); points > 6; points -= 0.5) {
        f.setPointSizeF(points);
        const QRect needed = QFontMetrics(f).boundingRect(rect(), flags, text_);
        if (needed.height() <= height() && needed.width() <= width()) break;
    }
    return f;
}

void TextLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isValid()) p.fillRect(rect(), background_);
    p.setPen(color_);
    p.setFont(drawn_font());
    int flags = int(alignment_);
    if (wrap_) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, text_);
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
    setStyleSheet(
        QStringLiteral(
            "QGroupBox#%1 { background: white; border: 1px solid #a9b8c8; border-radius: 3px;"
            " margin-top: 9px; }"
            "QGroupBox#%1::title { subcontrol-origin: margin; left: 10px; padding: 0 3px; color: "
            "#1f4f8a; }")
            .arg(object_name));
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
