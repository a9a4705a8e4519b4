#pragma once

#include <QDialog>
#include <array>

class QKeyEvent;
class QPushButton;

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;
class Ticker;

// A dialog without title bar: one background picture carrying its fixed texts, controls over it,
// and a transparent close label over the picture's close mark.
class PictureDialog : public QDialog {
    Q_OBJECT
  public:
    PictureDialog(const QString& object_name, int width_twips, int height_twips, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Enter or Esc (the keys that close a dialog).
    static bool is_closing_key(const QKeyEvent* event);

    PictureBox* add_background(const QString& name, const QPixmap& picture, const QString& path);
    TextLabel* add_close_label(int left, int top, int width, int height);
    QPushButton* add_button(const QString& name, const QString& caption, int left, int top,
                            int width, int height);
};

// The wrong-answer notice: the question and its right answer; 继续考试 works after five seconds and
// the notice closes itself on the tenth.
class ExamDialogError final : public PictureDialog {
    Q_OBJECT
  public:
    ExamDialogError(AppContext& app, QWidget* exam);

    // The exam screen's question and option texts, and the right answer.
    void init(const QString& question, const std::array<QString, 4>& options,
              const QString& right_answer);

    Ticker* timer_continue() const { return timer_continue_; }
    int notice_ticks() const { return notice_ticks_; }

  protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void tick();

    TextLabel* label_question;
    std::array<TextLabel*, 4> label_options{};
    TextLabel* label_answer_result;
    QPushButton* cmd_continue;
    TextLabel* label_time;
    TextLabel* label_close;
    Ticker* timer_continue_;
    int notice_ticks_ = 0;
};

// The confirmation of a submission: 确认交卷 ends the exam, 继续考试 and the close mark go back.
class ExamDialogCommit final : public PictureDialog {
    Q_OBJECT
  public:
    ExamDialogCommit(AppContext& app, QWidget* exam);

    void init(int score);
    int score() const { return score_; }

  signals:
    // 确认交卷 was pressed; sent once, before the dialog closes.
    void confirmed();

  private:
    void confirm();

    QPushButton* cmd_commit;
    QPushButton* cmd_continue;
    int score_ = 0;
    bool confirmed_ = false;
};

// The result: the score on the pass or the fail picture.
class ExamPass final : public PictureDialog {
    Q_OBJECT
  public:
    ExamPass(AppContext& app, QWidget* exam);

    void init(int score);
    int score() const { return score_; }

  private:
    AppContext& app_;
    PictureBox* img_pass;
    TextLabel* label_point;
    int score_ = 0;
};

}  // namespace trelvo
