#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QWidget>
#include <optional>

class QScrollBar;
class QTextLayout;

namespace trelvo {

// A picture control: shows one picture, remembers the file it came from, takes the picture's
// natural size unless stretched, and reports presses, clicks and pointer movement.
class PictureBox final : public QWidget {
    Q_OBJECT
  public:
    PictureBox(const QString& object_name, QWidget* parent);

    void set_picture(const QPixmap& picture, const QString& path);
    void clear_picture();
    const QString& picture_path() const { return path_; }
    const QPixmap& picture() const { return picture_; }
    bool has_picture() const { return !picture_.isNull(); }

    // Stretched: the picture fills the control's rectangle. Not stretched: the control takes the
    // picture's natural size, keeping its top-left corner.
    void set_stretch(bool stretch);
    bool stretch() const { return stretch_; }

    // Reachable with Tab: a ring shows the keyboard focus, and Enter, Return or Space click it.
    void set_keyboard_focusable(bool focusable);

  signals:
    void pressed();
    void clicked();
    void mouse_moved();
    // The pointer has left the control: onto another control, the background or out of the window.
    void mouse_left();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPixmap picture_;
    QString path_;
    bool stretch_ = true;
    bool press_inside_ = false;
    bool key_focus_ = false;  // focus that came from the keyboard, the only kind shown
};

// The ring that marks the control or tile the keyboard is on.
void paint_focus_ring(QPainter& painter, const QRectF& rect);

// A text label that, like every control of these screens, takes its own pointer movement and clicks
// instead of passing them to the screen behind it. A single line sits as compactly as the screens'
// design assumes (one em per line); wrapped text uses the label's full width at a line height of
// 1.4 em, which reads comfortably.
class TextLabel final : public QWidget {
    Q_OBJECT
  public:
    TextLabel(const QString& object_name, QWidget* parent);

    void set_text(const QString& text);
    const QString& text() const { return text_; }
    void set_color(const QColor& color);
    QColor color() const { return color_; }
    void set_background(const QColor& color);  // opaque background; invalid colour = transparent
    QColor background() const { return background_; }
    void set_alignment(Qt::Alignment alignment);
    void set_word_wrap(bool wrap);
    // Grow to the text's size, as labels that size to their text do.
    void set_auto_size(bool auto_size);
    // A text longer than the label is drawn smaller until it fits, but never below
    // shrink_floor_points; what still does not fit scrolls, rather than being cut off.
    void set_shrink_to_fit(bool shrink);
    static constexpr double shrink_floor_points = 10.5;
    // The font the text is drawn in (smaller than font() when shrunk to fit).
    QFont drawn_font() const;
    // Shown when the text does not fit even at the floor size (null otherwise).
    QScrollBar* scroll_bar() const { return scroll_; }
    // Height in pixels of the text laid out in `font` across `width` pixels.
    int text_height(const QFont& font, int width) const;

  signals:
    void pressed();
    void clicked();
    void mouse_moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void fit_to_text();
    void update_scrolling();
    // Lays the text out (lines relative to the label's top-left) and returns its height.
    int lay_out(QTextLayout& layout, const QFont& font, int width) const;

    QString text_;
    QColor color_ = Qt::black;
    QColor background_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wrap_ = false;
    bool auto_size_ = false;
    bool shrink_ = false;
    bool press_inside_ = false;
    QScrollBar* scroll_ = nullptr;
    // Finding the drawn size lays the text out once per step; every paint reuses the answer
    // until the text, font, size or wrapping changes.
    struct DrawnFont {
        QString text;
        QFont font;
        QSize size;
        bool wrap = false;
        QFont result;
    };
    mutable std::optional<DrawnFont> drawn_;
};

}  // namespace trelvo

namespace trelvo {

// A captioned frame on a white ground that reports pointer movement over its own area.
class FrameBox final : public QGroupBox {
    Q_OBJECT
  public:
    FrameBox(const QString& object_name, const QString& caption, QWidget* parent);

  signals:
    void mouse_moved();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// An invisible area laid around buttons: pointer movement over it gives them back their pictures.
class HoverArea final : public QWidget {
    Q_OBJECT
  public:
    HoverArea(const QString& object_name, QWidget* parent);

  signals:
    void mouse_moved();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace trelvo
