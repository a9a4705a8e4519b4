#include "app/single_run.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "core/bank_file.h"

namespace trelvo {

BankClaim::BankClaim(const QString& bank_path) {
    // Only a bank this user can write holds answers a second copy could overwrite; a shared
    // read-only bank stays open to everyone.
    const QByteArray name = QFile::encodeName(bank_path);
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 ||
        on_network_file_system(bank_path))
        return;
    // Close-on-exec: a browser started from the about screen must not keep the claim alive.
    // flock locks are apart from the record locks SQLite takes on the same file, and this
    // descriptor stays open until the connection is gone, so SQLite's locks are never dropped.
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        held_elsewhere_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

BankClaim::~BankClaim() {
    if (fd_ >= 0) ::close(fd_);
}

QString already_running_text(const QString& bank_path) {
    return QStringLiteral(
               "驾考理论训练已经打开，正在使用这个题库：\n%1\n\n"
               "同一个题库同时打开两次时，后保存的练习记录会覆盖先保存的，"
               "所以这次不再打开。请切换到已经打开的窗口继续练习。")
        .arg(QDir::toNativeSeparators(bank_path));
}

}  // namespace trelvo
