#pragma once

#include <QString>
#include <QStringList>

namespace trelvo::bankkit {

struct CarryReport {
    bool ok = false;
    QStringList errors;
    QStringList summary;
    int answers = 0;          // answers carried into the practice tables
    int book_entries = 0;     // wrong-answer book rows carried
    int dropped = 0;          // answers whose question is gone or changed its kind
    QStringList lost_tables;  // practice tables with answers that the new bank no longer has
};

// Carries a learner's progress from old_bank into new_bank (normally a fresh copy of a newer
// sample bank), matching questions by id: each practice table's answers and resume marker, the
// wrong-answer books and the selected category. Answers are judged again against the new bank's
// keys, since a key may have been corrected. The old bank is only read; the new bank is written
// in one transaction, so on failure it is left as it was.
CarryReport carry_progress(const QString& old_bank, const QString& new_bank);

}  // namespace trelvo::bankkit
