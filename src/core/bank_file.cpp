#include "core/bank_file.h"

#include <sys/vfs.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace trelvo {

bool wal_file_at_rest(const QString& path) {
    // Bytes 18 and 19 of the header are 2 in WAL mode. A program that has the file open keeps a
    // -shm file beside it (its -wal may still be empty); one that ended without closing it may
    // have left both, and a -wal with content then holds saves.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(20);
    const QFileInfo wal(path + QStringLiteral("-wal"));
    return head.size() == 20 && head.startsWith("SQLite format 3") && head[18] == 2 &&
           head[19] == 2 && !QFileInfo::exists(path + QStringLiteral("-shm")) &&
           !(wal.exists() && wal.size() > 0);
}

bool on_network_file_system(const QString& path) {
    struct statfs info {};
    if (::statfs(QFile::encodeName(path).constData(), &info) != 0) return false;
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0x6969UL:      // NFS
        case 0x517BUL:      // SMB
        case 0xFF534D42UL:  // CIFS
        case 0xFE534D42UL:  // SMB2
            return true;
        default:
            return false;
    }
}

QString sqlite_uri(const QString& path, const QString& parameters) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QLatin1Char('?') + parameters;
}

}  // namespace trelvo
