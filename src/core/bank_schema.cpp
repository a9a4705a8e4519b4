#include "core/bank_schema.h"

#include <QRegularExpression>

namespace trelvo::bank_schema {

QString questions_table() {
    return QStringLiteral(
        "CREATE TABLE questions ("
        " id INTEGER PRIMARY KEY,"
        " question TEXT, question_a TEXT, question_b TEXT, question_c TEXT, question_d TEXT,"
        " answer TEXT, type_select INTEGER, type_picture INTEGER, answer_analysis TEXT,"
        " name_media TEXT,"
        " type_xiaoche BOOLEAN NOT NULL DEFAULT FALSE, type_huoche BOOLEAN NOT NULL DEFAULT FALSE,"
        " type_keche BOOLEAN NOT NULL DEFAULT FALSE, type_safe BOOLEAN NOT NULL DEFAULT FALSE)");
}

QString car_table() {
    return QStringLiteral(
        "CREATE TABLE car (id INTEGER PRIMARY KEY, table_name TEXT, car_title TEXT,"
        " car_detail TEXT, is_selected BOOLEAN NOT NULL DEFAULT FALSE, car_type INTEGER)");
}

QString chapter_list_table(const QString& name) {
    return QStringLiteral(
               "CREATE TABLE %1 (chapter_id INTEGER, chapter_detail TEXT, chapter_table_name TEXT)")
        .arg(name);
}

QString special_list_table(const QString& name) {
    // No key column: the list is read in stored (insertion) order.
    return QStringLiteral("CREATE TABLE %1 (special_detail TEXT, special_table_name TEXT)")
        .arg(name);
}

QString practice_table(const QString& name) {
    return QStringLiteral(
               "CREATE TABLE %1 (id INTEGER PRIMARY KEY,"
               " position_prev BOOLEAN NOT NULL DEFAULT FALSE,"
               " type_answer INTEGER NOT NULL DEFAULT 0,"
               " ref_id INTEGER NOT NULL UNIQUE,"
               " answer TEXT NOT NULL DEFAULT '')")
        .arg(name);
}

QStringList questions_columns() {
    return {"id",         "question",     "question_a",  "question_b",   "question_c",
            "question_d", "answer",       "type_select", "type_picture", "answer_analysis",
            "name_media", "type_xiaoche", "type_huoche", "type_keche",   "type_safe"};
}
QStringList car_columns() {
    return {"id", "table_name", "car_title", "car_detail", "is_selected", "car_type"};
}
QStringList chapter_list_columns() {
    return {"chapter_id", "chapter_detail", "chapter_table_name"};
}
QStringList special_list_columns() {
    return {"special_detail", "special_table_name"};
}
QStringList practice_columns() {
    return {"id", "position_prev", "type_answer", "ref_id", "answer"};
}

bool is_plain_identifier(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,63}$"));
    return re.match(name).hasMatch();
}

}  // namespace trelvo::bank_schema

namespace trelvo::bank_schema {

bool answer_fits_kind(int type_select, const QString& answer, bool allow_empty) {
    if (answer.isEmpty()) return allow_empty;
    switch (type_select) {
        case 0:
            return answer.size() == 1 && answer[0] >= QLatin1Char('A') &&
                   answer[0] <= QLatin1Char('D');
        case 1: {
            // Distinct letters in the order A, B, C, D.
            QChar last;
            for (const QChar c : answer) {
                if (c < QLatin1Char('A') || c > QLatin1Char('D')) return false;
                if (!last.isNull() && c <= last) return false;
                last = c;
            }
            return true;
        }
        case 2:
            return answer == QLatin1String("Y") || answer == QLatin1String("N");
        default:
            return false;
    }
}

}  // namespace trelvo::bank_schema
