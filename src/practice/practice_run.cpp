#include "practice/practice_run.h"

#include "core/app_error.h"
#include "core/question_bank.h"

namespace trelvo {

CellColors answer_card_colors(qint16 result, bool highlighted) {
    const QColor white(0xFF, 0xFF, 0xFF), orange(0xFF, 0xC0, 0x80), cyan(0x80, 0xFF, 0xFF);
    const QColor dark_red(0xC0, 0x00, 0x00);
    const QColor number = result == answered_wrong ? dark_red : QColor();
    if (highlighted) return {cyan, number};
    return {result == not_answered ? white : orange, number};
}

QChar button_letter(Button b) {
    return QLatin1Char("ABCDYN"[int(b)]);
}
QString button_file_letter(Button b) {
    return QString(QLatin1Char("abcdyn"[int(b)]));
}

QString button_picture_file(Button b, ButtonPicture p) {
    static const char* const suffixes[] = {".jpg", "_select.jpg", "_move.jpg", "_select_move.jpg"};
    return QStringLiteral("imgs/btn_single_") + button_file_letter(b) +
           QLatin1String(suffixes[int(p)]);
}

QString yes_no_text(const QString& answer) {
    if (answer == QLatin1String("Y")) return QStringLiteral("对");
    if (answer == QLatin1String("N")) return QStringLiteral("错");
    return {};
}

int PracticeRun::load(const QString& table_name, qint16 first_id, qint16 last_id) {
    table_name_ = table_name;
    first_id_ = first_id;
    last_id_ = last_id;
    const qint16 count =
        checked_int16(qlonglong(last_id) - first_id + 1, QStringLiteral("练习题数"));
    if (count < 1 || count > max_questions) {
        throw AppError(
            QStringLiteral("练习范围不正确"),
            QStringLiteral("%1 的 id %2 至 %3").arg(table_name).arg(first_id).arg(last_id));
    }
    const QString table = bank_.table(table_name);
    Rows rows =
        bank_.query(QStringLiteral("SELECT position_prev, type_answer, ref_id, answer FROM %1 "
                                   "WHERE id BETWEEN ? AND ? ORDER BY id ASC")
                        .arg(table),
                    {first_id, last_id});
    int loaded = 0;
    int start = 0;
    while (loaded < count && rows.next()) {
        const bool marker = rows.yes_no(0);
        type_answers_[loaded] = rows.int16(1);
        ref_ids_[loaded] = rows.int16(2);
        answers_[loaded] = rows.text(3);
        if (marker) start = loaded;
        ++loaded;
    }
    if (loaded == 0) {
        throw AppError(QStringLiteral("练习表中没有题目"),
                       QStringLiteral("%1 的 id %2 至 %3 没有数据行")
                           .arg(table_name)
                           .arg(first_id)
                           .arg(last_id));
    }
    question_count_ = loaded;
    current_index_ = start;
    return start;
}

bool PracticeRun::go_to(int index) {
    if (index < 0 || index >= question_count_ || index == current_index_) return false;
    current_index_ = index;
    return true;
}

bool PracticeRun::next() {
    return go_to(current_index_ + 1);
}
bool PracticeRun::previous() {
    return go_to(current_index_ - 1);
}

Question PracticeRun::read_question(int index) {
    Rows rows = bank_.query(QStringLiteral("SELECT question, question_a, question_b, question_c, "
                                           "question_d, answer, type_select, type_picture, "
                                           "answer_analysis FROM questions WHERE id = ?"),
                            {ref_ids_[index]});
    if (!rows.next()) {
        throw AppError(QStringLiteral("题库中找不到题目"),
                       QStringLiteral("questions 表中没有 id 为 %1 的题目").arg(ref_ids_[index]));
    }
    Question q;
    q.text = rows.text(0);
    for (int i = 0; i < 4; ++i) q.options[i] = rows.text_or_empty(1 + i);
    q.right_answer = rows.text(5);
    q.kind = rows.int16(6);
    q.media_kind = rows.int16(7);
    q.analysis = rows.text(8);
    question_ = q;
    return q;
}

QString PracticeRun::read_media_name(int index) {
    Rows rows = bank_.query(QStringLiteral("SELECT name_media FROM questions WHERE id = ?"),
                            {ref_ids_[index]});
    rows.next();
    return rows.text(0);
}

void PracticeRun::record(qint16 result, const QString& answer) {
    type_answers_[current_index_] = result;
    answers_[current_index_] = answer;
}

QList<PracticeRun::ButtonChange> PracticeRun::pick_option(Button letter) {
    const QString answer(button_letter(letter));
    record(question_.right_answer == answer ? answered_right : answered_wrong, answer);
    QList<ButtonChange> changes;
    for (Button other : {Button::a, Button::b, Button::c, Button::d}) {
        if (other == letter || !selected_[int(other)]) continue;
        selected_[int(other)] = false;
        changes.append({other, ButtonPicture::normal});
        break;  // only one letter can have been selected
    }
    selected_[int(letter)] = true;
    changes.append({letter, ButtonPicture::selected});
    return changes;
}

QList<PracticeRun::ButtonChange> PracticeRun::toggle_option(Button letter) {
    bool& flag = selected_[int(letter)];
    flag = !flag;
    // The pointer is on the button when it is clicked.
    const ButtonPicture picture = flag ? ButtonPicture::selected_hover : ButtonPicture::hover;
    QString answer;
    for (Button b : {Button::a, Button::b, Button::c, Button::d})
        if (selected_[int(b)]) answer += button_letter(b);
    record(question_.right_answer == answer ? answered_right : answered_wrong, answer);
    return {{letter, picture}};
}

QList<PracticeRun::ButtonChange> PracticeRun::pick_true_false(Button value) {
    const QString answer(button_letter(value));
    record(question_.right_answer == answer ? answered_right : answered_wrong, answer);
    QList<ButtonChange> changes;
    const Button other = value == Button::y ? Button::n : Button::y;
    if (selected_[int(other)]) {
        selected_[int(other)] = false;
        changes.append({other, ButtonPicture::normal});
    }
    selected_[int(value)] = true;
    changes.append({value, ButtonPicture::selected});
    return changes;
}

void PracticeRun::show_selection(int index) {
    const QString& answer = answers_[index];
    if (question_.kind == 2) {
        if (type_answers_[index] == not_answered) {
            selected_[int(Button::y)] = selected_[int(Button::n)] = false;
        } else if (answer == QLatin1String("Y") || answer == QLatin1String("N")) {
            selected_[int(Button::y)] = answer == QLatin1String("Y");
            selected_[int(Button::n)] = answer == QLatin1String("N");
        }
        return;
    }
    for (Button b : {Button::a, Button::b, Button::c, Button::d}) selected_[int(b)] = false;
    if (question_.kind == 0) {
        if (answer.size() == 1 && answer[0] >= QLatin1Char('A') && answer[0] <= QLatin1Char('D'))
            selected_[answer[0].unicode() - 'A'] = true;
    } else {
        for (const QChar c : answer)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('D')) selected_[c.unicode() - 'A'] = true;
    }
}

