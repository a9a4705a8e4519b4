#include "exam/exam_start.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "core/app_context.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/twips.h"
#include "exam/exam.h"

namespace trelvo {

namespace {

const QString start_picture = QStringLiteral("imgs/btn_start_exam.jpg");
const QString start_picture_hover = QStringLiteral("imgs/btn_start_exam_move.jpg");

}  // namespace

ExamDialog::ExamDialog(AppContext& app, QWidget* opener) : QDialog(opener), app_(app) {
    setObjectName(QStringLiteral("exam_dialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" 模拟考试"));
    setFixedSize(px(5280), px(3435));
    setFont(song_font(9));
    setMouseTracking(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* frame_exam = new FrameBox(QStringLiteral("frame_exam"), QStringLiteral("考试说明"), this);
    frame_exam->setGeometry(twips_rect(180, 150, 4935, 2115));
    // Load step.
    const QString texts[] = {QStringLiteral("100%完全仿真车管所考试系统界面。"),
                             QStringLiteral("在练习中尽快适应考试环境，消除考试时的怯考心理。"),
                             QStringLiteral("合格标准：满分为100分，成绩达到90分的为合格。")};
    constexpr int tops[] = {480, 990, 1530};
    for (int i = 0; i < 3; ++i) {
        auto* label = new TextLabel(QStringLiteral("label_exam_%1").arg(i), frame_exam);
        label->setFont(song_font(9));
        label->setGeometry(twips_rect(270, tops[i], 4455, 405));
        label->set_alignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->set_shrink_to_fit(true);
        label->set_text(texts[i]);
    }
    img_start_exam = new PictureBox(QStringLiteral("img_start_exam"), this);
    img_start_exam->setGeometry(twips_rect(3750, 2610, 1365, 435));
    set_start_picture(start_picture);
    img_start_exam->setToolTip(QStringLiteral("开始考试（Enter）；Esc 关闭"));
    center_window(this);

    connect(img_start_exam, &PictureBox::mouse_moved, this, [this] {
        img_start_exam->setCursor(app_.pictures().hand_cursor());
        set_start_picture(start_picture_hover);
    });
    connect(frame_exam, &FrameBox::mouse_moved, this, [this] { set_start_picture(start_picture); });
    connect(img_start_exam, &PictureBox::clicked, this, &ExamDialog::start_exam);
}

void ExamDialog::set_start_picture(const QString& file) {
    img_start_exam->set_picture(app_.pictures().skin(file), file);
}

void ExamDialog::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    set_start_picture(start_picture);
}

void ExamDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // A key held down from the main menu acts there only; Esc closes the dialog as QDialog does.
    if (event->isAutoRepeat() && (enter || key == Qt::Key_Escape)) {
        event->accept();
        return;
    }
    if (enter) {
        event->accept();
        start_exam();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExamDialog::open_modal(AppContext& app, QWidget* opener) {
    auto* dialog = new ExamDialog(app, opener);
    dialog->init(opener);
    dialog->exec();
}

void ExamDialog::start_exam() {
    if (starting_) return;
    starting_ = true;
    auto* start = new ExamInit(app_);
    hide();
    start->show();
    close();
    if (dialog_opener_) dialog_opener_->close();
}

ExamInit::ExamInit(AppContext& app) : Screen(QStringLiteral("exam_init")), app_(app) {
    setWindowTitle(QStringLiteral(" 驾驶理论考试系统"));
    img_exam_init = new PictureBox(QStringLiteral("img_exam_init"), this);
    img_exam_init->setGeometry(twips_rect(1500, 480, 12015, 9135));
    cmd_start_exam = new QPushButton(this);
    cmd_start_exam->setObjectName(QStringLiteral("cmd_start_exam"));
    cmd_start_exam->setGeometry(twips_rect(9240, 5970, 1230, 465));
    const QPixmap face = design_picture(QStringLiteral("start_exam_face.png"));
    cmd_start_exam->setIcon(face);
    cmd_start_exam->setIconSize(cmd_start_exam->size());
    cmd_start_exam->setFlat(true);
    cmd_start_exam->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
    cmd_start_exam->setToolTip(QStringLiteral("确认，开始考试（Enter）；Esc 返回主页"));
    // Load step.
    center_window(this);
    const QString file = QStringLiteral("imgs/exam_init.jpg");
    img_exam_init->set_picture(app_.pictures().skin(file), file);
    cmd_start_exam->setCursor(app_.pictures().hand_cursor());
    connect(cmd_start_exam, &QPushButton::clicked, this, &ExamInit::start_exam);
    // Enter starts as the button does; Esc leaves as the window's close button does. Neither
    // repeats while held, so that a held Enter does not also move on in the exam it opened.
    for (QKeySequence keys :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
          QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setAutoRepeat(false);
        if (keys == QKeySequence(Qt::Key_Escape))
            connect(shortcut, &QShortcut::activated, this, &QWidget::close);
        else
            connect(shortcut, &QShortcut::activated, this, &ExamInit::start_exam);
    }
}

void ExamInit::start_exam() {
    if (exam_started_ || leaving_) return;
    if (shortage_message_ && shortage_message_->isVisible()) return;
    if (!pools_) read_pools();
    auto* exam = new Exam(app_);
    const ExamPools pools = std::move(*pools_);
    // A second attempt (after the bank was mended) reads the pools again.
    pools_.reset();
    if (const auto shortage = exam->init(pools)) {
        // A paper cannot be composed: say why and stay here.
        delete exam;
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral(" 驾驶理论考试系统"),
                                    shortage->message(), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("shortage_message"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        shortage_message_ = box;
        box->open();
        return;
    }
    exam->show();
    exam_started_ = true;
    close();
}

void ExamInit::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    // The category's pools are read while the learner reads the hall's rules, once the page is
    // on screen, so that 开始考试 opens the exam within a frame even on a large bank.
    QTimer::singleShot(0, this, [this] {
        if (!pools_ && !exam_started_ && !leaving_) read_pools();
    });
}

void ExamInit::read_pools() {
    QRandomGenerator unused;
    pools_ = PaperComposer(app_.bank(), unused).read_pools(get_car_type());
}

void ExamInit::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!exam_started_ && !leaving_) {
        leaving_ = true;
        app_.open_main_menu(this);
    }
}

}  // namespace trelvo
