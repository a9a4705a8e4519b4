// skin_painter: paints the skin pictures, the hand cursor and the screen-design
// pictures of the program. Runs headless and writes the same bytes every run.
//
//   skin_painter [--self-check] <imgs_dir> <design_dir>
//
// --self-check reads every written file back (the cursor through Qt's own
// .cur reader) and fails if any of them does not load at its size.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>

#include "skins.h"

namespace {

void complain(const QString& msg) {
    std::fprintf(stderr, "skin_painter: %s\n", qPrintable(msg));
}

// The high-resolution variants carry this ratio; the program scales them down smoothly for
// ratios between 1 and 2, which stays sharper than scaling a 1x picture up.
constexpr int kHighRatio = 2;

QString highResolutionName(const QString& file) {
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return file.left(dot) + QStringLiteral("@%1x").arg(kHighRatio) + file.mid(dot);
}

// Painted in the picture's own coordinates; at ratio 2 the painter maps them onto twice the
// pixels, so lines and text are drawn, not enlarged.
QImage render(const Picture& pic, int ratio = 1) {
    const bool alpha = pic.format == Format::PngAlpha || pic.format == Format::Cursor;
    QImage img(pic.size * ratio,
               alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(alpha ? QColor(Qt::transparent) : QColor(Qt::white));
    // 96 dpi, written into the files' headers: fixed so output never varies.
    img.setDotsPerMeterX(3780 * ratio);
    img.setDotsPerMeterY(3780 * ratio);
    img.setDevicePixelRatio(ratio);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    pic.paint(p, pic.size);
    p.end();
    return img;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
        return false;
    }
    return true;
}

bool writePicture(const Picture& pic, const QString& path, int ratio = 1) {
    QImage img = render(pic, ratio);
    img.setDevicePixelRatio(1);
    if (pic.format == Format::Cursor) return writeBytes(path, encodeCursor(img, kCursorHotspot));

    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
        return false;
    }
    QImageWriter writer(&f, pic.format == Format::Jpg ? "jpg" : "png");
    if (pic.format == Format::Jpg) writer.setQuality(92);
    if (!writer.write(pic.format == Format::Jpg ? img.convertToFormat(QImage::Format_RGB888)
                                                : img) ||
        !f.commit()) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
        f.cancelWriting();
        return false;
    }
    return true;
}

QByteArray designQrc(const std::vector<Picture>& pictures) {
    QByteArray xml = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/design\">\n";
    for (const Picture& pic : pictures)
        if (pic.folder == Folder::Design) {
            xml += "    <file>" + pic.file.toUtf8() + "</file>\n";
            xml += "    <file>" + highResolutionName(pic.file).toUtf8() + "</file>\n";
        }
    xml += "  </qresource>\n</RCC>\n";
    return xml;
}

bool selfCheck(const Picture& pic, const QString& path, int ratio = 1) {
    QImageReader reader(path);
    if (pic.format == Format::Cursor) reader.setFormat("cur");
    const QImage back = reader.read();
    if (back.isNull()) {
        complain(
            QStringLiteral("self-check: %1 does not load: %2").arg(path, reader.errorString()));
        return false;
    }
    if (back.size() != pic.size * ratio) {
        complain(QStringLiteral("self-check: %1 is %2x%3, expected %4x%5")
                     .arg(path)
                     .arg(back.width())
                     .arg(back.height())
                     .arg(pic.size.width() * ratio)
                     .arg(pic.size.height() * ratio));
        return false;
    }
    if (pic.format == Format::Cursor) {
        // The fingertip must be opaque and the corners see-through.
        const QImage a = back.convertToFormat(QImage::Format_ARGB32);
        if (qAlpha(a.pixel(kCursorHotspot.x(), kCursorHotspot.y() + 1)) < 128 ||
            qAlpha(a.pixel(0, 0)) != 0 || qAlpha(a.pixel(31, 0)) != 0) {
            complain(QStringLiteral("self-check: %1 has a wrong transparency mask").arg(path));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting needs no display; offscreen unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    const bool check = args.removeAll(QStringLiteral("--self-check")) > 0;
    if (args.size() != 2) {
        complain(QStringLiteral("usage: skin_painter [--self-check] <imgs_dir> <design_dir>"));
        return 2;
    }
    const QString dirs[] = {args[0], args[1]};

    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Noto Sans CJK SC", "AR PL UKai CN"})
        if (!families.contains(QString::fromLatin1(family)))
            complain(
                QStringLiteral("warning: font \"%1\" is not installed; texts will use a fallback")
                    .arg(QString::fromLatin1(family)));

    for (const QString& d : dirs)
        if (!QDir().mkpath(d)) {
            complain(QStringLiteral("cannot create folder %1").arg(d));
            return 1;
        }

    std::vector<Picture> pictures;
    addButtonSkins(pictures);
    addScreenPictures(pictures);

    int failures = 0, checked = 0;
    for (const Picture& pic : pictures) {
        const QString path = QDir(dirs[pic.folder == Folder::Imgs ? 0 : 1]).filePath(pic.file);
        if (!writePicture(pic, path)) {
            ++failures;
            continue;
        }
        if (check) {
            if (selfCheck(pic, path))
                ++checked;
            else
                ++failures;
        }
        if (pic.format == Format::Cursor) continue;
        const QString high =
            QDir(dirs[pic.folder == Folder::Imgs ? 0 : 1]).filePath(highResolutionName(pic.file));
        if (!writePicture(pic, high, kHighRatio)) {
            ++failures;
            continue;
        }
        if (check) {
            if (selfCheck(pic, high, kHighRatio))
                ++checked;
            else
                ++failures;
        }
    }
    if (!writeBytes(QDir(dirs[1]).filePath(QStringLiteral("design.qrc")), designQrc(pictures)))
        ++failures;

    if (failures) {
        complain(QStringLiteral("%1 file(s) failed").arg(failures));
        return 1;
    }
    std::printf("skin_painter: wrote %d pictures, each also at 2x%s\n", int(pictures.size()),
                check ? qPrintable(QStringLiteral(", %1 read back").arg(checked)) : "");
    return 0;
}
