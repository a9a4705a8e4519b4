#include "info/about.h"

#include "core/app_context.h"
#include "core/picture_box.h"

namespace trelvo {

namespace {

constexpr Placement placements[] = {
    {"img_about", 1680, 1620, 11385, 5835},    {"label_about_0", 2130, 1980, 2325, 465},
    {"label_about_1", 2130, 2610, 9075, 1185}, {"label_about_2", 2130, 4560, 2325, 465},
    {"label_about_3", 2130, 5220, 9075, 1485}, {"img_return", 10170, 9000, 1755, 495},
    {"img_exit", 12510, 9000, 1755, 495},
};

const QString panel_file = QStringLiteral("imgs/about.jpg");
const QString panel_hover_file = QStringLiteral("imgs/about_move.jpg");

}  // namespace

QString about_contact_text(const QString& program_folder) {
    return QStringLiteral("邮箱: ") + address_text(feedback_address()) + QStringLiteral("\n\n") +
           QStringLiteral("网址: ") + address_text(web_address(program_folder));
}

About::About(AppContext& app) : Screen(QStringLiteral("about")), app_(app) {
    set_background(design_picture(QStringLiteral("about.jpg")));
    img_about = new PictureBox(QStringLiteral("img_about"), this);
    for (int i = 0; i < 4; ++i)
        label_about[i] = new TextLabel(QStringLiteral("label_about_%1").arg(i), this);
    img_return = new PictureBox(QStringLiteral("img_return"), this);
    img_exit = new PictureBox(QStringLiteral("img_exit"), this);
    apply_geometry(this, placements);

    const QColor heading(0x00, 0x00, 0x80);  // &H800000, blue in the high byte
    for (int i : {0, 2}) {
        label_about[i]->setFont(song_font(15.75));
        label_about[i]->set_color(heading);
    }
    label_about[0]->set_text(QStringLiteral("软件说明："));
    label_about[2]->set_text(QStringLiteral("联系方式："));
    for (int i : {1, 3}) {
        label_about[i]->setFont(song_font(14.25));
        label_about[i]->set_color(QColor(0, 0, 0));
        label_about[i]->set_word_wrap(true);
        // A deep program folder makes a long address: smaller type, never cut off.
        label_about[i]->set_shrink_to_fit(true);
    }
    for (TextLabel* label : label_about) label->raise();

    // Load step.
    center_window(this);
    set_picture(img_return, QStringLiteral("imgs/btn_return.jpg"));
    set_picture(img_exit, QStringLiteral("imgs/btn_exit.jpg"));
    set_picture(img_about, panel_file);
    label_about[1]->set_text(QStringLiteral("本软件为一款驾考系统，") +
                             QStringLiteral("适合多种类型驾照考生进行理论学习"));
    label_about[3]->set_text(about_contact_text(app_.folder()));

    connect(img_about, &PictureBox::mouse_moved, this, [this] { hover_panel(img_about); });
    connect(img_about, &PictureBox::clicked, this, &About::open_web_page);
    for (TextLabel* label : label_about) {
        connect(label, &TextLabel::mouse_moved, this, [this, label] { hover_panel(label); });
        connect(label, &TextLabel::clicked, this, &About::open_web_page);
    }
    connect(img_return, &PictureBox::mouse_moved, this, [this] {
        img_return->setCursor(app_.pictures().hand_cursor());
        set_picture(img_return, QStringLiteral("imgs/btn_return_move.jpg"));
    });
    connect(img_exit, &PictureBox::mouse_moved, this, [this] {
        img_exit->setCursor(app_.pictures().hand_cursor());
        set_picture(img_exit, QStringLiteral("imgs/btn_exit_move.jpg"));
    });
    connect(this, &Screen::background_mouse_moved, this, &About::restore_pictures);
    connect(img_return, &PictureBox::clicked, this, [this] { app_.open_main_menu(this); });
    connect(img_exit, &PictureBox::clicked, this, [this] { app_.end_program(); });
}

void About::set_picture(PictureBox* box, const QString& file) {
    box->set_picture(app_.pictures().skin(file), file);
}

void About::hover_panel(QWidget* part) {
    part->setCursor(app_.pictures().hand_cursor());
    about_normal_shown_ = false;
    if (!about_hover_shown_) {
        set_picture(img_about, panel_hover_file);
        about_hover_shown_ = true;
    }
}

void About::restore_pictures() {
    set_picture(img_return, QStringLiteral("imgs/btn_return.jpg"));
    set_picture(img_exit, QStringLiteral("imgs/btn_exit.jpg"));
    about_hover_shown_ = false;
    if (!about_normal_shown_) {
        set_picture(img_about, panel_file);
        about_normal_shown_ = true;
    }
}

void About::open_web_page() {
    open_address(app_, this, web_address(app_.folder()), QStringLiteral("使用说明"));
}

}  // namespace trelvo
