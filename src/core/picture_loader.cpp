#include "core/picture_loader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <cmath>

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

constexpr int high_ratio = 2;

}  // namespace

QImage read_image(const QString& path, QString* error) {
    if (!QFile::exists(path)) {
        if (error != nullptr) *error = QStringLiteral("文件不存在");
        return {};
    }
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty()) {
        QImageReader reader(path, suffix == "jpeg" ? QByteArray("jpg") : suffix);
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        if (!image.isNull()) return image;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull() && error != nullptr) *error = reader.errorString();
    return image;
}

QString high_resolution_path(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash) return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

qreal display_ratio() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? qApp->devicePixelRatio()
               : 1.0;
}

QImage read_for_display(const QString& path, qreal ratio, QString* error) {
    if (ratio > 1.0) {
        const QString high_path = high_resolution_path(path);
        if (QFile::exists(high_path)) {
            QImage high = read_image(high_path);
            if (!high.isNull()) {
                if (ratio >= high_ratio) {
                    high.setDevicePixelRatio(high_ratio);
                    return high;
                }
                const QSize pixels(int(std::lround(high.width() * ratio / high_ratio)),
                                   int(std::lround(high.height() * ratio / high_ratio)));
                QImage fitted =
                    high.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                fitted.setDevicePixelRatio(ratio);
                return fitted;
            }
        }
    }
    return read_image(path, error);
}

PictureLoader::PictureLoader(QString program_folder) : folder_(std::move(program_folder)) {}

QString PictureLoader::full_path(const QString& relative) const {
    // Question picture copies lie outside the program folder when it is read-only.
    if (QDir::isAbsolutePath(relative)) return relative;
    return folder_ + QLatin1Char('/') + relative;
}

QPixmap PictureLoader::read(const QString& relative) {
    const QString path = full_path(relative);
    ++reads_[relative];
    QString error;
    const QImage image = read_for_display(path, display_ratio(), &error);
    if (image.isNull()) {
        const QString cause = QFile::exists(path)
                                  ? QStringLiteral("无法读取图片 %1：%2").arg(path, error)
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
