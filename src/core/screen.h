#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <span>

namespace trelvo {

// A picture that is part of a screen's design, compiled into the program (null if absent).
QPixmap design_picture(const QString& name);

// One row of a screen's geometry table: a control's object name and its rectangle in twips.
struct Placement {
    const char* name;
    int left, top, width, height;
};

// Places every named child of root by the table; a name without a control is a programming error.
void apply_geometry(QWidget* root, std::span<const Placement> table);

// Centred on the primary screen, 300 twips above the vertical centre.
void center_window(QWidget* window);

// The fonts the screens ask for; the application maps them onto installed CJK fonts.
QFont song_font(double points, bool bold = false);
QFont kai_font(double points, bool bold = false);
void install_font_substitutions();

// A top-level screen of the fixed 14910 × 10140 twip client area, with an optional background
// picture. It deletes itself when closed and reports pointer movement over its own background;
// the pointer leaving the window counts as such a movement, so no hover picture stays behind.
class Screen : public QWidget {
    Q_OBJECT
  public:
    explicit Screen(const QString& object_name, QWidget* parent = nullptr);

    void set_background(const QPixmap& picture);  // null = plain white

    // A screen that has started to leave (to open another, or to save before it goes) takes no
    // more input: a second click already queued must not open a second screen or save again.
    // stay() calls the leaving off, after a save the learner cancelled.
    void begin_leaving();
    void stay();
    bool is_leaving() const { return leaving_; }

    // The system is ending the program (log-out, shutdown): whatever the screen holds that the
    // learner would lose is written now, without asking, and the screen takes no more input.
    virtual void save_before_the_end() { begin_leaving(); }

  signals:
    void background_mouse_moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QPixmap background_;
    bool leaving_ = false;
};

// Opens a screen by the fixed order: (created by the caller), caption, init, show, close the
// opener.
template <typename Target, typename Init>
Target* open_screen(QWidget* opener, Target* target, const QString* caption, Init&& init) {
    if (auto* leaving = qobject_cast<Screen*>(opener)) leaving->begin_leaving();
    if (caption != nullptr) target->setWindowTitle(*caption);
    init(*target);
    target->show();
    // The keys reach the new screen at once, also where no window manager hands it the focus.
    target->activateWindow();
    if (opener != nullptr) opener->close();
    return target;
}

template <typename Target>
Target* open_screen(QWidget* opener, Target* target, const QString* caption = nullptr) {
    return open_screen(opener, target, caption, [](Target&) {});
}

}  // namespace trelvo
