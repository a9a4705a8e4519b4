#include "practice/question_media.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <map>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "core/picture_loader.h"

namespace trelvo {

bool is_plain_media_name(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

namespace {

// Program folders whose rs/ could not be written in this run, and the private folders that take
// their copies instead.
struct CopyPlaces {
    QMutex mutex;
    QSet<QString> unwritable;
    std::map<uint, std::unique_ptr<QTemporaryDir>> private_roots;
};

CopyPlaces& places() {
    static CopyPlaces p;
    return p;
}

QString rs_folder(const QString& folder) {
    return folder + QStringLiteral("/rs");
}

uint current_user() {
#ifdef Q_OS_UNIX
    return uint(geteuid());
#else
    return 0;
#endif
}

// QTemporaryDir makes an unpredictable name readable by its owner only, and removes it at exit.
// The folder is made per user, as a process may act as another user for a while.
QString private_folder(const QString& folder) {
    CopyPlaces& p = places();
    const QMutexLocker lock(&p.mutex);
    std::unique_ptr<QTemporaryDir>& root = p.private_roots[current_user()];
    if (!root || !root->isValid())
        root = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                               QStringLiteral("/trelvo-pictures-XXXXXX"));
    if (!root->isValid()) return {};
    // One subfolder for each program folder, so that two banks' pictures of one name never meet.
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return root->path() + QLatin1Char('/') + QString::fromLatin1(key);
}

bool rs_unwritable(const QString& folder) {
    CopyPlaces& p = places();
    const QMutexLocker lock(&p.mutex);
    return p.unwritable.contains(folder);
}

// False when the folder was already known to be unwritable.
bool mark_rs_unwritable(const QString& folder) {
    CopyPlaces& p = places();
    const QMutexLocker lock(&p.mutex);
    if (p.unwritable.contains(folder)) return false;
    p.unwritable.insert(folder);
    return true;
}

QString copy_folder(const QString& folder) {
    if (!rs_unwritable(folder)) return rs_folder(folder);
    const QString own = private_folder(folder);
    return own.isEmpty() ? rs_folder(folder) : own;
}

// The picture bytes of tr/<name>, empty when the file is missing or holds none.
QByteArray stored_picture(const QString& folder, const QString& name) {
    QFile source(folder + QStringLiteral("/tr/") + name);
    if (!source.open(QIODevice::ReadOnly)) return {};
    const QByteArray stored = source.readAll();
    if (stored.size() < 2) return {};
    return stored.mid(1);
}

bool write_copy(const QString& path, const QByteArray& picture) {
    // Written whole and renamed into place, so no stale bytes of an older, longer copy remain.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly)) return false;
    target.write(picture);
    return target.commit();
}

}  // namespace

QString temp_picture_path(const QString& folder, const QString& name) {
    return copy_folder(folder) + QLatin1Char('/') + name;
}

QString temp_picture_source(const QString& folder, const QString& name) {
    if (!rs_unwritable(folder)) return QStringLiteral("rs/") + name;
    return temp_picture_path(folder, name);
}

bool copy_picture(const QString& folder, const QString& name) {
    if (!is_plain_media_name(name)) return false;
    const QByteArray picture = stored_picture(folder, name);
    if (picture.isEmpty()) return false;
    const QString high = high_resolution_path(name);
    for (;;) {
        const QString target = copy_folder(folder);
        QDir().mkpath(target);
        if (write_copy(target + QLatin1Char('/') + name, picture)) {
            // The twice-as-large drawing, where there is one, travels with it for sharp high-DPI
            // screens.
            if (QFile::exists(folder + QStringLiteral("/tr/") + high)) {
                const QByteArray high_picture = stored_picture(folder, high);
                if (!high_picture.isEmpty())
                    write_copy(target + QLatin1Char('/') + high, high_picture);
            } else if (QFile::exists(target + QLatin1Char('/') + high)) {
                QFile::remove(target + QLatin1Char('/') + high);
            }
            return true;
        }
        // rs/ cannot be written (a read-only program folder, or rs/ is not a folder): the private
        // folder takes this copy and every later one.
        if (!mark_rs_unwritable(folder)) return false;
    }
}

void delete_temp_picture(const QString& folder, const QString& name) {
    if (!is_plain_media_name(name)) return;
    for (const QString& file : {name, high_resolution_path(name)}) {
        const QString path = temp_picture_path(folder, file);
        if (QFile::exists(path)) QFile::remove(path);
    }
}

}  // namespace trelvo
