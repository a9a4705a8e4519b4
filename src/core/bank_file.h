#pragma once

#include <QString>

namespace trelvo {

// Whether the file is an SQLite database in WAL mode that no program has open and that holds no
// saves outside itself: such a file can be read as it lies, without the side files SQLite would
// otherwise create next to it.
bool wal_file_at_rest(const QString& path);

// Whether the file lies on a network file system (NFS, SMB/CIFS). There whole-file locks are
// emulated with the record locks SQLite itself uses, or made mandatory, so the program takes
// none of its own.
bool on_network_file_system(const QString& path);

// The file as an SQLite URI with the given parameters ("mode=ro&immutable=1"), for a connection
// opened with URIs enabled.
QString sqlite_uri(const QString& path, const QString& parameters);

}  // namespace trelvo
