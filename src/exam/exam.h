#pragma once

#include <QPointer>
#include <QRandomGenerator>
#include <array>
#include <memory>
#include <optional>

#include "core/question_keys.h"
#include "core/screen.h"
#include "exam/exam_dialogs.h"
#include "exam/exam_paper.h"
#include "exam/exam_session.h"
#include "info/enlarge_image.h"

class QCheckBox;
class QPushButton;

namespace trelvo {

class AnswerSheet;
class AppContext;
class FrameBox;
class MediaView;
class PictureBox;
class TextLabel;
class Ticker;

// The exam screen: one timed mock exam over a paper composed for the current category, with the
// answer sheet, the question media, the wrong-answer notice, submission and the result.
class Exam final : public Screen {
    Q_OBJECT
  public:
    explicit Exam(AppContext& app);
    ~Exam() override;

    // Composes a paper for the current category and starts the exam; when the bank cannot fill a
    // paper, returns the shortage and starts nothing.
    std::optional<PoolShortage> init();
    // The same from pools read beforehand.
    std::optional<PoolShortage> init(const ExamPools& pools);
    // Starts the exam on a given paper (its results are cleared).
    void init(ExamPaper paper);

    const ExamSession& session() const { return *session_; }
    const ExamClock& clock() const { return clock_; }
    Ticker* timer_exam() const { return timer_exam_; }
    AnswerSheet* sheet() const { return sheet_; }
    MediaView* media_view() const { return flash_; }
    const QString& media_name() const { return media_name_; }
    bool submitted() const { return submitted_; }
    bool finished() const { return finished_; }
    // The dialogs while they are open (null otherwise).
    ExamDialogError* notice() const { return notice_; }
    ExamDialogCommit* commit_dialog() const { return commit_; }
    ExamPass* result_dialog() const { return result_; }
    EnlargeImage* viewer() const { return viewer_; }

    void go_to_slot(int slot);
    void next_question();
    void previous_question();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void start(ExamPaper paper);
    void show_exam_question(int slot);
    void set_answer_controls();
    void show_given_answer(int slot);
    void show_exam_media(int slot);
    void show_picture();
    void hide_picture();
    void judge_current();
    void notify_if_wrong();
    void tick_countdown();
    void commit_exam();
    void time_out_submission();
    void submit_exam(int score);
    void close_exam_dialogs();
    void open_exam_viewer();
    void take_again();
    void on_question_key(QuestionKey key);

    AppContext& app_;
    QRandomGenerator random_;
    std::unique_ptr<ExamSession> session_;
    ExamClock clock_{45};
    QString media_name_;
    bool submitted_ = false;
    bool finished_ = false;
    bool commit_open_ = false;
    bool leaving_for_retake_ = false;
    bool closing_ = false;

    FrameBox* frame_question;
    FrameBox* frame_image;
    TextLabel* label_question;
    std::array<TextLabel*, 4> label_options{};
    std::array<QCheckBox*, 4> check_multi{};
    std::array<QPushButton*, 4> cmd_select_single{};
    std::array<QPushButton*, 2> cmd_judge{};
    TextLabel* label_answer_result;
    PictureBox* img_answer;
    TextLabel* label_tooltip;
    TextLabel* label_time_minute;
    TextLabel* label_time_second;
    TextLabel* label_point;
    QPushButton* cmd_prev;
    QPushButton* cmd_next;
    QPushButton* cmd_commit;
    QPushButton* cmd_again;
    PictureBox* img_question;
    AnswerSheet* sheet_ = nullptr;
    FrameBox* frame_answer;
    MediaView* flash_ = nullptr;
    Ticker* timer_exam_;

    QPointer<ExamDialogError> notice_;
    QPointer<ExamDialogCommit> commit_;
    QPointer<ExamPass> result_;
    QPointer<EnlargeImage> viewer_;
};

}  // namespace trelvo
