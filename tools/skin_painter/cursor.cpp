// The pointing-hand cursor and its Windows .cur encoding (the program loads
// "imgs/harrow.cur" like any other skin file).
#include <QtEndian>

#include "paint_kit.h"
#include "skins.h"

void paintHandCursor(QPainter& p, const QSize&) {
    // Index finger pointing up; its tip is the hotspot.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 1, 5, 17), 2.5, 2.5);
    hand.addRoundedRect(QRectF(13, 9, 4, 9), 2, 2);   // middle
    hand.addRoundedRect(QRectF(17, 10, 4, 9), 2, 2);  // ring
    hand.addRoundedRect(QRectF(21, 12, 4, 8), 2, 2);  // little
    QPainterPath palm;
    palm.moveTo(8, 14);
    palm.lineTo(25, 14);
    palm.lineTo(25, 22);
    palm.quadTo(25, 26, 22, 28);
    palm.lineTo(11, 28);
    palm.lineTo(3, 19);
    palm.quadTo(2, 16.5, 4.5, 16);
    palm.lineTo(8, 19);
    palm.closeSubpath();
    hand = hand.united(palm).simplified();
    QPainterPath cuff;
    cuff.addRect(QRectF(10, 28, 14, 3));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setBrush(QColor(0x1f, 0x5f, 0xa8));
    p.drawPath(cuff);
    // Creases between the folded fingers.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.drawLine(QPoint(13, 14), QPoint(13, 17));
    p.drawLine(QPoint(17, 15), QPoint(17, 18));
    p.drawLine(QPoint(21, 16), QPoint(21, 19));
}

namespace {
void put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
void put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
}  // namespace

QByteArray encodeCursor(const QImage& source, QPoint hotspot) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 dibSize = 40 + quint32(w * h * 4) + quint32(maskStride * h);

    QByteArray out;
    // ICONDIR: reserved, type 2 (cursor), one image.
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    // ICONDIRENTRY: for cursors the planes/bit-count fields hold the hotspot.
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    put16(out, quint16(hotspot.x()));
    put16(out, quint16(hotspot.y()));
    put32(out, dibSize);
    put32(out, 6 + 16);
    // BITMAPINFOHEADER; height counts the colour image and the AND mask.
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    // Colour image, bottom-up BGRA.
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            out.append(char(qAlpha(line[x])));
        }
    }
    // AND mask, bottom-up: a set bit is a transparent pixel.
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}
