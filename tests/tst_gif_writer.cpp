#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QtTest>

#include "gif_writer.h"

using trelvo::media::encode_gif;
using trelvo::media::GifFrame;

namespace {

using Pixel = std::function<QRgb(int x, int y)>;

QImage paint(int w, int h, const Pixel& pixel) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, pixel(x, y));
    return image;
}

// A reproducible scatter over exactly 256 colours, so that the LZW string table fills up many
// times over (12-bit codes, clear codes) while every colour still has its own palette entry.
QImage noise256(int w, int h, quint32 seed) {
    return paint(w, h, [seed](int x, int y) mutable {
        seed = seed * 1103515245u + 12345u + quint32(x * 31 + y);
        const int i = int((seed >> 16) & 0xff);
        return qRgb(i, (i * 7) & 0xff, 255 - i);
    });
}

QList<QImage> decode_all(const QByteArray& bytes, QList<int>* delays_ms, int* loop) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    *loop = reader.loopCount();
    QList<QImage> images;
    while (reader.canRead()) {
        QImage image = reader.read();
        if (image.isNull()) break;
        images.push_back(image.convertToFormat(QImage::Format_RGB32));
        delays_ms->push_back(reader.nextImageDelay());
    }
    return images;
}

int worst_channel_error(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

}  // namespace

class TstGifWriter : public QObject {
    Q_OBJECT

  private slots:
    void round_trip_exact_data();
    void round_trip_exact();
    void more_than_256_colours();
    void plays_in_qmovie();
    void rejects_bad_input_data();
    void rejects_bad_input();
};

void TstGifWriter::round_trip_exact_data() {
    QTest::addColumn<QList<GifFrame>>("frames");

    QTest::newRow("one pixel") << QList<GifFrame>{
        {paint(1, 1, [](int, int) { return qRgb(200, 10, 30); }), 7}};

    QTest::newRow("one colour, large")
        << QList<GifFrame>{{paint(300, 200, [](int, int) { return qRgb(0, 90, 180); }), 50}};

    QTest::newRow("two colours, three frames") << QList<GifFrame>{
        {paint(5, 4,
               [](int x, int y) { return (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }),
         10},
        {paint(5, 4, [](int x, int) { return x < 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }), 25},
        {paint(5, 4, [](int, int) { return qRgb(0, 0, 0); }), 100}};

    // Long runs of one colour build long strings; the stripes break them at irregular places.
    QTest::newRow("runs and stripes")
        << QList<GifFrame>{{paint(257, 130,
                                  [](int x, int y) {
                                      if ((x * x + y) % 97 == 0) return qRgb(255, 0, 0);
                                      return y < 60 ? qRgb(250, 220, 0) : qRgb(30, 30, 30);
                                  }),
                            4}};

    QTest::newRow("256 colours, table refills")
        << QList<GifFrame>{{noise256(160, 120, 1), 3}, {noise256(160, 120, 2), 200}};
}

void TstGifWriter::round_trip_exact() {
    QFETCH(QList<GifFrame>, frames);
    QString error;
    const QByteArray bytes = encode_gif(frames, &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    QVERIFY(bytes.startsWith("GIF89a"));

    QList<int> delays;
    int loop = 0;
    const QList<QImage> images = decode_all(bytes, &delays, &loop);
    QCOMPARE(images.size(), frames.size());
    QCOMPARE(loop, -1);  // Qt's value for "forever"
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(delays[i], frames[i].delay_cs * 10);
        QCOMPARE(images[i].size(), frames[i].image.size());
        QCOMPARE(images[i], frames[i].image.convertToFormat(QImage::Format_RGB32));
    }
}

void TstGifWriter::more_than_256_colours() {
    // 4096 gradient shades on the left, a flat fill on the right that must survive unchanged.
    const QRgb flat = qRgb(32, 96, 192);
    const QImage image =
        paint(96, 64, [flat](int x, int y) { return x < 64 ? qRgb(x * 4, y * 4, 128) : flat; });
    QString error;
    const QByteArray bytes = encode_gif({{image, 10}}, &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));

    QList<int> delays;
    int loop = 0;
    const QList<QImage> images = decode_all(bytes, &delays, &loop);
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].copy(64, 0, 32, 64), image.copy(64, 0, 32, 64));
    QVERIFY2(worst_channel_error(images[0], image) <= 16,
             qPrintable(QString::number(worst_channel_error(images[0], image))));
}

void TstGifWriter::plays_in_qmovie() {
    QList<GifFrame> frames;
    for (int i = 0; i < 4; ++i)
        frames.push_back({paint(40, 30,
                                [i](int x, int) {
                                    return x < 10 * (i + 1) ? qRgb(0, 160, 60)
                                                            : qRgb(255, 255, 255);
                                }),
                          5 * (i + 1)});
    QString error;
    QByteArray bytes = encode_gif(frames, &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));

    QBuffer buffer(&bytes);
    QMovie movie(&buffer, "gif");
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 4);
    QCOMPARE(movie.loopCount(), -1);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(movie.jumpToFrame(i));
        QCOMPARE(movie.currentImage().convertToFormat(QImage::Format_RGB32), frames[i].image);
        QCOMPARE(movie.nextFrameDelay(), frames[i].delay_cs * 10);
    }
}

void TstGifWriter::rejects_bad_input_data() {
    QTest::addColumn<QList<GifFrame>>("frames");
    const QImage ok = paint(4, 4, [](int, int) { return qRgb(1, 2, 3); });
    QTest::newRow("no frames") << QList<GifFrame>{};
    QTest::newRow("empty image") << QList<GifFrame>{{QImage(), 10}};
    QTest::newRow("sizes differ") << QList<GifFrame>{{ok, 10}, {ok.scaled(5, 4), 10}};
    QTest::newRow("negative delay") << QList<GifFrame>{{ok, 10}, {ok, -1}};
    QTest::newRow("delay too long") << QList<GifFrame>{{ok, 65536}};
}

void TstGifWriter::rejects_bad_input() {
    QFETCH(QList<GifFrame>, frames);
    QString error;
    QVERIFY(encode_gif(frames, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TstGifWriter)
#include "tst_gif_writer.moc"
