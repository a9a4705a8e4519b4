#pragma once

#include <QDialog>

#include "core/picture_layout.h"

namespace trelvo {

class AppContext;
class PictureBox;

// The enlarged picture viewer: a question picture at full size, or fitted to the screen when very
// large. One click on the picture closes it.
class EnlargeImage final : public QDialog {
    Q_OBJECT
  public:
    EnlargeImage(AppContext& app, QWidget* parent);

    // Loads and sizes the picture for an opener whose picture box is `box`.
    void load(const QString& path, PictureSize box);
    void init();

    const ViewerLayout& layout_used() const { return layout_; }

    // Creates a viewer, shows it modal and returns when it is closed.
    static void open_viewer(AppContext& app, QWidget* opener, const QString& path, PictureSize box);

  private:
    AppContext& app_;
    PictureBox* image_enlarged;
    ViewerLayout layout_;
};

}  // namespace trelvo
