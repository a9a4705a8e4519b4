// Instrument panel warning lamps: each lamp lit on a dark panel, and a whole instrument cluster.

#include <cmath>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

const QColor lamp_red(0xff, 0x3a, 0x2e);
const QColor lamp_amber(0xff, 0xae, 0x00);
const QColor lamp_blue(0x2e, 0x86, 0xff);

// Icons are drawn in a space of about -40..40 around the origin, as filled outlines.
QPainterPath stroke(const QPainterPath& line, double width) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

QPainterPath oil_can() {
    QPainterPath icon;
    icon.addRoundedRect(QRectF(-28, -4, 42, 20), 3, 3);  // can
    icon.addRect(QRectF(-14, -12, 12, 9));               // filler neck
    icon.addRect(QRectF(-18, -15, 20, 4));               // cap
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-40, -4, 14, 14), 4, 4);
    icon.addPath(stroke(handle, 4.5));
    QPainterPath spout;
    spout.moveTo(12, 6);
    spout.lineTo(38, -10);
    icon.addPath(stroke(spout, 7));
    QPainterPath drop;  // the drip under the spout
    drop.moveTo(39, 0);
    drop.cubicTo(42, 6, 45, 9, 45, 12);
    drop.arcTo(QRectF(33, 6, 12, 12), 0, -180);
    drop.cubicTo(33, 9, 36, 6, 39, 0);
    icon.addPath(drop);
    return icon.simplified();
}

QPainterPath battery() {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(-32, -14, 64, 36), 3, 3);
    QPainterPath icon = stroke(outline, 5);
    icon.addRect(QRectF(-26, -22, 12, 8));
    icon.addRect(QRectF(14, -22, 12, 8));
    icon.addRect(QRectF(-25, 2, 14, 4.5));  // minus
    icon.addRect(QRectF(11, 2, 14, 4.5));   // plus
    icon.addRect(QRectF(15.75, -2.75, 4.5, 14));
    return icon.simplified();
}

QPainterPath seat_belt() {
    QPainterPath icon;
    icon.addEllipse(QPointF(-4, -28), 9, 9);
    QPainterPath body;
    body.moveTo(-20, 30);
    body.lineTo(-20, -6);
    body.quadTo(-20, -16, -8, -16);
    body.lineTo(2, -16);
    body.quadTo(14, -16, 14, -4);
    body.lineTo(14, 30);
    body.closeSubpath();
    QPainterPath belt;  // the diagonal strap, cut out of the body
    belt.moveTo(16, -20);
    belt.lineTo(-22, 22);
    const QPainterPath gap = stroke(belt, 11);
    icon.addPath(body.subtracted(gap));
    icon.addPath(stroke(belt, 5));
    icon.addEllipse(QPointF(-16, 16), 5, 5);  // buckle
    QPainterPath seat;
    seat.moveTo(24, -20);
    seat.lineTo(24, 30);
    icon.addPath(stroke(seat, 4));
    return icon.simplified();
}

QPainterPath brake_system() {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 21, 21);
    QPainterPath icon = stroke(ring, 5);
    QPainterPath arcs;
    arcs.arcMoveTo(QRectF(-32, -32, 64, 64), 45);
    arcs.arcTo(QRectF(-32, -32, 64, 64), 45, -90);
    arcs.arcMoveTo(QRectF(-32, -32, 64, 64), 135);
    arcs.arcTo(QRectF(-32, -32, 64, 64), 135, 90);
    icon.addPath(stroke(arcs, 5));
    icon.addRoundedRect(QRectF(-3, -13, 6, 17), 2, 2);
    icon.addEllipse(QPointF(0, 10), 3.4, 3.4);
    return icon.simplified();
}

QPainterPath engine() {
    QPolygonF outline;
    outline << QPointF(-28, -10) << QPointF(-18, -10) << QPointF(-18, -16) << QPointF(-6, -16)
            << QPointF(-6, -22) << QPointF(12, -22) << QPointF(12, -16) << QPointF(18, -16)
            << QPointF(24, -8) << QPointF(30, -8) << QPointF(30, -16) << QPointF(36, -16)
            << QPointF(36, 14) << QPointF(30, 14) << QPointF(30, 6) << QPointF(24, 6)
            << QPointF(16, 18) << QPointF(-18, 18) << QPointF(-18, 8) << QPointF(-28, 8);
    QPainterPath line;
    line.addPolygon(outline);
    line.closeSubpath();
    line.moveTo(-36, -8);
    line.lineTo(-36, 6);
    line.moveTo(-36, -1);
    line.lineTo(-28, -1);
    return stroke(line, 4.5).simplified();
}

