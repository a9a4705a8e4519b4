#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <array>

namespace trelvo {

class QuestionBank;

// Result codes of a question: not answered, answered right, answered wrong.
enum Result : qint16 { not_answered = 0, answered_right = 1, answered_wrong = 2 };

// The colours of one answer-card cell.
struct CellColors {
    QColor background;
    QColor number;  // invalid = the window-text colour
    friend bool operator==(const CellColors&, const CellColors&) = default;
};
// Highlighted is the current question; otherwise the cell shows its result.
CellColors answer_card_colors(qint16 result, bool highlighted);

// One question as the practice screen shows it.
struct Question {
    QString text;                    // the stem
    std::array<QString, 4> options;  // A–D as stored (Null read as empty)
    QString right_answer;
    qint16 kind = 0;        // 0 single choice, 1 multiple choice, 2 true/false
    qint16 media_kind = 3;  // 3 none, 4 picture, 5 animation
    QString analysis;
};

// The answer buttons: A–D for choice questions, Y (对) and N (错) for true/false.
enum class Button { a, b, c, d, y, n };
QChar button_letter(Button b);         // 'A'…'D', 'Y', 'N'
QString button_file_letter(Button b);  // "a"…"d", "y", "n" for the picture names

// Which picture an answer button shows.
enum class ButtonPicture { normal, selected, hover, selected_hover };
QString button_picture_file(Button b, ButtonPicture p);  // "imgs/btn_single_a_select.jpg"

// "Y" → "对", "N" → "错", anything else → empty.
QString yes_no_text(const QString& answer);

// One practice run over the rows first_id … last_id (at most 100) of a practice table: loading,
// the current question, moving, judging and recording answers in memory, and writing them back.
class PracticeRun final {
  public:
    static constexpr int max_questions = 100;

    explicit PracticeRun(QuestionBank& bank) : bank_(bank) {}

    // Loads the rows; returns the index to start at (the resume marker's row, else 0). A table
    // with fewer rows than the range (an id gap) stops loading at its last row.
    int load(const QString& table_name, qint16 first_id, qint16 last_id);

    const QString& table_name() const { return table_name_; }
    qint16 first_id() const { return first_id_; }
    qint16 last_id() const { return last_id_; }
    int question_count() const { return question_count_; }
    int current_index() const { return current_index_; }
    qint16 ref_id(int i) const { return ref_ids_[i]; }
    qint16 result(int i) const { return type_answers_[i]; }
    const QString& answer(int i) const { return answers_[i]; }

    // Moves; each returns false when nothing happens (last/first question, the current cell).
    bool go_to(int index);
    bool next();
    bool previous();

    // Reads question i from the bank and makes it the one on screen for judging.
    Question read_question(int index);
    QString read_media_name(int index);
    const Question& question() const { return question_; }

    // Judging the question on screen. Each records (result, answer) for the current question and
    // returns the buttons whose picture changes.
    struct ButtonChange {
        Button button;
        ButtonPicture picture;
    };
    QList<ButtonChange> pick_option(Button letter);
    QList<ButtonChange> toggle_option(Button letter);
    QList<ButtonChange> pick_true_false(Button value);
    // The selection shown for a stored answer when question i appears.
    void show_selection(int index);
    bool selected(Button b) const { return selected_[int(b)]; }

    // Writes every result and answer of the run and the resume marker, in one transaction.
    void save_progress();

  private:
    void record(qint16 result, const QString& answer);

    QuestionBank& bank_;
    QString table_name_;
    qint16 first_id_ = 0;
    qint16 last_id_ = 0;
    int question_count_ = 0;
    int current_index_ = 0;
    std::array<qint16, max_questions + 1> ref_ids_{};
    std::array<qint16, max_questions + 1> type_answers_{};
    std::array<QString, max_questions + 1> answers_;
    Question question_;
    std::array<bool, 6> selected_{};
};

// Enters (or updates) a question in a wrong-answer book: the lookup, count and insert run in one
// transaction, so a failure never leaves the book half written.
void mark_wrong_answer(QuestionBank& bank, const QString& error_table, qint16 ref_id, qint16 result,
                       const QString& answer);

}  // namespace trelvo
