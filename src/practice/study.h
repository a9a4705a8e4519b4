#pragma once

#include <QString>
#include <array>

#include "core/question_keys.h"
#include "core/screen.h"
#include "practice/practice_run.h"

class QCheckBox;

namespace trelvo {

class AppContext;
class AnswerCard;
class FrameBox;
class HoverArea;
class MediaView;
class PictureBox;
class TextLabel;
class Ticker;

// The practice screen: one question at a time from a block of at most 100 rows of a practice table,
// judged at once, with the answer card below, the wrong-answer button and the analysis panel.
class Study final : public Screen {
    Q_OBJECT
  public:
    explicit Study(AppContext& app);
    ~Study() override;

    void init(const QString& table_name, qint16 first_id, qint16 last_id);

    const QString& table_name() const { return run_.table_name(); }
    qint16 first_id() const { return run_.first_id(); }
    qint16 last_id() const { return run_.last_id(); }
    const PracticeRun& run() const { return run_; }
    AnswerCard* answer_card() const { return card_; }
    MediaView* media_view() const { return flash_; }
    const QString& media_name() const { return media_name_; }
    Ticker* set_error_timer() const { return timer_set_error; }

    void go_to_question(int index);
    void next_question();
    void previous_question();
    void select_cell(int index);
    void end_practice();
    void save_before_the_end() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool save_run();
    void create_flash_player();
    void highlight_cell(int index);
    void restore_cell(int index);
    void show_question(int index);
    void show_answer_state(int index);
    void show_buttons_for(qint16 kind);
    void show_selection_pictures(int index);
    void show_media(int index);
    void show_picture();
    void fit_question_text(bool beside_media);
    void choose_option(Button letter);
    void pick_true_false(Button value);
    void apply(const QList<PracticeRun::ButtonChange>& changes);
    void show_judgement();
    void auto_jump();
    void toggle_show_answer();
    void toggle_analysis();
    void mark_wrong_answer();
    void hover_button(PictureBox* button, const QString& file);
    void hover_answer_button(Button b);
    void restore_answer_buttons(bool choice);
    void restore_navigation();
    void set_button(Button b, ButtonPicture p);
    void on_question_key(QuestionKey key);

    AppContext& app_;
    PracticeRun run_;
    QString media_name_;

    FrameBox* frame_question;
    FrameBox* frame_answer;
    FrameBox* frame_analysis;
    TextLabel* label_analysis;
    QCheckBox* chk_answer;
    QCheckBox* chk_jump;
    QCheckBox* chk_analysis;
    TextLabel* label_question;
    std::array<TextLabel*, 4> label_options{};
    PictureBox* img_question;
    std::array<PictureBox*, 6> cmd_single{};
    PictureBox* cmd_prev;
    PictureBox* cmd_next;
    PictureBox* cmd_set_error;
    PictureBox* cmd_end;
    TextLabel* label_answer_info;
    TextLabel* label_answer_result;
    PictureBox* img_right;
    PictureBox* img_error;
    TextLabel* label_answer_right_info;
    TextLabel* label_answer_right_result;
    TextLabel* label_set_error;
    Ticker* timer_set_error;
    QList<HoverArea*> frame_single_a;
    QList<HoverArea*> frame_single_y;
    AnswerCard* card_;
    MediaView* flash_ = nullptr;
};

}  // namespace trelvo