QPainterPath fuel_pump() {
    QPainterPath icon;
    QPainterPath body;
    body.addRoundedRect(QRectF(-26, -26, 30, 52), 3, 3);
    QPainterPath window;
    window.addRect(QRectF(-20, -20, 18, 13));
    icon.addPath(body.subtracted(window));
    icon.addRect(QRectF(-30, 24, 38, 5));
    QPainterPath hose;
    hose.moveTo(4, -8);
    hose.lineTo(14, -8);
    hose.lineTo(14, 14);
    hose.quadTo(14, 20, 19, 20);
    hose.quadTo(24, 20, 24, 14);
    hose.lineTo(24, -14);
    hose.lineTo(18, -22);
    icon.addPath(stroke(hose, 4));
    return icon.simplified();
}

QPainterPath high_beam() {
    QPainterPath lamp;
    lamp.moveTo(-2, -18);
    lamp.cubicTo(30, -20, 30, 20, -2, 18);
    lamp.closeSubpath();
    QPainterPath icon = stroke(lamp, 5);
    QPainterPath rays;
    for (double y : {-15.0, -7.5, 0.0, 7.5, 15.0}) {
        rays.moveTo(-34, y);
        rays.lineTo(-12, y);
    }
    icon.addPath(stroke(rays, 4));
    return icon.simplified();
}

void glow(QPainter& p, const QPainterPath& icon, const QColor& colour) {
    for (int i = 3; i >= 1; --i) {
        QColor c = colour;
        c.setAlpha(34);
        fill_path(p, icon.united(stroke(icon, 4.0 * i)), c);
    }
    fill_path(p, icon, colour);
}

void panel(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x2a, 0x2e, 0x34));
    g.setColorAt(1, QColor(0x12, 0x14, 0x17));
    p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 3));
    p.setBrush(g);
    p.drawRoundedRect(r, 16, 16);
}

void lamp_picture(QPainter& p, const QSize& size, const QPainterPath& icon, const QColor& colour) {
    p.fillRect(QRectF(0, 0, size.width(), size.height()), QColor(0x40, 0x44, 0x4a));
    panel(p, QRectF(8, 8, size.width() - 16, size.height() - 16));
    p.save();
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.scale(1.6, 1.6);
    glow(p, icon, colour);
    p.restore();
}

void lamp_oil(QPainter& p, const QSize& s) {
    lamp_picture(p, s, oil_can(), lamp_red);
}
void lamp_charging(QPainter& p, const QSize& s) {
    lamp_picture(p, s, battery(), lamp_red);
}
void lamp_seat_belt(QPainter& p, const QSize& s) {
    lamp_picture(p, s, seat_belt(), lamp_red);
}
void lamp_brake(QPainter& p, const QSize& s) {
    lamp_picture(p, s, brake_system(), lamp_red);
}
void lamp_engine(QPainter& p, const QSize& s) {
    lamp_picture(p, s, engine(), lamp_amber);
}
void lamp_fuel(QPainter& p, const QSize& s) {
    lamp_picture(p, s, fuel_pump(), lamp_amber);
}
void lamp_high_beam(QPainter& p, const QSize& s) {
    lamp_picture(p, s, high_beam(), lamp_blue);
}

const QColor lamp_green(0x2e, 0xd0, 0x5a);

// A headlamp seen from the side, lens to the right, with `rays` to the left; dipped rays slope
// down, and a wavy line across them marks a fog lamp.
QPainterPath headlamp(bool dipped, bool fog, bool facing_left = true) {
    QPainterPath lamp;
    lamp.moveTo(-2, -18);
    lamp.cubicTo(30, -20, 30, 20, -2, 18);
    lamp.closeSubpath();
    QPainterPath icon = stroke(lamp, 5);
    QPainterPath rays;
    for (double y : {-14.0, 0.0, 14.0}) {
        rays.moveTo(-12, y);
        rays.lineTo(-36, dipped ? y + 10 : y);
    }
    icon.addPath(stroke(rays, 4));
    if (fog) {
        QPainterPath wave;
        wave.moveTo(-24, -26);
        wave.cubicTo(-32, -14, -16, -6, -24, 4);
        wave.cubicTo(-32, 14, -16, 20, -24, 30);
        icon.addPath(stroke(wave, 3.5));
    }
    if (!facing_left) {
        QTransform flip;
        flip.scale(-1, 1);
        icon = flip.map(icon);
    }
    return icon.simplified();
}

