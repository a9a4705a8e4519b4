#include "menu/main_control.h"

#include <QPointer>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "info/about.h"
#include "exam/exam_start.h"
#include "menu/select_car.h"
#include "practice/select_chapter.h"
#include "practice/select_special.h"
#include "practice/study_unit.h"

namespace trelvo {

namespace {

constexpr Placement placements[] = {
    {"img_title", 1110, 600, 2340, 525},     {"img_type_car", 1110, 2040, 1965, 765},
    {"img_sequence", 4680, 2040, 2535, 765}, {"img_chapter", 8640, 2040, 2535, 765},
    {"img_special", 4680, 3990, 2535, 765},  {"img_error", 8640, 3990, 2535, 765},
    {"img_exam", 8640, 6030, 2535, 765},     {"img_strong", 8640, 6030, 2535, 765},
    {"img_about", 8220, 8940, 1635, 465},    {"img_exit", 10350, 8940, 1635, 465},
    {"img_qq", 1110, 9045, 1215, 360},       {"label_qq", 1110, 8640, 2715, 285},
};

const QString qq_file = QStringLiteral("imgs/qq.jpg");

}  // namespace

MainControl::MainControl(AppContext& app) : Screen(QStringLiteral("main_control")), app_(app) {
    set_background(design_picture(QStringLiteral("main_control.jpg")));
    img_title = new PictureBox(QStringLiteral("img_title"), this);
    img_type_car = new PictureBox(QStringLiteral("img_type_car"), this);
    img_sequence = new PictureBox(QStringLiteral("img_sequence"), this);
    img_chapter = new PictureBox(QStringLiteral("img_chapter"), this);
    img_special = new PictureBox(QStringLiteral("img_special"), this);
    img_error = new PictureBox(QStringLiteral("img_error"), this);
    img_exam = new PictureBox(QStringLiteral("img_exam"), this);
    img_strong = new PictureBox(QStringLiteral("img_strong"), this);
    img_about = new PictureBox(QStringLiteral("img_about"), this);
    img_exit = new PictureBox(QStringLiteral("img_exit"), this);
    img_qq = new PictureBox(QStringLiteral("img_qq"), this);
    label_qq = new TextLabel(QStringLiteral("label_qq"), this);
    apply_geometry(this, placements);

    img_strong->hide();  // kept for its hover handler; never shown
    label_qq->set_text(QStringLiteral("错误反馈和功能建议"));
    label_qq->set_color(QColor(0x00, 0x80, 0x00));
    label_qq->hide();
    img_qq->set_picture(app_.pictures().skin(qq_file), qq_file);

    // Load step.
    center_window(this);
    load_menu();
    setWindowTitle(product_title() + QLatin1Char(' ') + car_type_name());

    const struct {
        PictureBox* box;
        const char* hover_file;
    } hovers[] = {
        {img_sequence, "imgs/btn_sequence_move.jpg"}, {img_chapter, "imgs/btn_chapter_move.jpg"},
        {img_special, "imgs/btn_special_move.jpg"},   {img_error, "imgs/btn_error_move.jpg"},
        {img_exam, "imgs/btn_exam_move.jpg"},         {img_strong, "imgs/btn_strong_move.jpg"},
        {img_about, "imgs/btn_about_move.jpg"},       {img_exit, "imgs/btn_exit_move.jpg"},
    };
    for (const auto& h : hovers) {
        const QString file = QLatin1String(h.hover_file);
        PictureBox* box = h.box;
        connect(box, &PictureBox::mouse_moved, this, [this, box, file] { hover(box, file); });
    }
    connect(img_type_car, &PictureBox::mouse_moved, this, [this] {
        const QString prefix = table_prefix(get_car_type());
        if (prefix.isEmpty()) {
            img_type_car->setCursor(app_.pictures().hand_cursor());
            return;
        }
        hover(img_type_car, QStringLiteral("imgs/btn_type_%1_move.jpg").arg(prefix));
    });
    connect(img_qq, &PictureBox::mouse_moved, this, [this] {
        hover(img_qq, QStringLiteral("imgs/qq_move.jpg"));
        label_qq->show();
    });
    connect(this, &Screen::background_mouse_moved, this, &MainControl::restore_pictures);
    // A jump from one button straight onto another passes no background: leaving restores too.
    for (PictureBox* b : {img_type_car, img_sequence, img_chapter, img_special, img_error, img_exam,
                          img_strong, img_about, img_exit, img_qq})
        connect(b, &PictureBox::mouse_left, this, &MainControl::restore_pictures);

    connect(img_type_car, &PictureBox::clicked, this, &MainControl::open_category_selection);
    // Sequence practice and the wrong-answer book share the unit list; only the book is emptied.
    auto open_unit_list = [this](const QString& table, const QString& mode, bool wrong_answers) {
        const QString caption = windowTitle() + QLatin1Char(' ') + mode;
        open_screen(this, new StudyUnit(app_), &caption, [&](StudyUnit& target) {
            target.init(table);
            if (wrong_answers) target.show_delete_error();
        });
    };
    connect(img_sequence, &PictureBox::clicked, this, [open_unit_list] {
        open_unit_list(sequence_table_name(), QStringLiteral("顺序练习"), false);
    });
    connect(img_error, &PictureBox::clicked, this, [open_unit_list] {
        open_unit_list(error_table_name(), QStringLiteral("错题练习"), true);
    });
    connect(img_chapter, &PictureBox::clicked, this, [this] {
        const QString caption = windowTitle() + QStringLiteral(" 章节练习");
        open_screen(this, new SelectChapter(app_), &caption,
                    [](SelectChapter& target) { target.init(chapter_list_table_name()); });
    });
    connect(img_special, &PictureBox::clicked, this, [this] {
        const QString caption = windowTitle() + QStringLiteral(" 专项练习");
        open_screen(this, new SelectSpecial(app_), &caption,
                    [](SelectSpecial& target) { target.init(special_list_table_name()); });
    });
    connect(img_about, &PictureBox::clicked, this, [this] {
        // The about screen names no category.
        const QString caption = product_title() + QStringLiteral(" 关于软件");
        open_screen(this, new About(app_), &caption);
    });
    connect(img_exam, &PictureBox::clicked, this, &MainControl::open_exam);
    connect(img_qq, &PictureBox::clicked, this, &MainControl::open_feedback);
    connect(img_exit, &PictureBox::clicked, this, &MainControl::exit_program);

    // Tab walks the buttons in reading order; Enter opens the one with the ring.
    PictureBox* const tab_order[] = {img_type_car, img_sequence, img_chapter,
                                     img_special,  img_error,    img_exam,
                                     img_about,    img_exit,     img_qq};
    for (PictureBox* b : tab_order) b->set_keyboard_focusable(true);
    for (size_t i = 1; i < std::size(tab_order); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);
}

void MainControl::set_cached(PictureBox* box, SkinImages::Slot slot) {
    box->set_picture(app_.skins().cached_picture(slot), SkinImages::file_of(slot));
}

void MainControl::load_menu() {
    set_cached(img_title, SkinImages::title);
    set_cached(img_about, SkinImages::about);
    set_cached(img_exit, SkinImages::exit);
    set_cached(img_sequence, SkinImages::sequence);
    set_cached(img_chapter, SkinImages::chapter);
    set_cached(img_strong, SkinImages::strong);
    set_cached(img_error, SkinImages::error);
    set_cached(img_special, SkinImages::special);
    set_cached(img_exam, SkinImages::exam);

    Rows rows =
        app_.bank().query(QStringLiteral("SELECT car_type FROM car WHERE is_selected = TRUE"));
    if (!rows.next()) {
        throw AppError(QStringLiteral("题库中没有选定的驾照类型"),
                       QStringLiteral("表 car 中没有 is_selected 为真的行"));
    }
    set_car_type(rows.int16(0));

    if (const auto slot = SkinImages::category_slot(get_car_type()))
        set_cached(img_type_car, *slot);
}

void MainControl::hover(PictureBox* button, const QString& hover_file) {
    button->setCursor(app_.pictures().hand_cursor());
    button->set_picture(app_.pictures().skin(hover_file), hover_file);
}

void MainControl::restore_pictures() {
    img_qq->set_picture(app_.pictures().skin(qq_file), qq_file);
    label_qq->hide();
    set_cached(img_title, SkinImages::title);
    set_cached(img_about, SkinImages::about);
    set_cached(img_exit, SkinImages::exit);
    set_cached(img_sequence, SkinImages::sequence);
    set_cached(img_chapter, SkinImages::chapter);
    set_cached(img_strong, SkinImages::strong);
    set_cached(img_error, SkinImages::error);
    set_cached(img_special, SkinImages::special);
    set_cached(img_exam, SkinImages::exam);
    if (const auto slot = SkinImages::category_slot(get_car_type()))
        set_cached(img_type_car, *slot);
}

void MainControl::open_category_selection() {
    open_screen(this, new SelectCar(app_), nullptr,
                [](SelectCar& target) { target.init(QStringLiteral("car")); });
}

void MainControl::open_exam() {
    // A second click that was already queued must not open the instructions a second time.
    if (exam_dialog_open_) return;
    exam_dialog_open_ = true;
    QPointer<MainControl> self(this);
    ExamDialog::open_modal(app_, this);
    if (self) exam_dialog_open_ = false;
}

void MainControl::open_feedback() {
    open_address(app_, this, feedback_address(), QStringLiteral("意见反馈邮箱"));
}

void MainControl::exit_program() {
    close();
    app_.end_program();
}

}  // namespace trelvo
