#include "core/picture_loader.h"

#include <QFile>
#include <QImageReader>

#include "core/app_error.h"

namespace trelvo {

namespace {

// A .cur file keeps the hotspot in its directory entry, where an icon keeps planes and bit count.
QPoint cursor_hotspot(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = f.read(22);
    if (head.size() < 22 || head[2] != 2) return {};
    auto u16 = [&](int at) { return int(quint8(head[at])) | (int(quint8(head[at + 1])) << 8); };
    return {u16(10), u16(12)};
}

}  // namespace

PictureLoader::PictureLoader(QString program_folder) : folder_(std::move(program_folder)) {}

QString PictureLoader::full_path(const QString& relative) const {
    return folder_ + QLatin1Char('/') + relative;
}

QPixmap PictureLoader::read(const QString& relative) {
    const QString path = full_path(relative);
    ++reads_[relative];
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        const QString cause =
            QFile::exists(path)
                ? QStringLiteral("无法读取图片 %1：%2").arg(path, reader.errorString())
                : QStringLiteral("文件不存在：%1").arg(path);
        throw AppError(QStringLiteral("找不到或无法读取图片文件"), cause);
    }
    return QPixmap::fromImage(image);
}

QPixmap PictureLoader::skin(const QString& relative) {
    ++requests_[relative];
    auto it = decoded_.constFind(relative);
    if (it != decoded_.constEnd()) return *it;
    QPixmap p = read(relative);
    decoded_.insert(relative, p);
    return p;
}

QPixmap PictureLoader::fresh(const QString& relative) {
    ++requests_[relative];
    return read(relative);
}

QPixmap PictureLoader::decode(const QString& relative) {
    ++requests_[relative];
    ++reads_[relative];
    QImageReader reader(full_path(relative));
    reader.setDecideFormatFromContent(true);
    return QPixmap::fromImage(reader.read());
}

QCursor PictureLoader::hand_cursor() {
    const QString relative = QStringLiteral("imgs/harrow.cur");
    ++requests_[relative];
    if (!cursor_) {
        const QPixmap pixmap = read(relative);
        const QPoint hot = cursor_hotspot(full_path(relative));
        cursor_ = QCursor(pixmap, hot.x(), hot.y());
    }
    return *cursor_;
}

}  // namespace trelvo
