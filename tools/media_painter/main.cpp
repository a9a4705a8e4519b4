// media_painter <program_dir> [file ...]
//
// Draws the question pictures into <program_dir>/tr/ in their stored form (one leading byte, then
// a PNG file) and the animations into <program_dir>/aces/ as looping GIF files. Only the files of
// the media table are written; everything else in those folders (the question bank among them)
// is left alone. With file names after the folder, only those files are drawn.

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "gif_writer.h"
#include "media_table.h"

using namespace trelvo::media;

namespace {

// The first byte of a stored picture; the program skips it when it makes the readable copy.
constexpr char stored_picture_mark = 0x54;

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "media_painter: %s\n", qUtf8Printable(message));
    std::exit(1);
}

QImage canvas(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void begin(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void save_bytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("无法写入 %1：%2").arg(path, file.errorString()));
}

// Every picture is also drawn at twice its size as name@2x.png, for screens with a pixel ratio
// above 1; the drawing is the same, in the picture's own coordinates.
void write_picture(const QDir& dir, const PictureEntry& entry, int ratio = 1) {
    QImage image = canvas(entry.size * ratio);
    image.setDevicePixelRatio(ratio);
    QPainter p;
    begin(p, image);
    entry.draw(p, entry.size);
    p.end();
    image.setDevicePixelRatio(1);
    QString file = QString::fromLatin1(entry.file);
    if (ratio != 1)
        file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(ratio));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        fail(QStringLiteral("%1 无法编码为 PNG：%2").arg(entry.file, writer.errorString()));
    save_bytes(dir.filePath(file), QByteArray(1, stored_picture_mark) + png);
}

void write_animation(const QDir& dir, const AnimationEntry& entry) {
    QList<GifFrame> frames;
    for (int i = 0; i < entry.frames; ++i) {
        QImage image = canvas(entry.size);
        QPainter p;
        begin(p, image);
        entry.draw(p, entry.size, double(i) / entry.frames, i);
        p.end();
        frames.push_back({image, i + 1 < entry.frames ? entry.delay_cs : entry.last_delay_cs});
    }
    QString error;
    if (!write_gif(dir.filePath(QString::fromLatin1(entry.file)), frames, &error))
        fail(QStringLiteral("%1：%2").arg(entry.file, error));
}

QDir media_dir(const QString& program_dir, const QString& name) {
    QDir dir(program_dir);
    if (!dir.mkpath(name)) fail(QStringLiteral("无法创建文件夹 %1").arg(dir.filePath(name)));
    return QDir(dir.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) fail(QStringLiteral("用法：media_painter <程序文件夹> [文件名 ...]"));
    const QString program_dir = args.takeFirst();

    const QList<PictureEntry> pictures = all_pictures();
    const QList<AnimationEntry> animations = all_animations();
    QSet<QString> known;
    auto enter = [&known](const char* file, const char* suffix) {
        const QString name = QString::fromLatin1(file);
        if (!name.endsWith(QLatin1String(suffix)) || known.contains(name))
            fail(QStringLiteral("媒体表中的文件名无效或重复：%1").arg(name));
        known.insert(name);
    };
    for (const PictureEntry& s : pictures) enter(s.file, ".png");
    for (const AnimationEntry& s : animations) enter(s.file, ".gif");
    const QSet<QString> wanted(args.begin(), args.end());
    for (const QString& name : wanted)
        if (!known.contains(name)) fail(QStringLiteral("媒体表中没有 %1").arg(name));
    auto chosen = [&](const char* file) { return wanted.isEmpty() || wanted.contains(file); };

    const QDir tr = media_dir(program_dir, QStringLiteral("tr"));
    const QDir aces = media_dir(program_dir, QStringLiteral("aces"));
    for (const PictureEntry& entry : pictures)
        if (chosen(entry.file)) {
            write_picture(tr, entry);
            write_picture(tr, entry, 2);
        }
    for (const AnimationEntry& entry : animations)
        if (chosen(entry.file)) write_animation(aces, entry);
    return 0;
}
