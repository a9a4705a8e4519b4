#pragma once

#include <QString>
#include <QStringList>

namespace trelvo::bankkit {

struct CheckOptions {
    // The program folder whose tr/ and aces/ hold the media; empty to skip the media check.
    QString program_folder;
    bool check_pools = true;
    // The give-away figures (how often the key is the longest option, the spread of key letters,
    // the share of true statements) are judged only for pool kinds of at least this many
    // questions: in a smaller set one question moves a share by more than the bands allow.
    int figures_min_pool = 20;
};

// Checks a question-bank file against every invariant the program relies on. Each fault names its
// table and row; an empty list means the bank is sound.
QStringList check_bank(const QString& bank_path, const CheckOptions& options);

}  // namespace trelvo::bankkit