QPainterPath turn_arrows() {
    QPainterPath icon;
    for (double side : {-1.0, 1.0}) {
        QPolygonF arrow;
        arrow << QPointF(side * 6, -10) << QPointF(side * 20, -10) << QPointF(side * 20, -22)
              << QPointF(side * 42, 0) << QPointF(side * 20, 22) << QPointF(side * 20, 10)
              << QPointF(side * 6, 10);
        icon.addPolygon(arrow);
        icon.closeSubpath();
    }
    return icon;
}

QPainterPath letters(const QString& text, int pixels) {
    QPainterPath path;
    QFont font = digit_font(pixels);
    font.setBold(true);
    path.addText(0, 0, font, text);
    path.translate(-path.boundingRect().center());
    return path;
}

QPainterPath abs_lamp() {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 26, 26);
    QPainterPath icon = stroke(ring, 5);
    QPainterPath arcs;
    arcs.arcMoveTo(QRectF(-37, -37, 74, 74), 45);
    arcs.arcTo(QRectF(-37, -37, 74, 74), 45, -90);
    arcs.arcMoveTo(QRectF(-37, -37, 74, 74), 135);
    arcs.arcTo(QRectF(-37, -37, 74, 74), 135, 90);
    icon.addPath(stroke(arcs, 5));
    icon.addPath(letters(QStringLiteral("ABS"), 19));
    return icon;
}

QPainterPath parking_brake() {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 24, 24);
    QPainterPath icon = stroke(ring, 5);
    QPainterPath arcs;
    arcs.arcMoveTo(QRectF(-35, -35, 70, 70), 45);
    arcs.arcTo(QRectF(-35, -35, 70, 70), 45, -90);
    arcs.arcMoveTo(QRectF(-35, -35, 70, 70), 135);
    arcs.arcTo(QRectF(-35, -35, 70, 70), 135, 90);
    icon.addPath(stroke(arcs, 5));
    icon.addPath(letters(QStringLiteral("P"), 30));
    return icon;
}

QPainterPath tyre_pressure() {
    // A tyre's cross-section, flattened at the bottom, with an exclamation mark.
    QPainterPath tyre;
    tyre.moveTo(-24, 24);
    tyre.cubicTo(-36, 10, -36, -14, -26, -26);
    tyre.moveTo(24, 24);
    tyre.cubicTo(36, 10, 36, -14, 26, -26);
    tyre.moveTo(-30, 26);
    tyre.lineTo(30, 26);
    QPainterPath icon = stroke(tyre, 5);
    for (double x : {-24.0, -12.0, 0.0, 12.0, 24.0}) icon.addRect(QRectF(x - 2, 28, 4, 6));
    icon.addRoundedRect(QRectF(-3.5, -18, 7, 24), 2, 2);
    icon.addEllipse(QPointF(0, 14), 4, 4);
    return icon.simplified();
}

QPainterPath coolant() {
    // A thermometer standing in waves.
    QPainterPath icon;
    icon.addRoundedRect(QRectF(-4, -34, 8, 36), 4, 4);
    icon.addEllipse(QPointF(0, 6), 8, 8);
    for (double y : {-28.0, -20.0, -12.0}) icon.addRect(QRectF(4, y - 1.5, 9, 3));
    QPainterPath waves;
    for (double y : {20.0, 30.0}) {
        waves.moveTo(-34, y);
        for (int i = 0; i < 4; ++i) {
            const double x = -34 + 17 * i;
            waves.cubicTo(x + 4, y - 6, x + 9, y - 6, x + 8.5, y);
            waves.cubicTo(x + 12, y + 6, x + 16, y + 6, x + 17, y);
        }
    }
    icon.addPath(stroke(waves, 3.5));
    return icon.simplified();
}

void lamp_low_beam(QPainter& p, const QSize& s) {
    lamp_picture(p, s, headlamp(true, false), lamp_green);
}
void lamp_front_fog(QPainter& p, const QSize& s) {
    lamp_picture(p, s, headlamp(true, true), lamp_green);
}
void lamp_rear_fog(QPainter& p, const QSize& s) {
    lamp_picture(p, s, headlamp(false, true, false), lamp_amber);
}
void lamp_turn_signals(QPainter& p, const QSize& s) {
    lamp_picture(p, s, turn_arrows(), lamp_green);
}
void lamp_abs(QPainter& p, const QSize& s) {
    lamp_picture(p, s, abs_lamp(), lamp_amber);
}
void lamp_parking_brake(QPainter& p, const QSize& s) {
    lamp_picture(p, s, parking_brake(), lamp_red);
}
void lamp_tyre_pressure(QPainter& p, const QSize& s) {
    lamp_picture(p, s, tyre_pressure(), lamp_amber);
}
void lamp_coolant(QPainter& p, const QSize& s) {
    lamp_picture(p, s, coolant(), lamp_red);
}

