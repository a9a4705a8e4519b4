#include "exam/exam.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QImageReader>
#include <QPushButton>

#include "core/app_context.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/picture_fit.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "exam/answer_sheet.h"
#include "exam/exam_dialogs.h"
#include "exam/exam_start.h"
#include "info/enlarge_image.h"
#include "practice/media_view.h"
#include "practice/question_media.h"

namespace trelvo {

namespace {

constexpr Placement screen_placements[] = {
    {"frame_kaochang", 150, 180, 1905, 855},  {"frame_kaosheng", 150, 1110, 1905, 4005},
    {"frame_time", 150, 5130, 1905, 795},     {"frame_question", 2190, 180, 8715, 4905},
    {"frame_answer", 11070, 180, 3705, 4905}, {"frame_tooltip", 2190, 5130, 4395, 795},
    {"cmd_prev", 6690, 5250, 1275, 645},      {"cmd_next", 8100, 5250, 1275, 645},
    {"cmd_commit", 9510, 5250, 1275, 645},    {"cmd_again", 9510, 5250, 1395, 645},
    {"label_point", 12450, 5430, 1965, 405},  {"frame_image", 150, 5970, 14625, 4095},
};

// Inside frame_question.
constexpr Placement question_placements[] = {
    {"label_question", 150, 270, 8445, 1545},       {"label_question_a", 150, 1890, 7845, 375},
    {"label_question_b", 150, 2460, 7845, 435},     {"label_question_c", 150, 2970, 7845, 345},
    {"label_question_d", 150, 3480, 7845, 405},     {"check_multi_0", 180, 1860, 285, 375},
    {"check_multi_1", 180, 2400, 285, 375},         {"check_multi_2", 180, 2910, 285, 375},
    {"check_multi_3", 180, 3420, 285, 375},         {"label_answer", 120, 4320, 1665, 375},
    {"label_answer_result", 1710, 4320, 1155, 375}, {"img_answer", 1800, 4350, 525, 405},
    {"label_select", 2940, 4320, 1005, 345},        {"cmd_select_single_0", 3930, 4110, 795, 615},
    {"cmd_select_single_1", 5100, 4110, 795, 615},  {"cmd_select_single_2", 6240, 4110, 795, 615},
    {"cmd_select_single_3", 7380, 4110, 795, 615},  {"cmd_judge_0", 3960, 4110, 795, 615},
    {"cmd_judge_1", 5100, 4110, 795, 615},
};

constexpr int option_left = 150;
constexpr int option_left_beside_boxes = 550;
constexpr int option_tops[] = {1890, 2460, 2970, 3480};
constexpr int option_heights[] = {375, 435, 345, 405};
const QSize picture_box_twips(8750, 3500);

const QColor dark_red(0xc0, 0x00, 0x00);
const QColor dark_blue(0x00, 0x00, 0xc0);

FrameBox* make_frame(const QString& name, const QString& caption, QWidget* parent,
                     const QColor& caption_color = dark_red) {
    auto* f = new FrameBox(name, caption, parent);
    f->setFont(song_font(9, true));
    f->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { background: white; border: 1px solid #a0a0a0;"
                       " margin-top: 7px; }"
                       "QGroupBox#%1::title { subcontrol-origin: margin; left: 8px; padding: 0 2px;"
                       " color: %2; }")
            .arg(name, caption_color.name()));
    return f;
}

TextLabel* make_label(const QString& name, QWidget* parent, const QFont& font,
                      const QString& text = {}) {
    auto* l = new TextLabel(name, parent);
    l->setFont(font);
    l->set_text(text);
    return l;
}

QPushButton* make_button(const QString& name, const QString& caption, QWidget* parent,
                         const QFont& font) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFont(font);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

Exam::Exam(AppContext& app)
    : Screen(QStringLiteral("exam")), app_(app), random_(QRandomGenerator::securelySeeded()) {
    setWindowTitle(QStringLiteral(" 驾驶理论考试系统"));

    auto* frame_kaochang =
        make_frame(QStringLiteral("frame_kaochang"), QStringLiteral("X考试场"), this);
    auto* frame_kaosheng =
        make_frame(QStringLiteral("frame_kaosheng"), QStringLiteral("考生信息"), this);
    auto* frame_time = make_frame(QStringLiteral("frame_time"), QStringLiteral("剩余时间"), this);
    frame_question = make_frame(QStringLiteral("frame_question"), QStringLiteral("考试题目"), this);
    frame_answer = make_frame(QStringLiteral("frame_answer"), QStringLiteral("答题信息"), this);
    auto* frame_tooltip =
        make_frame(QStringLiteral("frame_tooltip"), QStringLiteral("提示信息"), this, dark_blue);
    frame_image = make_frame(QStringLiteral("frame_image"), QStringLiteral("考试图片信息"), this);
    const QFont nav = song_font(14.25, true);
    cmd_prev = make_button(QStringLiteral("cmd_prev"), QStringLiteral("上一题"), this, nav);
    cmd_next = make_button(QStringLiteral("cmd_next"), QStringLiteral("下一题"), this, nav);
    cmd_commit = make_button(QStringLiteral("cmd_commit"), QStringLiteral("交卷"), this, nav);
    cmd_again = make_button(QStringLiteral("cmd_again"), QStringLiteral("重新考试"), this, nav);
    cmd_again->hide();
    label_point = make_label(QStringLiteral("label_point"), this, nav);
    label_point->set_color(QColor(0xff, 0x00, 0x00));
    label_point->set_alignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_point->hide();
    apply_geometry(this, screen_placements);

    // The decorative examinee and exam-hall panels.
    auto* label_kaochang = make_label(QStringLiteral("label_kaochang"), frame_kaochang,
                                      song_font(12), QStringLiteral("第01考台"));
    label_kaochang->setGeometry(twips_rect(510, 360, 1005, 315));
    auto* img_kaosheng = new PictureBox(QStringLiteral("img_kaosheng"), frame_kaosheng);
    img_kaosheng->set_picture(design_picture(QStringLiteral("kaosheng.png")),
                              QStringLiteral(":/design/kaosheng.png"));
    img_kaosheng->setGeometry(twips_rect(210, 330, 1500, 1830));
    const QString kaosheng[] = {QStringLiteral("考生姓名：X学员"), QStringLiteral("性    别：X"),
                                QStringLiteral("考试科目：X X X"), QStringLiteral("考试车型：X X"),
                                QStringLiteral("考试原因：X X X")};
    constexpr int kaosheng_tops[] = {2370, 2640, 2940, 3240, 3540};
    for (int i = 0; i < 5; ++i) {
        auto* l = make_label(QStringLiteral("label_kaosheng_%1").arg(i), frame_kaosheng,
                             song_font(9), kaosheng[i]);
        l->setGeometry(twips_rect(240, kaosheng_tops[i], 1425, 195));
        l->set_shrink_to_fit(true);
    }

    // The clock.
    const QFont clock_font = song_font(12);
    label_time_minute = make_label(QStringLiteral("label_time_minute"), frame_time, clock_font,
                                   QStringLiteral("45"));
    label_time_minute->setGeometry(twips_rect(480, 300, 675, 285));
    auto* colon = make_label(QStringLiteral("Label1"), frame_time, clock_font, QStringLiteral(":"));
    colon->setGeometry(twips_rect(780, 300, 135, 285));
    label_time_second = make_label(QStringLiteral("label_time_second"), frame_time, clock_font,
                                   QStringLiteral("00"));
    label_time_second->setGeometry(twips_rect(960, 300, 705, 285));

    // The question.
    QWidget* fq = frame_question;
    const QFont bold14 = song_font(14.25, true);
    label_question = make_label(QStringLiteral("label_question"), fq, bold14);
    label_question->set_word_wrap(true);
    label_question->set_shrink_to_fit(true);
    for (int i = 0; i < 4; ++i) {
        label_options[i] =
            make_label(QStringLiteral("label_question_%1").arg(QChar('a' + i)), fq, bold14);
        label_options[i]->set_shrink_to_fit(true);
        label_options[i]->set_alignment(Qt::AlignLeft | Qt::AlignVCenter);
        check_multi[i] = new QCheckBox(fq);
        check_multi[i]->setObjectName(QStringLiteral("check_multi_%1").arg(i));
        check_multi[i]->setFocusPolicy(Qt::NoFocus);
        check_multi[i]->setStyleSheet(QStringLiteral("QCheckBox { background: white; }"));
        check_multi[i]->hide();
    }
    const QFont bold16 = song_font(15.75, true);
    make_label(QStringLiteral("label_answer"), fq, bold16, QStringLiteral("您的答案："));
    label_answer_result = make_label(QStringLiteral("label_answer_result"), fq, bold16);
    label_answer_result->set_color(QColor(0xff, 0x00, 0x00));
    label_answer_result->set_shrink_to_fit(true);
    img_answer = new PictureBox(QStringLiteral("img_answer"), fq);
    img_answer->set_stretch(true);
    make_label(QStringLiteral("label_select"), fq, bold16, QStringLiteral("选择："));
    const QFont bold18 = song_font(18, true);
    for (int i = 0; i < 4; ++i)
        cmd_select_single[i] = make_button(QStringLiteral("cmd_select_single_%1").arg(i),
                                           QString(QChar('A' + i)), fq, bold18);
    const char* judge_pictures[] = {"judge_yes.png", "judge_no.png"};
    for (int i = 0; i < 2; ++i) {
        cmd_judge[i] = make_button(QStringLiteral("cmd_judge_%1").arg(i), QString(), fq, bold18);
        cmd_judge[i]->setIcon(design_picture(QLatin1String(judge_pictures[i])));
        cmd_judge[i]->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
        cmd_judge[i]->setAccessibleName(i == 0 ? QStringLiteral("对") : QStringLiteral("错"));
        cmd_judge[i]->hide();
    }
    apply_geometry(frame_question, question_placements);
    for (QPushButton* b : cmd_judge) b->setIconSize(b->size());

    label_tooltip = make_label(QStringLiteral("label_tooltip"), frame_tooltip, song_font(9));
    label_tooltip->setGeometry(twips_rect(180, 360, 4095, 195));
    label_tooltip->set_shrink_to_fit(true);

    img_question = new PictureBox(QStringLiteral("img_question"), frame_image);
    img_question->setGeometry(twips_rect(3540, 390, 8750, 3500));
    img_question->hide();

    timer_exam_ = app_.make_ticker(this);
    center_window(this);

    for (int i = 0; i < 4; ++i) {
        connect(cmd_select_single[i], &QPushButton::clicked, this, [this, i] {
            if (session_ && session_->press_letter(i)) judge_current();
        });
        connect(check_multi[i], &QCheckBox::clicked, this, [this, i](bool ticked) {
            if (session_ && session_->set_box(i, ticked)) judge_current();
        });
    }
    for (int i = 0; i < 2; ++i)
        connect(cmd_judge[i], &QPushButton::clicked, this, [this, i] {
            if (session_ && session_->press_judge(i == 0)) judge_current();
        });
    connect(cmd_next, &QPushButton::clicked, this, &Exam::next_question);
    connect(cmd_prev, &QPushButton::clicked, this, &Exam::previous_question);
    connect(cmd_commit, &QPushButton::clicked, this, &Exam::commit_exam);
    connect(cmd_again, &QPushButton::clicked, this, &Exam::take_again);
    connect(timer_exam_, &Ticker::tick, this, &Exam::tick_countdown);
    connect(img_question, &PictureBox::mouse_moved, this,
            [this] { img_question->setCursor(app_.pictures().hand_cursor()); });
    connect(img_question, &PictureBox::clicked, this, &Exam::open_exam_viewer);

    // The practice screen's keys, each doing what its button does here.
    install_question_keys(
        this, [this] { return session_ && session_->question().kind == true_false; },
        [this](QuestionKey key) { on_question_key(key); });
    for (int i = 0; i < 4; ++i)
        cmd_select_single[i]->setToolTip(
            QStringLiteral("选择 %1（键盘 %2）")
                .arg(QChar('A' + i))
                .arg(key_hint(QuestionKey(int(QuestionKey::option_a) + i))));
    cmd_judge[0]->setToolTip(QStringLiteral("对（键盘 %1）").arg(key_hint(QuestionKey::yes)));
    cmd_judge[1]->setToolTip(QStringLiteral("错（键盘 %1）").arg(key_hint(QuestionKey::no)));
    cmd_prev->setToolTip(QStringLiteral("上一题（%1）").arg(key_hint(QuestionKey::previous)));
    cmd_next->setToolTip(QStringLiteral("下一题（%1）").arg(key_hint(QuestionKey::next)));
    cmd_commit->setToolTip(
        QStringLiteral("交卷（%1），确认后结束考试").arg(key_hint(QuestionKey::leave)));
}

void Exam::on_question_key(QuestionKey key) {
    if (!session_ || closing_) return;
    bool judged = false;
    switch (key) {
        case QuestionKey::previous:
            return previous_question();
        case QuestionKey::next:
            return next_question();
        case QuestionKey::leave:
            // Esc never ends the exam by itself: it asks as 交卷 does, and Enter or Esc there goes
            // back to the exam. Once the exam is over it does nothing.
            return commit_exam();
        case QuestionKey::none:
            return;
        case QuestionKey::option_a:
        case QuestionKey::option_b:
        case QuestionKey::option_c:
        case QuestionKey::option_d:
            // After the submission the score stands; a stray key answers nothing more.
            if (submitted_) return;
            judged = session_->press_letter(int(key) - int(QuestionKey::option_a));
            break;
        case QuestionKey::yes:
        case QuestionKey::no:
            if (submitted_) return;
            judged = session_->press_judge(key == QuestionKey::yes);
            break;
    }
    if (judged) judge_current();
}

Exam::~Exam() {
    delete_temp_picture(app_.folder(), media_name_);
}

std::optional<PoolShortage> Exam::init() {
    return init(PaperComposer(app_.bank(), random_).read_pools(get_car_type()));
}

std::optional<PoolShortage> Exam::init(const ExamPools& pools) {
    PaperComposer composer(app_.bank(), random_);
    ExamPaper paper;
    if (auto shortage = composer.try_compose(get_car_type(), pools, paper)) return shortage;
    start(std::move(paper));
    return std::nullopt;
}

void Exam::init(ExamPaper paper) {
    start(std::move(paper));
}

void Exam::start(ExamPaper paper) {
    paper.paper_results.fill(0);
    paper.paper_answers.fill(QString());
    const int size = paper.paper_size;
    session_ = std::make_unique<ExamSession>(app_.bank(), std::move(paper));

    // The sheet of the paper's size.
    sheet_ = new AnswerSheet(size == 50 ? 50 : 100, frame_answer);
    sheet_->setGeometry(size == 50 ? twips_rect(60, 180, 3585, 3195)
                                   : twips_rect(60, 180, 3585, 4665));
    sheet_->show();
    connect(sheet_, &AnswerSheet::cell_clicked, this, &Exam::go_to_slot);

    flash_ = new MediaView(this);
    flash_->setGeometry(twips_rect(4770, 6330, 5500, 3500));
    flash_->raise();
    flash_->show();

    show_exam_question(0);

    const int minutes = exam_rules(get_car_type()).exam_minutes;
    clock_ = ExamClock(size == 50 ? 30 : minutes);
    label_time_minute->set_text(clock_.minutes_text());
    label_time_second->set_text(clock_.seconds_text());
    timer_exam_->start(1000);
}

void Exam::show_exam_question(int slot) {
    session_->show(slot);
    sheet_->highlight(session_->previous_slot(), slot);
    const ExamQuestion& q = session_->question();
    label_question->set_text(QString::number(slot + 1) + QStringLiteral(". ") + q.text);
    static const char* const prefixes[] = {"A: ", "B: ", "C: ", "D: "};
    for (int i = 0; i < 4; ++i)
        label_options[i]->set_text(
            q.kind == true_false ? q.options[i] : QString::fromLatin1(prefixes[i]) + q.options[i]);
    set_answer_controls();
    show_given_answer(slot);
    show_exam_media(slot);
}

void Exam::set_answer_controls() {
    const qint16 kind = session_->question().kind;
    const bool enabled = !session_->locked();
    const bool letters = kind == single_choice || kind == multiple_choice;
    const bool boxes = kind == multiple_choice;
    for (int i = 0; i < 4; ++i) {
        cmd_select_single[i]->setVisible(letters);
        cmd_select_single[i]->setEnabled(enabled);
        check_multi[i]->setChecked(boxes && session_->boxes()[i]);
        check_multi[i]->setVisible(boxes);
        check_multi[i]->setEnabled(enabled);
        label_options[i]->setGeometry(twips_rect(boxes ? option_left_beside_boxes : option_left,
                                                 option_tops[i], 7845, option_heights[i]));
    }
    for (QPushButton* b : cmd_judge) {
        b->setVisible(kind == true_false);
        b->setEnabled(enabled);
    }
    switch (kind) {
        case single_choice:
            label_tooltip->set_text(QStringLiteral("选择题，请在备选答案中选择您认为正确的答案！"));
            break;
        case multiple_choice:
            label_tooltip->set_text(QStringLiteral("多选题，请在备选答案中选择您认为正确的答案！"));
            break;
        case true_false:
            label_tooltip->set_text(QStringLiteral("判断题，请判断对错！"));
            break;
        default:
            // A question of no known kind cannot be answered here.
            label_tooltip->set_text(QString());
            break;
    }
}

void Exam::show_given_answer(int slot) {
    const QString& answer = session_->answer(slot);
    if (session_->question().kind == true_false) {
        label_answer_result->set_text(QString());
        label_answer_result->hide();
        QString file;
        if (answer == QLatin1String("Y")) file = QStringLiteral("imgs/answer_exam_right.jpg");
        if (answer == QLatin1String("N")) file = QStringLiteral("imgs/answer_exam_error.jpg");
        if (file.isEmpty())
            img_answer->clear_picture();
        else
            img_answer->set_picture(app_.pictures().skin(file), file);
        img_answer->show();
        return;
    }
    img_answer->hide();
    img_answer->clear_picture();
    label_answer_result->set_text(answer);
    label_answer_result->show();
}

void Exam::judge_current() {
    const int slot = session_->current_slot();
    show_given_answer(slot);
    sheet_->set_answer(slot, sheet_cell_text(session_->question().kind, session_->answer(slot)));
    // Letter buttons stand for the boxes of a multiple-choice question.
    if (session_->question().kind == multiple_choice)
        for (int i = 0; i < 4; ++i) check_multi[i]->setChecked(session_->boxes()[i]);
}

void Exam::notify_if_wrong() {
    if (!session_->leaving_needs_notice()) return;
    auto* dialog = new ExamDialogError(app_, this);
    std::array<QString, 4> options;
    for (int i = 0; i < 4; ++i) options[i] = label_options[i]->text();
    dialog->init(label_question->text(), options, session_->question().right_answer);
    notice_ = dialog;
    dialog->exec();
}

void Exam::next_question() {
    if (!session_ || closing_) return;
    notify_if_wrong();
    if (closing_) return;
    const int current = session_->current_slot();
    if (current < session_->paper_size() - 1) {
        if (session_->result(current) == 2) sheet_->mark_wrong(current);
        show_exam_question(current + 1);
    }
}

void Exam::previous_question() {
    if (!session_ || closing_) return;
    notify_if_wrong();
    if (closing_) return;
    const int current = session_->current_slot();
    if (current > 0) {
        if (session_->result(current) == 2) sheet_->mark_wrong(current);
        show_exam_question(current - 1);
    }
}

void Exam::go_to_slot(int slot) {
    if (!session_ || closing_ || slot == session_->current_slot()) return;
    if (slot < 0 || slot >= session_->paper_size()) return;
    notify_if_wrong();
    if (closing_) return;
    const int current = session_->current_slot();
    if (session_->result(current) == 2) sheet_->mark_wrong(current);
    show_exam_question(slot);
}

void Exam::show_exam_media(int slot) {
    switch (session_->question().media_kind) {
        case 4: {
            flash_->stop_and_clear();
            flash_->hide();
            const QString name = session_->read_media_name(slot);
            delete_temp_picture(app_.folder(), media_name_);
            media_name_ = name;
            show_picture();
            break;
        }
        case 5: {
            hide_picture();
            const QString name = session_->read_media_name(slot);
            flash_->play(is_plain_media_name(name) ? app_.folder() + QStringLiteral("/aces/") + name
                                                   : QString());
            flash_->show();
            flash_->raise();
            break;
        }
        default:
            // No media, and media of a kind this screen does not know: nothing is shown.
            hide_picture();
            flash_->stop_and_clear();
            flash_->hide();
            break;
    }
}

void Exam::hide_picture() {
    img_question->hide();
    img_question->clear_picture();
}

void Exam::show_picture() {
    hide_picture();
    // A stored picture that is missing, empty or unreadable shows no picture; the exam goes on.
    if (!copy_picture(app_.folder(), media_name_)) return;
    QImageReader reader(temp_picture_path(app_.folder(), media_name_));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return;
    const QSize natural(int(twips(image.width())), int(twips(image.height())));
    const QSize shown = fit_inside(natural, picture_box_twips);
    img_question->set_stretch(true);
    img_question->set_picture(QPixmap::fromImage(image),
                              temp_picture_source(app_.folder(), media_name_));
    const QSize size(std::max(1, px(shown.width())), std::max(1, px(shown.height())));
    img_question->setGeometry(frame_image->width() / 2 - size.width() / 2,
                              frame_image->height() / 2 - size.height() / 2, size.width(),
                              size.height());
    img_question->show();
}

void Exam::open_exam_viewer() {
    if (!img_question->isVisible() || !img_question->has_picture()) return;
    const QString path = temp_picture_path(app_.folder(), media_name_);
    if (!QFile::exists(path)) return;
    auto* viewer = new EnlargeImage(app_, this);
    viewer->load(path, exam_picture_box);
    viewer->init();
    viewer_ = viewer;
    viewer->exec();
}

void Exam::tick_countdown() {
    if (clock_.tick()) {
        timer_exam_->stop();
        label_time_minute->set_text(QStringLiteral("00"));
        label_time_second->set_text(QStringLiteral("00"));
        time_out_submission();
        return;
    }
    label_time_minute->set_text(clock_.minutes_text());
    label_time_second->set_text(clock_.seconds_text());
}

void Exam::commit_exam() {
    if (!session_ || submitted_ || commit_open_ || closing_) return;
    commit_open_ = true;
    auto* dialog = new ExamDialogCommit(app_, this);
    dialog->init(session_->score());
    commit_ = dialog;
    bool confirmed = false;
    // The exam ends the moment 确认交卷 is pressed: the clock stops before anything else.
    connect(dialog, &ExamDialogCommit::confirmed, this, [this, &confirmed] {
        confirmed = true;
        timer_exam_->stop();
    });
    const int score = dialog->score();
    dialog->exec();
    commit_open_ = false;
    if (confirmed && !closing_) submit_exam(score);
}

void Exam::time_out_submission() {
    if (submitted_) return;
    // Nothing of the running exam may stay open over the result.
    close_exam_dialogs();
    hide();
    submit_exam(session_->score());
    if (!closing_) show();
}

void Exam::submit_exam(int score) {
    if (submitted_) return;
    submitted_ = true;
    timer_exam_->stop();
    auto* dialog = new ExamPass(app_, this);
    dialog->init(score);
    result_ = dialog;
    dialog->exec();
    if (closing_) return;
    finished_ = true;
    cmd_again->show();
    cmd_commit->hide();
    label_point->set_text(QStringLiteral("得分：") + QString::number(score) + QStringLiteral("分"));
    label_point->show();
}

void Exam::close_exam_dialogs() {
    if (notice_) notice_->reject();
    if (commit_) commit_->reject();
    if (viewer_) viewer_->reject();
}

void Exam::take_again() {
    if (leaving_for_retake_ || closing_) return;
    leaving_for_retake_ = true;
    auto* start = new ExamInit(app_);
    start->show();
    close();
}

void Exam::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    // The exam is abandoned: its clock and every dialog of it end here.
    timer_exam_->stop();
    close_exam_dialogs();
    if (result_) result_->reject();
    delete_temp_picture(app_.folder(), media_name_);
    if (!leaving_for_retake_) app_.open_main_menu(this);
}

}  // namespace trelvo
