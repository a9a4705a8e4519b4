#include "exam/exam_dialogs.h"

#include <QKeyEvent>
#include <QPushButton>

#include "core/app_context.h"
#include "core/picture_box.h"
#include "core/screen.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "exam/exam_paper.h"
#include "exam/exam_session.h"

namespace trelvo {

PictureDialog::PictureDialog(const QString& object_name, int width_twips, int height_twips,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(object_name);
    setAttribute(Qt::WA_DeleteOnClose);
    // The result closes while a timed-out exam screen is still hidden: that must not end the
    // program as the last window would.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(px(width_twips), px(height_twips));
    setFont(song_font(9));
}

bool PictureDialog::is_closing_key(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->key() == Qt::Key_Escape;
}

void PictureDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc act on a fresh press only: a key held down on the exam screen must not also
    // answer the dialog its press opened.
    if (is_closing_key(event) && event->isAutoRepeat()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

PictureBox* PictureDialog::add_background(const QString& name, const QPixmap& picture,
                                          const QString& path) {
    auto* background = new PictureBox(name, this);
    background->set_stretch(true);
    background->set_picture(picture, path);
    background->setGeometry(rect());
    background->lower();
    return background;
}

TextLabel* PictureDialog::add_close_label(int left, int top, int width, int height) {
    auto* close = new TextLabel(QStringLiteral("label_close"), this);
    close->setGeometry(twips_rect(left, top, width, height));
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &TextLabel::clicked, this, &QDialog::reject);
    return close;
}

QPushButton* PictureDialog::add_button(const QString& name, const QString& caption, int left,
                                       int top, int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(song_font(14.25, true));
    button->setGeometry(twips_rect(left, top, width, height));
    return button;
}

namespace {

TextLabel* transparent_label(const QString& name, QWidget* parent, const QFont& font, int left,
                             int top, int width, int height) {
    auto* l = new TextLabel(name, parent);
    l->setFont(font);
    l->setGeometry(twips_rect(left, top, width, height));
    return l;
}

}  // namespace

ExamDialogError::ExamDialogError(AppContext& app, QWidget* exam)
    : PictureDialog(QStringLiteral("exam_dialog_error"), 12000, 9000, exam) {
    add_background(QStringLiteral("Image1"),
                   design_picture(QStringLiteral("exam_dialog_error.png")),
                   QStringLiteral(":/design/exam_dialog_error.png"));
    const QFont bold = song_font(14.25, true);
    label_question =
        transparent_label(QStringLiteral("label_question"), this, bold, 120, 480, 10335, 1095);
    label_question->set_word_wrap(true);
    label_question->set_shrink_to_fit(true);
    constexpr int tops[] = {1710, 2220, 2670, 3150};
    constexpr int heights[] = {375, 435, 345, 405};
    for (int i = 0; i < 4; ++i) {
        label_options[i] =
            transparent_label(QStringLiteral("label_question_%1").arg(QChar('a' + i)), this, bold,
                              120, tops[i], 9735, heights[i]);
        label_options[i]->set_shrink_to_fit(true);
    }
    label_answer_result = transparent_label(QStringLiteral("label_answer_result"), this,
                                            song_font(15.75, true), 6450, 3540, 1155, 375);
    label_answer_result->set_alignment(Qt::AlignLeft | Qt::AlignVCenter);
    cmd_continue = add_button(QStringLiteral("cmd_continue"), QStringLiteral("继续考试"), 4950,
                              6900, 2085, 585);
    cmd_continue->setEnabled(false);
    cmd_continue->setDefault(true);
    cmd_continue->setToolTip(QStringLiteral("继续考试（Enter 或 Esc，5 秒后可用）"));
    label_time = transparent_label(QStringLiteral("label_time"), this, song_font(11, true), 5050,
                                   8160, 195, 285);
    label_time->set_alignment(Qt::AlignCenter);
    label_time->set_color(QColor(0xc0, 0x00, 0x00));
    label_close = add_close_label(11670, 90, 225, 225);
    timer_continue_ = app.make_ticker(this);
    connect(cmd_continue, &QPushButton::clicked, this, &QDialog::accept);
    connect(timer_continue_, &Ticker::tick, this, &ExamDialogError::tick);
    center_window(this);
}

void ExamDialogError::init(const QString& question, const std::array<QString, 4>& options,
                           const QString& right_answer) {
    label_question->set_text(question);
    for (int i = 0; i < 4; ++i) label_options[i]->set_text(options[i]);
    label_answer_result->set_text(right_answer_text(right_answer));
    notice_ticks_ = 0;
    label_time->set_text(QStringLiteral("9"));
    timer_continue_->start(1000);
}

void ExamDialogError::tick() {
    ++notice_ticks_;
    if (notice_ticks_ <= 9) label_time->set_text(QString::number(9 - notice_ticks_));
    if (notice_ticks_ == 5) cmd_continue->setEnabled(true);
    if (notice_ticks_ >= 10) {
        timer_continue_->stop();
        accept();
    }
}

void ExamDialogError::done(int result) {
    // However the notice ends, its countdown ends with it.
    timer_continue_->stop();
    PictureDialog::done(result);
}

void ExamDialogError::keyPressEvent(QKeyEvent* event) {
    // The right answer stays in view until 继续考试 works: before that no key closes the notice.
    if (is_closing_key(event) && !cmd_continue->isEnabled()) {
        event->accept();
        return;
    }
    PictureDialog::keyPressEvent(event);
}

ExamDialogCommit::ExamDialogCommit(AppContext&, QWidget* exam)
    : PictureDialog(QStringLiteral("exam_dialog_commit"), 9015, 7500, exam) {
    add_background(QStringLiteral("img_commit"),
                   design_picture(QStringLiteral("exam_dialog_commit.png")),
                   QStringLiteral(":/design/exam_dialog_commit.png"));
    cmd_commit =
        add_button(QStringLiteral("cmd_commit"), QStringLiteral("确认交卷"), 2610, 5610, 1815, 735);
    cmd_continue = add_button(QStringLiteral("cmd_continue"), QStringLiteral("继续考试"), 4530,
                              5610, 1815, 735);
    add_close_label(8670, 90, 255, 225);
    // Enter goes on with the exam: ending it takes a deliberate click.
    cmd_commit->setAutoDefault(false);
    cmd_continue->setDefault(true);
    cmd_continue->setFocus();
    cmd_continue->setToolTip(QStringLiteral("继续考试（Enter 或 Esc）"));
    connect(cmd_commit, &QPushButton::clicked, this, &ExamDialogCommit::confirm);
    connect(cmd_continue, &QPushButton::clicked, this, &QDialog::reject);
    center_window(this);
}

void ExamDialogCommit::init(int score) {
    score_ = score;
}

void ExamDialogCommit::confirm() {
    if (confirmed_) return;
    confirmed_ = true;
    emit confirmed();
    accept();
}

ExamPass::ExamPass(AppContext& app, QWidget* exam)
    : PictureDialog(QStringLiteral("exam_pass"), 9015, 7500, exam), app_(app) {
    img_pass = add_background(QStringLiteral("img_pass"), QPixmap(), QString());
    label_point = transparent_label(QStringLiteral("label_point"), this, song_font(21.75, true),
                                    6630, 2040, 1035, 435);
    label_point->set_alignment(Qt::AlignCenter);
    auto* cmd_close =
        add_button(QStringLiteral("cmd_close"), QStringLiteral("关闭"), 3720, 5760, 1425, 675);
    add_close_label(8700, 120, 165, 195);
    cmd_close->setDefault(true);
    cmd_close->setToolTip(QStringLiteral("关闭（Enter 或 Esc）"));
    connect(cmd_close, &QPushButton::clicked, this, &QDialog::accept);
    center_window(this);
}

void ExamPass::init(int score) {
    score_ = score;
    const QString file = exam_passed(score) ? QStringLiteral("imgs/exam_pass.jpg")
                                            : QStringLiteral("imgs/exam_pass_not.jpg");
    img_pass->set_picture(app_.pictures().skin(file), file);
    label_point->set_text(QString::number(score));
}

}  // namespace trelvo
