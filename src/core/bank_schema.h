#pragma once

#include <QString>
#include <QStringList>

namespace trelvo {

class QuestionBank;

// The tables of the question bank. The program itself never creates tables; the bank tool and the
// test fixtures do, with these statements, so that all of them agree on one schema.
namespace bank_schema {

QString questions_table();
QString car_table();
QString chapter_list_table(const QString& name);
QString special_list_table(const QString& name);
QString practice_table(const QString& name);

// Column lists as the program reads them, for the checker.
QStringList questions_columns();
QStringList car_columns();
QStringList chapter_list_columns();
QStringList special_list_columns();
QStringList practice_columns();

// Table names are spliced into statements, so they are kept to plain identifiers.
bool is_plain_identifier(const QString& name);

}  // namespace bank_schema
}  // namespace trelvo

namespace trelvo::bank_schema {

// Whether a text is an answer in the letter form of a question kind (0 single, 1 multiple,
// 2 true/false). The empty text is the unanswered state and fits only when allow_empty is set.
bool answer_fits_kind(int type_select, const QString& answer, bool allow_empty);

}  // namespace trelvo::bank_schema
