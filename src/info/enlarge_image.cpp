#include "info/enlarge_image.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/picture_box.h"
#include "core/picture_loader.h"
#include "core/twips.h"

namespace trelvo {

EnlargeImage::EnlargeImage(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("enlarge_image"));
    setWindowTitle(QStringLiteral(" 图片原图"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("QDialog { background: white; }"));
    image_enlarged = new PictureBox(QStringLiteral("image_enlarged"), this);
    image_enlarged->move(0, 0);
    connect(image_enlarged, &PictureBox::mouse_moved, this,
            [this] { image_enlarged->setCursor(app_.pictures().hand_cursor()); });
    connect(image_enlarged, &PictureBox::clicked, this, &QDialog::accept);
}

void EnlargeImage::load(const QString& path, PictureSize box) {
    QString error;
    const QImage image = read_for_display(path, display_ratio(), &error);
    if (image.isNull())
        throw AppError(QStringLiteral("无法显示题目图片"),
                       QStringLiteral("%1：%2").arg(path, error));
    const QSizeF size = image.deviceIndependentSize();
    const PictureSize natural{twips(std::round(size.width())), twips(std::round(size.height()))};
    layout_ = viewer_layout(natural, box);
    image_enlarged->set_stretch(true);
    image_enlarged->set_picture(QPixmap::fromImage(image), path);
    image_enlarged->resize(px(layout_.image.width), px(layout_.image.height));
    // The client area holds the picture exactly; the rule's window size already allows for the
    // frame, and centring uses it.
    setFixedSize(image_enlarged->size());
}

void EnlargeImage::init() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const double left = twips(area.width()) / 2 - layout_.window.width / 2;
    const double top = twips(area.height()) / 2 - layout_.window.height / 2;
    move(area.left() + px(left), area.top() + px(top));
}

void EnlargeImage::open_viewer(AppContext& app, QWidget* opener, const QString& path,
                               PictureSize box) {
    auto* viewer = new EnlargeImage(app, opener);
    viewer->load(path, box);
    viewer->init();
    viewer->exec();
}

}  // namespace trelvo
