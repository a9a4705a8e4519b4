#include "practice/study.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <cmath>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/question_keys.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "info/enlarge_image.h"
#include "practice/answer_card.h"
#include "practice/media_view.h"
#include "practice/question_media.h"

namespace trelvo {

namespace {

constexpr Placement window_placements[] = {
    {"frame_question", 30, 30, 14835, 6045},
    {"frame_answer", 30, 6120, 14835, 3975},
    {"frame_analysis", 30, 6120, 14835, 3975},
    {"chk_answer", 13230, 5340, 1215, 495},
};

// Inside frame_question.
constexpr Placement question_placements[] = {
    {"label_question", 240, 480, 11040, 735},   {"label_question_a", 240, 1290, 8190, 480},
    {"label_question_b", 210, 2010, 8190, 480}, {"label_question_c", 210, 2700, 8190, 480},
    {"label_question_d", 210, 3420, 8190, 480}, {"cmd_single_a", 60, 3990, 1100, 1100},
    {"cmd_single_b", 1230, 3990, 1100, 1100},   {"cmd_single_c", 2430, 3990, 1100, 1100},
    {"cmd_single_d", 3630, 3990, 1100, 1100},   {"cmd_single_y", 660, 4020, 1100, 1100},
    {"cmd_single_n", 3090, 4020, 1100, 1100},   {"cmd_prev", 360, 5130, 1605, 765},
    {"cmd_next", 2790, 5130, 1605, 765},        {"cmd_set_error", 11040, 4440, 1600, 800},
    {"cmd_end", 13050, 4440, 1600, 800},        {"img_right", 6690, 4410, 270, 285},
    {"img_error", 6690, 4410, 300, 300},        {"chk_jump", 8550, 5340, 1845, 495},
    {"chk_analysis", 11190, 5340, 1215, 495},   {"label_set_error", 10020, 4710, 735, 165},
};

struct Area {
    int left, top, width, height;
};
constexpr Area single_a_areas[] = {
    {60, 3840, 4785, 255},  {60, 4950, 4785, 255},  {30, 4050, 135, 945},  {1050, 4080, 285, 885},
    {2220, 4080, 285, 885}, {3420, 4080, 315, 885}, {4620, 4050, 315, 975}};
constexpr Area single_y_areas[] = {
    {-30, 3930, 4635, 195}, {0, 4980, 4635, 225}, {540, 3990, 225, 1035}, {1650, 4080, 1575, 915}};
constexpr Area single_y_window_area = {4110, 4050, 225, 975};
constexpr Area prev_areas[] = {{240, 5790, 4395, 225},
                               {120, 5100, 345, 765},
                               {1860, 5100, 1005, 765},
                               {4290, 5070, 465, 825},
                               {120, 5130, 4395, 45}};
constexpr Area set_error_areas[] = {{9450, 4350, 5295, 165}, {9480, 5130, 5295, 255},
                                    {9090, 4680, 465, 435},  {10740, 4470, 405, 765},
                                    {12540, 4500, 615, 705}, {14580, 4500, 105, 645}};

const char* const button_names[] = {"cmd_single_a", "cmd_single_b", "cmd_single_c",
                                    "cmd_single_d", "cmd_single_y", "cmd_single_n"};
constexpr Button choice_buttons[] = {Button::a, Button::b, Button::c, Button::d};
constexpr Button judge_buttons[] = {Button::y, Button::n};

const QColor note_green(0x00, 0x80, 0x00);

TextLabel* make_label(const QString& name, QWidget* parent, const QFont& font) {
    auto* l = new TextLabel(name, parent);
    l->setFont(font);
    return l;
}

}  // namespace

Study::Study(AppContext& app) : Screen(QStringLiteral("study")), app_(app), run_(app.bank()) {
    // Load step.
    setWindowTitle(QString());

    frame_question =
        new FrameBox(QStringLiteral("frame_question"), QStringLiteral("试题信息"), this);
    frame_answer = new FrameBox(QStringLiteral("frame_answer"), QString(), this);
    frame_analysis =
        new FrameBox(QStringLiteral("frame_analysis"), QStringLiteral("考题分析"), this);
    chk_answer = new QCheckBox(QStringLiteral("显示答案"), this);
    chk_answer->setObjectName(QStringLiteral("chk_answer"));
    apply_geometry(this, window_placements);
    frame_analysis->hide();
    label_analysis = make_label(QStringLiteral("label_analysis"), frame_analysis, song_font(12));
    label_analysis->setGeometry(twips_rect(150, 330, 14505, 3585));
    label_analysis->set_word_wrap(true);
    label_analysis->set_color(palette().color(QPalette::WindowText));

    // The hover areas lie under the buttons they surround.
    QWidget* fq = frame_question;
    auto area = [](const QString& name, QWidget* parent, const Area& a) {
        auto* h = new HoverArea(name, parent);
        h->setGeometry(twips_rect(a.left, a.top, a.width, a.height));
        return h;
    };
    int n = 0;
    for (const Area& a : single_a_areas)
        frame_single_a.append(area(QStringLiteral("frame_single_a_%1").arg(n++), fq, a));
    n = 0;
    for (const Area& a : single_y_areas)
        frame_single_y.append(area(QStringLiteral("frame_single_y_%1").arg(n++), fq, a));
    frame_single_y.append(area(QStringLiteral("frame_single_y_4"), this, single_y_window_area));
    n = 0;
    QList<HoverArea*> frame_prev, frame_set_error;
    for (const Area& a : prev_areas)
        frame_prev.append(area(QStringLiteral("frame_prev_%1").arg(n++), fq, a));
    n = 0;
    for (const Area& a : set_error_areas)
        frame_set_error.append(area(QStringLiteral("frame_set_error_%1").arg(n++), fq, a));

    const QFont bold12 = song_font(12, true);
    label_question = make_label(QStringLiteral("label_question"), fq, bold12);
    label_question->set_word_wrap(true);
    for (int i = 0; i < 4; ++i) {
        label_options[i] =
            make_label(QStringLiteral("label_question_%1").arg(QChar('a' + i)), fq, bold12);
        label_options[i]->set_word_wrap(true);
    }
    img_question = new PictureBox(QStringLiteral("img_question"), fq);
    img_question->set_stretch(false);
    img_question->setGeometry(twips_rect(8280, 900, 6240, 3330));
    img_question->hide();
    for (int i = 0; i < 6; ++i) cmd_single[i] = new PictureBox(QLatin1String(button_names[i]), fq);
    cmd_prev = new PictureBox(QStringLiteral("cmd_prev"), fq);
    cmd_next = new PictureBox(QStringLiteral("cmd_next"), fq);
    cmd_set_error = new PictureBox(QStringLiteral("cmd_set_error"), fq);
    cmd_end = new PictureBox(QStringLiteral("cmd_end"), fq);
    label_answer_info = make_label(QStringLiteral("label_answer_info"), fq, song_font(10.5));
    label_answer_info->set_auto_size(true);
    label_answer_info->move(px(5070), px(4440));
    label_answer_info->set_text(QStringLiteral("您的答案："));
    label_answer_result = make_label(QStringLiteral("label_answer_result"), fq, song_font(12));
    label_answer_result->set_auto_size(true);
    label_answer_result->move(px(6150), px(4410));
    img_right = new PictureBox(QStringLiteral("img_right"), fq);
    img_error = new PictureBox(QStringLiteral("img_error"), fq);
    label_answer_right_info =
        make_label(QStringLiteral("label_answer_right_info"), fq, song_font(10.5));
    label_answer_right_info->set_auto_size(true);
    label_answer_right_info->move(px(7440), px(4440));
    label_answer_right_info->set_text(QStringLiteral("正确答案："));
    label_answer_right_result =
        make_label(QStringLiteral("label_answer_right_result"), fq, song_font(12));
    label_answer_right_result->set_auto_size(true);
    label_answer_right_result->move(px(8610), px(4440));
    chk_jump = new QCheckBox(QStringLiteral("答对跳转下一题"), fq);
    chk_jump->setObjectName(QStringLiteral("chk_jump"));
    chk_analysis = new QCheckBox(QStringLiteral("题目解析"), fq);
    chk_analysis->setObjectName(QStringLiteral("chk_analysis"));
    label_set_error = make_label(QStringLiteral("label_set_error"), fq, font());
    label_set_error->set_text(QStringLiteral("设置成功"));
    label_set_error->set_color(note_green);
    apply_geometry(frame_question, question_placements);
    // The note is a little wider than its designed box so that its text is not cut.
    label_set_error->resize(
        label_set_error->fontMetrics().horizontalAdvance(label_set_error->text()) + 2,
        label_set_error->fontMetrics().height());

    for (QCheckBox* c : {chk_answer, chk_jump, chk_analysis}) {
        c->setFont(song_font(10.5));
        QPalette white = c->palette();
        white.setColor(c->backgroundRole(), Qt::white);
        c->setPalette(white);
        c->setAutoFillBackground(true);
    }
    chk_jump->setChecked(true);
    for (QWidget* w :
         {static_cast<QWidget*>(label_answer_right_info),
          static_cast<QWidget*>(label_answer_right_result), static_cast<QWidget*>(img_right),
          static_cast<QWidget*>(img_error), static_cast<QWidget*>(label_set_error)})
        w->hide();

    // Pictures the buttons carry when the window opens.
    PictureLoader& pictures = app_.pictures();
    for (Button b : {Button::a, Button::b, Button::c, Button::d, Button::y, Button::n})
        set_button(b, ButtonPicture::normal);
    for (const auto& [box, file] : {std::pair{cmd_prev, "imgs/btn_prev.jpg"},
                                    {cmd_next, "imgs/btn_next.jpg"},
                                    {cmd_set_error, "imgs/btn_set_error.jpg"},
                                    {cmd_end, "imgs/btn_end.jpg"}})
        box->set_picture(pictures.skin(QLatin1String(file)), QLatin1String(file));
    img_right->set_picture(design_picture(QStringLiteral("tick.png")),
                           QStringLiteral(":/design/tick.png"));
    img_error->set_picture(design_picture(QStringLiteral("cross.png")),
                           QStringLiteral(":/design/cross.png"));

    card_ = new AnswerCard(frame_answer);
    card_->setGeometry(0, 0, px(14835), px(3975));

    timer_set_error = app_.make_ticker(this);
    center_window(this);

    // Events.
    for (Button b : choice_buttons) {
        connect(cmd_single[int(b)], &PictureBox::clicked, this, [this, b] { choose_option(b); });
        connect(cmd_single[int(b)], &PictureBox::mouse_moved, this,
                [this, b] { hover_answer_button(b); });
    }
    for (Button b : judge_buttons) {
        connect(cmd_single[int(b)], &PictureBox::clicked, this, [this, b] { pick_true_false(b); });
        connect(cmd_single[int(b)], &PictureBox::mouse_moved, this,
                [this, b] { hover_answer_button(b); });
    }
    // Leaving a button gives it back its resting picture, also when the pointer jumps straight
    // onto another control or out of the window without crossing a hover frame.
    for (Button b : {Button::a, Button::b, Button::c, Button::d, Button::y, Button::n})
        connect(cmd_single[int(b)], &PictureBox::mouse_left, this, [this, b] {
            set_button(b, run_.selected(b) ? ButtonPicture::selected : ButtonPicture::normal);
        });
    for (const auto& [box, file] : {std::pair{cmd_prev, "imgs/btn_prev.jpg"},
                                    {cmd_next, "imgs/btn_next.jpg"},
                                    {cmd_set_error, "imgs/btn_set_error.jpg"},
                                    {cmd_end, "imgs/btn_end.jpg"}}) {
        PictureBox* button = box;
        const QString f = QLatin1String(file);
        connect(button, &PictureBox::mouse_left, this,
                [this, button, f] { button->set_picture(app_.pictures().skin(f), f); });
    }
    connect(cmd_prev, &PictureBox::clicked, this, &Study::previous_question);
    connect(cmd_next, &PictureBox::clicked, this, &Study::next_question);
    connect(cmd_set_error, &PictureBox::clicked, this, &Study::mark_wrong_answer);
    connect(cmd_end, &PictureBox::clicked, this, &Study::end_practice);
    for (const auto& [box, file] : {std::pair{cmd_prev, "imgs/btn_prev_move.jpg"},
                                    {cmd_next, "imgs/btn_next_move.jpg"},
                                    {cmd_set_error, "imgs/btn_set_error_move.jpg"},
                                    {cmd_end, "imgs/btn_end_move.jpg"}}) {
        PictureBox* button = box;
        const QString f = QLatin1String(file);
        connect(button, &PictureBox::mouse_moved, this,
                [this, button, f] { hover_button(button, f); });
    }
    connect(img_question, &PictureBox::mouse_moved, this,
            [this] { img_question->setCursor(app_.pictures().hand_cursor()); });
    connect(img_question, &PictureBox::clicked, this, [this] {
        EnlargeImage::open_viewer(app_, this, temp_picture_path(app_.folder(), media_name_),
                                  practice_picture_box);
    });
    connect(chk_answer, &QCheckBox::clicked, this, &Study::toggle_show_answer);
    connect(chk_analysis, &QCheckBox::clicked, this, &Study::toggle_analysis);
    connect(card_, &AnswerCard::cell_pressed, this, &Study::select_cell);
    connect(timer_set_error, &Ticker::tick, this, [this] {
        label_set_error->hide();
        timer_set_error->stop();
    });

    connect(frame_question, &FrameBox::mouse_moved, this, &Study::restore_navigation);
    for (HoverArea* h : frame_prev)
        connect(h, &HoverArea::mouse_moved, this, &Study::restore_navigation);
    for (HoverArea* h : frame_set_error)
        connect(h, &HoverArea::mouse_moved, this, [this] {
            cmd_set_error->set_picture(
                app_.pictures().skin(QStringLiteral("imgs/btn_set_error.jpg")),
                QStringLiteral("imgs/btn_set_error.jpg"));
            cmd_end->set_picture(app_.pictures().skin(QStringLiteral("imgs/btn_end.jpg")),
                                 QStringLiteral("imgs/btn_end.jpg"));
        });
    for (HoverArea* h : frame_single_a)
        connect(h, &HoverArea::mouse_moved, this, [this] { restore_answer_buttons(true); });
    for (HoverArea* h : frame_single_y)
        connect(h, &HoverArea::mouse_moved, this, [this] { restore_answer_buttons(false); });

    // Keys do what the buttons on screen do; the answer keys follow the button set shown.
    install_question_keys(
        this, [this] { return !cmd_single[int(Button::a)]->isVisibleTo(this); },
        [this](QuestionKey key) { on_question_key(key); });
    const struct {
        Button button;
        QuestionKey key;
        const char* text;
    } answer_tips[] = {
        {Button::a, QuestionKey::option_a, "选择 A"}, {Button::b, QuestionKey::option_b, "选择 B"},
        {Button::c, QuestionKey::option_c, "选择 C"}, {Button::d, QuestionKey::option_d, "选择 D"},
        {Button::y, QuestionKey::yes, "对"},          {Button::n, QuestionKey::no, "错"}};
    for (const auto& t : answer_tips)
        cmd_single[int(t.button)]->setToolTip(
            QStringLiteral("%1（键盘 %2）").arg(QString::fromUtf8(t.text), key_hint(t.key)));
    cmd_prev->setToolTip(QStringLiteral("上一题（%1）").arg(key_hint(QuestionKey::previous)));
    cmd_next->setToolTip(QStringLiteral("下一题（%1）").arg(key_hint(QuestionKey::next)));
    cmd_end->setToolTip(QStringLiteral("保存并返回主页（%1）").arg(key_hint(QuestionKey::leave)));
}

void Study::on_question_key(QuestionKey key) {
    auto answer = [this](Button b, bool true_false) {
        const int before = run_.current_index();
        if (true_false)
            pick_true_false(b);
        else
            choose_option(b);
        // The pointer is not on the button: once the question stays, it shows its resting picture.
        if (run_.current_index() == before)
            set_button(b, run_.selected(b) ? ButtonPicture::selected : ButtonPicture::normal);
    };
    switch (key) {
        case QuestionKey::option_a:
            return answer(Button::a, false);
        case QuestionKey::option_b:
            return answer(Button::b, false);
        case QuestionKey::option_c:
            return answer(Button::c, false);
        case QuestionKey::option_d:
            return answer(Button::d, false);
        case QuestionKey::yes:
            return answer(Button::y, true);
        case QuestionKey::no:
            return answer(Button::n, true);
        case QuestionKey::previous:
            return previous_question();
        case QuestionKey::next:
            return next_question();
        case QuestionKey::leave:
            return end_practice();
        case QuestionKey::none:
            return;
    }
}

Study::~Study() {
    // Leaving the screen in any way removes the readable copy of the last picture.
    delete_temp_picture(app_.folder(), media_name_);
}

void Study::init(const QString& table_name, qint16 first_id, qint16 last_id) {
    create_flash_player();
    const int start = run_.load(table_name, first_id, last_id);
    card_->set_cell_count(run_.question_count());
    for (int i = 0; i < run_.question_count(); ++i) restore_cell(i);
    go_to_question(start);
    frame_answer->setTitle(QStringLiteral("答案信息"));
}

void Study::create_flash_player() {
    flash_ = new MediaView(this);
    flash_->setGeometry(twips_rect(9000, 800, 5500, 3500));
    flash_->raise();
    flash_->show();
}

void Study::highlight_cell(int index) {
    card_->set_colors(index, answer_card_colors(run_.result(index), true));
}
void Study::restore_cell(int index) {
    card_->set_colors(index, answer_card_colors(run_.result(index), false));
}

void Study::go_to_question(int index) {
    highlight_cell(index);
    run_.go_to(index);
    show_question(index);
}

void Study::next_question() {
    const int old = run_.current_index();
    if (!run_.next()) return;
    highlight_cell(run_.current_index());
    restore_cell(old);
    show_question(run_.current_index());
}

void Study::previous_question() {
    const int old = run_.current_index();
    if (!run_.previous()) return;
    highlight_cell(run_.current_index());
    restore_cell(old);
    show_question(run_.current_index());
}

void Study::select_cell(int index) {
    const int old = run_.current_index();
    if (!run_.go_to(index)) return;
    highlight_cell(index);
    restore_cell(old);
    show_question(index);
}

void Study::show_question(int index) {
    const Question q = run_.read_question(index);
    label_question->set_text(QString::number(index + 1) + QStringLiteral(". ") + q.text);
    static const char* const prefixes[] = {"A、", "B、", "C、", "D、"};
    for (int i = 0; i < 4; ++i)
        label_options[i]->set_text(q.kind == 2 ? q.options[i]
                                               : QString::fromUtf8(prefixes[i]) + q.options[i]);
    show_answer_state(index);
    if (q.kind >= 0 && q.kind <= 2) {
        show_buttons_for(q.kind);
        run_.show_selection(index);
        show_selection_pictures(index);
    }
    show_media(index);
    if (chk_analysis->isChecked()) label_analysis->set_text(q.analysis);
}

void Study::show_answer_state(int index) {
    const Question& q = run_.question();
    label_answer_result->set_text(q.kind == 2 ? yes_no_text(run_.answer(index))
                                              : run_.answer(index));
    img_right->setVisible(run_.result(index) == answered_right);
    img_error->setVisible(run_.result(index) == answered_wrong);
    if (chk_answer->isChecked()) {
        label_answer_right_result->set_text(q.kind == 2 ? yes_no_text(q.right_answer)
                                                        : q.right_answer);
        label_answer_right_result->show();
        label_answer_right_info->show();
    }
}

void Study::show_buttons_for(qint16 kind) {
    const bool choice = kind != 2;
    for (HoverArea* h : frame_single_a) h->setVisible(choice);
    for (Button b : choice_buttons) cmd_single[int(b)]->setVisible(choice);
    for (HoverArea* h : frame_single_y) h->setVisible(!choice);
    for (Button b : judge_buttons) cmd_single[int(b)]->setVisible(!choice);
}

void Study::show_selection_pictures(int index) {
    auto resting = [this](Button b) {
        return run_.selected(b) ? ButtonPicture::selected : ButtonPicture::normal;
    };
    if (run_.question().kind == 2) {
        const QString& answer = run_.answer(index);
        if (run_.result(index) != not_answered && answer != QLatin1String("Y") &&
            answer != QLatin1String("N"))
            return;
        for (Button b : judge_buttons) set_button(b, resting(b));
        return;
    }
    for (Button b : choice_buttons) set_button(b, resting(b));
}

void Study::show_media(int index) {
    switch (run_.question().media_kind) {
        case 3:
            img_question->clear_picture();
            img_question->hide();
            flash_->stop_and_clear();
            flash_->hide();
            fit_question_text(false);
            break;
        case 4: {
            flash_->stop_and_clear();
            flash_->hide();
            const QString name = run_.read_media_name(index);
            delete_temp_picture(app_.folder(), media_name_);
            media_name_ = name;
            show_picture();
            break;
        }
        case 5: {
            img_question->clear_picture();
            img_question->hide();
            const QString name = run_.read_media_name(index);
            flash_->play(is_plain_media_name(name) ? app_.folder() + QStringLiteral("/aces/") + name
                                                   : QString());
            flash_->show();
            flash_->raise();
            fit_question_text(true);
            break;
        }
        default:
            break;  // other kinds leave the previous media in place
    }
}

void Study::show_picture() {
    img_question->hide();
    img_question->set_stretch(false);
    img_question->clear_picture();
    // A stored picture that is missing, empty or undecodable shows no picture rather than stopping
    // the program.
    if (!copy_picture(app_.folder(), media_name_)) {
        fit_question_text(false);
        return;
    }
    const QString source = temp_picture_source(app_.folder(), media_name_);
    const QPixmap picture = app_.pictures().decode(source);
    if (picture.isNull()) {
        delete_temp_picture(app_.folder(), media_name_);
        fit_question_text(false);
        return;
    }
    img_question->set_picture(picture, source);
    // Its size as drawn at 1x, whichever drawing the screen's pixel ratio picked.
    const QSizeF size = picture.deviceIndependentSize();
    const PictureSize natural{twips(std::round(size.width())), twips(std::round(size.height()))};
    if (is_large_for(natural, practice_picture_box)) {
        const PictureSize fitted = fit_into_box(natural, practice_picture_box);
        img_question->set_stretch(true);
        img_question->resize(px(fitted.width), px(fitted.height));
    }
    img_question->show();
    fit_question_text(true);
}

void Study::fit_question_text(bool beside_media) {
    // Beside a picture or an animation the stem stops short of it instead of running underneath.
    label_question->resize(px(beside_media ? 7900 : 11040), px(735));
    label_question->set_shrink_to_fit(true);
}

void Study::set_button(Button b, ButtonPicture p) {
    const QString file = button_picture_file(b, p);
    cmd_single[int(b)]->set_picture(app_.pictures().skin(file), file);
}

void Study::apply(const QList<PracticeRun::ButtonChange>& changes) {
    for (const auto& c : changes) set_button(c.button, c.picture);
}

void Study::show_judgement() {
    const int i = run_.current_index();
    const bool right = run_.result(i) == answered_right;
    img_right->setVisible(right);
    img_error->setVisible(!right);
}

void Study::choose_option(Button letter) {
    const bool multiple = run_.question().kind != 0;
    const auto changes = multiple ? run_.toggle_option(letter) : run_.pick_option(letter);
    label_answer_result->set_text(run_.answer(run_.current_index()));
    show_judgement();
    apply(changes);
    auto_jump();
}

void Study::pick_true_false(Button value) {
    const auto changes = run_.pick_true_false(value);
    label_answer_result->set_text(yes_no_text(run_.answer(run_.current_index())));
    show_judgement();
    apply(changes);
    auto_jump();
}

void Study::auto_jump() {
    if (chk_jump->isChecked() && run_.result(run_.current_index()) == answered_right)
        next_question();
}

void Study::toggle_show_answer() {
    if (chk_answer->isChecked()) {
        const Question& q = run_.question();
        label_answer_right_result->set_text(q.kind == 2 ? yes_no_text(q.right_answer)
                                                        : q.right_answer);
        label_answer_right_result->show();
        label_answer_right_info->show();
    } else {
        label_answer_right_result->hide();
        label_answer_right_info->hide();
    }
}

void Study::toggle_analysis() {
    if (chk_analysis->isChecked()) {
        frame_analysis->show();
        frame_answer->hide();
        label_analysis->set_text(run_.question().analysis);
    } else {
        frame_answer->show();
        frame_analysis->hide();
    }
}

void Study::mark_wrong_answer() {
    const int i = run_.current_index();
    const bool saved = app_.save(this, QStringLiteral("加入错题本"), [&] {
        trelvo::mark_wrong_answer(app_.bank(), error_table_name(), run_.ref_id(i), run_.result(i),
                                  run_.answer(i));
    });
    if (!saved) return;
    label_set_error->show();
    timer_set_error->start(300);
}

bool Study::save_run() {
    return app_.save(this, QStringLiteral("保存答题记录"), [this] { run_.save_progress(); });
}

void Study::end_practice() {
    begin_leaving();
    if (!save_run()) {
        stay();
        return;
    }
    app_.open_main_menu(this);
}

void Study::save_before_the_end() {
    begin_leaving();
    // Nobody is there to answer a question now; a bank that cannot be written loses the run, as
    // it would have at any later save.
    try {
        run_.save_progress();
    } catch (const AppError&) {
    }
}

void Study::closeEvent(QCloseEvent* event) {
    // Closed through the frame (not by going back): the run is saved exactly as 返回主页 saves it.
    if (!is_leaving()) {
        begin_leaving();
        if (!save_run()) {
            stay();
            event->ignore();
            return;
        }
    }
    Screen::closeEvent(event);
}

void Study::hover_button(PictureBox* button, const QString& file) {
    button->setCursor(app_.pictures().hand_cursor());
    button->set_picture(app_.pictures().skin(file), file);
}

void Study::hover_answer_button(Button b) {
    cmd_single[int(b)]->setCursor(app_.pictures().hand_cursor());
    set_button(b, run_.selected(b) ? ButtonPicture::selected_hover : ButtonPicture::hover);
}

void Study::restore_answer_buttons(bool choice) {
    if (choice) {
        for (Button b : choice_buttons)
            set_button(b, run_.selected(b) ? ButtonPicture::selected : ButtonPicture::normal);
    } else {
        for (Button b : judge_buttons)
            set_button(b, run_.selected(b) ? ButtonPicture::selected : ButtonPicture::normal);
    }
    restore_navigation();
}

void Study::restore_navigation() {
    cmd_prev->set_picture(app_.pictures().skin(QStringLiteral("imgs/btn_prev.jpg")),
                          QStringLiteral("imgs/btn_prev.jpg"));
    cmd_next->set_picture(app_.pictures().skin(QStringLiteral("imgs/btn_next.jpg")),
                          QStringLiteral("imgs/btn_next.jpg"));
}

}  // namespace trelvo
