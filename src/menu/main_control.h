#pragma once

#include "core/screen.h"
#include "core/skin_images.h"

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;

// The hub: title with the current category, one button per practice mode, the mock exam, the
// category button, about, exit and the feedback contact.
class MainControl final : public Screen {
    Q_OBJECT
  public:
    explicit MainControl(AppContext& app);

    void restore_pictures();

  private:
    void load_menu();
    void hover(PictureBox* button, const QString& hover_file);
    void set_cached(PictureBox* box, SkinImages::Slot slot);
    void open_category_selection();
    void open_exam();
    void open_feedback();
    void exit_program();

    AppContext& app_;
    PictureBox* img_title;
    PictureBox* img_type_car;
    PictureBox* img_sequence;
    PictureBox* img_chapter;
    PictureBox* img_special;
    PictureBox* img_error;
    PictureBox* img_exam;
    PictureBox* img_strong;
    PictureBox* img_about;
    PictureBox* img_exit;
    PictureBox* img_qq;
    TextLabel* label_qq;
    bool exam_dialog_open_ = false;
};

}  // namespace trelvo
