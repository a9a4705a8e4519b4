#pragma once

#include <QString>
#include <QStringList>

namespace trelvo {

// The program folder the program runs in: `--folder DIR` (or `--folder=DIR`), else the default
// (the executable's folder). An installed copy is started this way on each user's own folder.
// Arguments are those after the program name; anything else, or a folder that does not exist,
// is an AppError.
QString program_folder_from(const QStringList& arguments, const QString& default_folder);

}  // namespace trelvo
