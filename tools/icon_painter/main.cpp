// icon_painter: the desktop icon, a steering wheel on a blue tile with a green tick, painted at
// each hicolor size from the same shapes so that small sizes stay sharp rather than scaled down.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

// Drawn on a 256-unit canvas. Below 32 pixels the strokes are thickened so that the wheel does
// not fade into the tile.
QImage paint_icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const double bold = size < 32 ? 1.5 : 1.0;

    const QRectF tile(8, 8, 240, 240);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0, QColor(0x2f, 0x80, 0xd8));
    sky.setColorAt(1, QColor(0x12, 0x46, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(tile, 44, 44);

    // The road running into the distance under the wheel.
    if (size >= 48) {
        QPainterPath road;
        road.moveTo(104, 248);
        road.lineTo(124, 150);
        road.lineTo(132, 150);
        road.lineTo(152, 248);
        road.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawPath(road);
    }

    const QPointF centre(120, 122);
    const double radius = 78;
    QPen rim(Qt::white, 22 * bold, Qt::SolidLine, Qt::RoundCap);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    // Three spokes: left, right and down, as on a car's wheel.
    QPen spoke(Qt::white, 18 * bold, Qt::SolidLine, Qt::RoundCap);
    p.setPen(spoke);
    p.drawLine(centre, centre + QPointF(-radius, 8));
    p.drawLine(centre, centre + QPointF(radius, 8));
    p.drawLine(centre, centre + QPointF(0, radius));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 26 * bold, 22 * bold);

    // The passed test: a green disc with a tick, bottom right.
    const QPointF badge(190, 190);
    const double badge_r = 50;
    p.setBrush(QColor(0x1f, 0x9d, 0x4b));
    p.setPen(QPen(Qt::white, 10 * bold));
    p.drawEllipse(badge, badge_r, badge_r);
    QPainterPath tick;
    tick.moveTo(badge + QPointF(-24, 2));
    tick.lineTo(badge + QPointF(-6, 20));
    tick.lineTo(badge + QPointF(26, -16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 14 * bold, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "用法：icon_painter <图标目录>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
        const QString file = dir + QStringLiteral("/trelvo.png");
        if (!QDir().mkpath(dir) || !paint_icon(size).save(file, "PNG")) {
            std::fprintf(stderr, "无法写入 %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
