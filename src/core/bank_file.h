#pragma once

#include <QString>

namespace trelvo {

// Whether the file is an SQLite database in WAL mode that no program has open (no -wal file
// beside it): such a file can be read as it lies, without the side files SQLite would otherwise
// create next to it.
bool wal_file_at_rest(const QString& path);

}  // namespace trelvo
