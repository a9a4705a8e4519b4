#include "core/bank_file.h"

#include <QFile>
#include <QFileInfo>

namespace trelvo {

bool wal_file_at_rest(const QString& path) {
    // Bytes 18 and 19 of the header are 2 in WAL mode. The -wal file exists while any program has
    // the file open (empty until its first save), or after one ended without closing it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(20);
    return head.size() == 20 && head.startsWith("SQLite format 3") && head[18] == 2 &&
           head[19] == 2 && !QFileInfo::exists(path + QStringLiteral("-wal"));
}

}  // namespace trelvo
