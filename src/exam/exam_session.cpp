#include "exam/exam_session.h"

#include "core/app_error.h"
#include "core/question_bank.h"

namespace trelvo {

ExamSession::ExamSession(QuestionBank& bank, ExamPaper paper)
    : bank_(bank), paper_(std::move(paper)) {}

void ExamSession::show(int slot) {
    if (slot < 0 || slot >= paper_.paper_size) {
        throw AppError(QStringLiteral("程序内部错误：题号超出试卷范围"),
                       QStringLiteral("slot %1 of %2").arg(slot).arg(paper_.paper_size));
    }
    Rows rows = bank_.query(QStringLiteral("SELECT question, question_a, question_b, question_c, "
                                           "question_d, answer, type_select, type_picture "
                                           "FROM questions WHERE id = ?"),
                            {paper_.paper_ids[slot]});
    if (!rows.next()) {
        throw AppError(
            QStringLiteral("题库中找不到题目"),
            QStringLiteral("questions 表中没有 id 为 %1 的题目").arg(paper_.paper_ids[slot]));
    }
    ExamQuestion q;
    q.text = rows.text_or_empty(0);
    for (int i = 0; i < 4; ++i) q.options[i] = rows.text_or_empty(1 + i);
    q.right_answer = rows.text_or_empty(5);
    // A kind or media kind outside 16 bits is as unknown as any other odd value.
    bool ok = false;
    const QString kind = rows.text_or_empty(6), media = rows.text_or_empty(7);
    const int k = kind.toInt(&ok);
    q.kind = ok && k >= 0 && k <= 2 ? qint16(k) : qint16(-1);
    const int m = media.toInt(&ok);
    q.media_kind = ok && m >= 3 && m <= 5 ? qint16(m) : qint16(-1);

    previous_slot_ = current_slot_;
    current_slot_ = slot;
    question_ = q;
    locked_ = result(slot) != 0;
    boxes_ = {};
    if (q.kind == multiple_choice)
        for (QChar c : answer(slot))
            if (c >= QLatin1Char('A') && c <= QLatin1Char('D')) boxes_[c.unicode() - 'A'] = true;
}

void ExamSession::record(const QString& answer) {
    paper_.paper_answers[current_slot_] = answer;
    // A question without a key can never be answered right.
    const bool right = !question_.right_answer.isEmpty() && answer == question_.right_answer;
    paper_.paper_results[current_slot_] = right ? 1 : 2;
}

bool ExamSession::press_letter(int index) {
    if (locked_ || index < 0 || index > 3) return false;
    if (question_.kind == single_choice) {
        record(QString(QChar('A' + index)));
        return true;
    }
    if (question_.kind == multiple_choice) return set_box(index, !boxes_[index]);
    return false;
}

bool ExamSession::set_box(int index, bool ticked) {
    if (locked_ || index < 0 || index > 3 || question_.kind != multiple_choice) return false;
    boxes_[index] = ticked;
    QString letters;
    for (int i = 0; i < 4; ++i)
        if (boxes_[i]) letters += QChar('A' + i);
    record(letters);
    return true;
}

bool ExamSession::press_judge(bool yes) {
    if (locked_ || question_.kind != true_false) return false;
    record(yes ? QStringLiteral("Y") : QStringLiteral("N"));
    return true;
}

QString ExamSession::read_media_name(int slot) {
    Rows rows = bank_.query(QStringLiteral("SELECT name_media FROM questions WHERE id = ?"),
                            {paper_.paper_ids[slot]});
    return rows.next() ? rows.text_or_empty(0) : QString();
}

bool ExamClock::tick() {
    if (expired_) return false;
    if (seconds_ > 0) {
        --seconds_;
    } else if (minutes_ > 0) {
        --minutes_;
        seconds_ = 59;
    } else {
        expired_ = true;
        return true;
    }
    return false;
}

QString ExamClock::two_digits(int value) {
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString sheet_cell_text(qint16 kind, const QString& answer) {
    if (kind == true_false) {
        if (answer == QLatin1String("Y")) return QStringLiteral("√");
        if (answer == QLatin1String("N")) return QStringLiteral("×");
        return {};
    }
    // Four letters do not fit the cell's width: two lines.
    if (answer == QLatin1String("ABCD")) return QStringLiteral("AB\nCD");
    return answer;
}

QString right_answer_text(const QString& answer) {
    if (answer == QLatin1String("Y")) return QStringLiteral("√");
    if (answer == QLatin1String("N")) return QStringLiteral("×");
    return answer;
}

}  // namespace trelvo
