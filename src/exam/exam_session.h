#pragma once

#include <QString>
#include <array>

#include "exam/exam_paper.h"

namespace trelvo {

class QuestionBank;

// One exam question as the exam screen shows it; Null columns read as empty text.
struct ExamQuestion {
    QString text;
    std::array<QString, 4> options;
    QString right_answer;
    qint16 kind = -1;
    qint16 media_kind = 3;
};

// The rules of the test hall over one paper, without any window: the question on screen, answering
// and re-answering it, locking a question once it has been answered and left, and judging.
class ExamSession final {
  public:
    ExamSession(QuestionBank& bank, ExamPaper paper);

    const ExamPaper& paper() const { return paper_; }
    int paper_size() const { return paper_.paper_size; }
    int current_slot() const { return current_slot_; }
    int previous_slot() const { return previous_slot_; }
    const ExamQuestion& question() const { return question_; }
    qint16 result(int slot) const { return paper_.paper_results[slot]; }
    const QString& answer(int slot) const { return paper_.paper_answers[slot]; }

    // Puts slot on screen (the previous one becomes previous_slot) and reads its question. A slot
    // that was already answered when it comes on screen is locked.
    void show(int slot);
    bool locked() const { return locked_; }
    // The slot on screen is answered wrongly: leaving it shows the right answer first.
    bool leaving_needs_notice() const { return result(current_slot_) == 2; }

    // Answering the question on screen; each returns false when the answer does not apply (a
    // locked question, or a control of another kind) and otherwise judges the new answer.
    // Letter buttons: the answer for single choice, a box toggle for multiple choice.
    bool press_letter(int index);
    // The boxes of a multiple-choice question.
    bool set_box(int index, bool ticked);
    // √ (true) or × (false) of a true/false question.
    bool press_judge(bool yes);
    const std::array<bool, 4>& boxes() const { return boxes_; }

    QString read_media_name(int slot);
    int score() const { return exam_score(paper_); }

  private:
    void record(const QString& answer);

    QuestionBank& bank_;
    ExamPaper paper_;
    int current_slot_ = 0;
    int previous_slot_ = 0;
    bool locked_ = false;
    ExamQuestion question_;
    std::array<bool, 4> boxes_{};
};

// The countdown: minutes and seconds that tick down once a second. The tick after 00:00 ends the
// exam.
class ExamClock final {
  public:
    explicit ExamClock(int minutes) : minutes_(minutes) {}

    // One second; true when this tick ran out the time (the clock then stays at 00:00).
    bool tick();
    bool expired() const { return expired_; }
    int minutes() const { return minutes_; }
    int seconds() const { return seconds_; }
    QString minutes_text() const { return two_digits(minutes_); }
    QString seconds_text() const { return two_digits(seconds_); }
    static QString two_digits(int value);

  private:
    int minutes_;
    int seconds_ = 0;
    bool expired_ = false;
};

// The text an answer sheet cell shows for an answer of the given kind.
QString sheet_cell_text(qint16 kind, const QString& answer);
// "√" for "Y", "×" for "N", otherwise the text itself.
QString right_answer_text(const QString& answer);

}  // namespace trelvo
