#pragma once

#include <QString>
#include <QStringList>

namespace trelvo::bankkit {

struct BuildReport {
    bool ok = false;
    QStringList errors;  // each names the source file and line, or the bank file
    QStringList summary;
};

// Builds a question-bank file from the CSV sources in data_dir. An existing bank file is never
// replaced unless overwrite is set: it holds the learner's progress. The new file is written beside
// the target and renamed over it only when complete.
BuildReport build_bank(const QString& data_dir, const QString& bank_path, bool overwrite);

}  // namespace trelvo::bankkit