// A round dial from 0 to `max` over 270 degrees, the gap at the bottom; `labels` numbered steps.
void gauge(QPainter& p, const QPointF& c, double r, double value, double max, int labels,
           const QString& unit, double red_from = -1) {
    p.setPen(QPen(QColor(0x60, 0x66, 0x70), 3));
    p.setBrush(QColor(0x0c, 0x0e, 0x11));
    p.drawEllipse(c, r, r);
    const double start = 45, sweep = 270;
    auto point = [&](double v, double radius) {
        const double a = (start + sweep * v / max) * pi / 180;
        return c + QPointF(-std::sin(a) * radius, std::cos(a) * radius);
    };
    const int minor = labels * 2;
    for (int i = 0; i <= minor; ++i) {
        const double v = max * i / minor;
        const bool major = i % 2 == 0;
        const QColor colour =
            (red_from >= 0 && v >= red_from) ? QColor(0xe0, 0x30, 0x30) : QColor(0xe8, 0xe8, 0xe8);
        p.setPen(QPen(colour, major ? 3 : 1.5));
        p.drawLine(point(v, r - 6), point(v, r - (major ? 18 : 12)));
        if (major)
            text_centred(p, point(v, r - 34), QString::number(qRound(v)), digit_font(int(r / 7)),
                         colour);
    }
    text_centred(p, c + QPointF(0, r * 0.42), unit, digit_font(int(r / 9)),
                 QColor(0xb0, 0xb4, 0xb8));
    p.setPen(QPen(QColor(0xff, 0x50, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, point(value, r - 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x44, 0x4a));
    p.drawEllipse(c, 9, 9);
}

void cluster(QPainter& p, const QSize& size) {
    p.fillRect(QRectF(0, 0, size.width(), size.height()), QColor(0x40, 0x44, 0x4a));
    panel(p, QRectF(8, 8, size.width() - 16, size.height() - 16));
    gauge(p, {170, 152}, 118, 60, 220, 11, QStringLiteral("km/h"));
    gauge(p, {470, 152}, 118, 2.1, 8, 8, QStringLiteral("×1000r/min"), 6.5);
    // Fuel gauge between the dials, its needle down at E, and the lit lamps.
    const QPointF fc(320, 214);
    p.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(fc.x() - 38, fc.y() - 38, 76, 76), 30 * 16, 120 * 16);
    text_centred(p, fc + QPointF(-38, -6), QStringLiteral("E"), digit_font(13),
                 QColor(0xe0, 0x30, 0x30));
    text_centred(p, fc + QPointF(38, -6), QStringLiteral("F"), digit_font(13),
                 QColor(0xe8, 0xe8, 0xe8));
    const double a = 148 * pi / 180;
    p.setPen(QPen(QColor(0xff, 0x50, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(fc, fc + QPointF(std::cos(a) * 34, -std::sin(a) * 34));
    p.save();
    p.translate(320, 246);
    p.scale(0.45, 0.45);
    glow(p, fuel_pump(), lamp_amber);
    p.restore();
    p.save();
    p.translate(320, 82);
    p.scale(0.7, 0.7);
    glow(p, seat_belt(), lamp_red);
    p.restore();
}

}  // namespace

QList<PictureEntry> dashboard_pictures() {
    const QSize lamp(200, 150);
    return {
        {"lamp_oil_pressure.png", lamp, lamp_oil},
        {"lamp_charging.png", lamp, lamp_charging},
        {"lamp_seat_belt.png", lamp, lamp_seat_belt},
        {"lamp_brake_system.png", lamp, lamp_brake},
        {"lamp_engine.png", lamp, lamp_engine},
        {"lamp_low_fuel.png", lamp, lamp_fuel},
        {"lamp_high_beam.png", lamp, lamp_high_beam},
        {"dashboard_cluster.png", QSize(640, 300), cluster},
        {"lamp_low_beam.png", lamp, lamp_low_beam},
        {"lamp_front_fog.png", lamp, lamp_front_fog},
        {"lamp_rear_fog.png", lamp, lamp_rear_fog},
        {"lamp_turn_signals.png", lamp, lamp_turn_signals},
        {"lamp_abs.png", lamp, lamp_abs},
        {"lamp_parking_brake.png", lamp, lamp_parking_brake},
        {"lamp_tyre_pressure.png", lamp, lamp_tyre_pressure},
        {"lamp_coolant.png", lamp, lamp_coolant},
    };
}

}  // namespace trelvo::media