void PracticeRun::save_progress() {
    const QString table = bank_.table(table_name_);
    QuestionBank::Transaction transaction(bank_);
    const QString update =
        QStringLiteral("UPDATE %1 SET type_answer = ?, answer = ? WHERE ref_id = ?").arg(table);
    for (int b = 0; b < question_count_; ++b)
        bank_.exec(update, {type_answers_[b], answers_[b], ref_ids_[b]});
    bank_.exec(QStringLiteral("UPDATE %1 SET position_prev = FALSE WHERE position_prev = TRUE")
                   .arg(table));
    bank_.exec(QStringLiteral("UPDATE %1 SET position_prev = TRUE WHERE ref_id = ?").arg(table),
               {ref_ids_[current_index_]});
    transaction.commit();
}

void mark_wrong_answer(QuestionBank& bank, const QString& error_table, qint16 ref_id, qint16 result,
                       const QString& answer) {
    const QString table = bank.table(error_table);
    QuestionBank::Transaction transaction(bank);
    bool present = false;
    {
        Rows rows = bank.query(QStringLiteral("SELECT ref_id FROM %1 WHERE ref_id = ?").arg(table),
                               {ref_id});
        present = rows.next();
    }
    if (present) {
        bank.exec(
            QStringLiteral("UPDATE %1 SET type_answer = ?, answer = ? WHERE ref_id = ?").arg(table),
            {result, answer, ref_id});
    } else {
        const qint16 n = bank.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table));
        bank.exec(
            QStringLiteral("INSERT INTO %1 (id, type_answer, ref_id, answer) VALUES (?, ?, ?, ?)")
                .arg(table),
            {n, result, ref_id, answer});
    }
    transaction.commit();
}

}  // namespace trelvo
