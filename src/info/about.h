#pragma once

#include "core/screen.h"

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;

// The about screen: a panel with the program's description and the contact lines. A click on the
// panel opens the web address (the user guide) in the browser.
class About final : public Screen {
    Q_OBJECT
  public:
    explicit About(AppContext& app);

    void open_web_page();

    // The panel's picture is loaded once per entry into and out of the panel; these remember
    // which one it shows.
    bool about_normal_shown() const { return about_normal_shown_; }
    bool about_hover_shown() const { return about_hover_shown_; }

  private:
    void hover_panel(QWidget* part);
    void restore_pictures();
    void set_picture(PictureBox* box, const QString& file);

    AppContext& app_;
    PictureBox* img_about;
    TextLabel* label_about[4];
    PictureBox* img_return;
    PictureBox* img_exit;
    bool about_normal_shown_ = false;
    bool about_hover_shown_ = false;
};

// The contact block: the feedback mail address, an empty line, the web address.
QString about_contact_text(const QString& program_folder);

}  // namespace trelvo
