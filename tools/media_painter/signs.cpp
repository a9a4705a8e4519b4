// Road signs: prohibition, warning, mandatory, the two priority signs and guide boards.

#include <cmath>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

QRectF sign_box(const QSize& size, double margin = 10) {
    const double side = std::min(size.width(), size.height()) - 2 * margin;
    return QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

// Thick black stroke with round ends, the line work of warning-sign figures.
void limb(QPainter& p, const QPolygonF& points, double width, const QColor& colour = ink::black) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
    p.restore();
}

// A walking figure in profile facing left, feet at `feet`, `height` units tall.
void walker(QPainter& p, const QPointF& feet, double height, const QColor& colour = ink::black) {
    const double k = height / 100.0;
    auto at = [&](double x, double y) { return feet + QPointF(x * k, y * k); };
    const double w = 11 * k;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at(-2, -88), 10 * k, 10 * k);
    limb(p, {at(0, -72), at(3, -40)}, w * 1.35, colour);                    // body
    limb(p, {at(3, -40), at(-10, -20), at(-20, -2)}, w, colour);            // front leg
    limb(p, {at(3, -40), at(12, -20), at(22, -4), at(28, -4)}, w, colour);  // back leg
    limb(p, {at(0, -66), at(-12, -52), at(-20, -40)}, w * 0.85, colour);    // front arm
    limb(p, {at(1, -66), at(12, -52), at(18, -42)}, w * 0.85, colour);      // back arm
}

// A child figure: bigger head, shorter limbs, a satchel on the back.
void child(QPainter& p, const QPointF& feet, double height) {
    const double k = height / 100.0;
    auto at = [&](double x, double y) { return feet + QPointF(x * k, y * k); };
    const double w = 13 * k;
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawEllipse(at(-2, -84), 14 * k, 14 * k);
    p.drawRoundedRect(QRectF(at(4, -66), at(20, -40)), 3 * k, 3 * k);  // satchel
    limb(p, {at(0, -66), at(2, -38)}, w * 1.4);
    limb(p, {at(2, -38), at(-10, -18), at(-18, -2)}, w);
    limb(p, {at(2, -38), at(12, -20), at(18, -4), at(24, -4)}, w);
    limb(p, {at(-1, -62), at(-14, -48), at(-22, -44)}, w * 0.85);
}

// --- prohibition -------------------------------------------------------------------------------

void speed_limit_40(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("40"), digit_font(92), ink::black);
}

void no_entry(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::red);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setBrush(ink::white);
    p.drawRect(QRectF(-70, -15, 140, 30));
}

void parking_bars(QPainter& p, bool cross) {
    p.save();
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), 80, 80);
    p.setClipPath(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::red);
    p.rotate(45);
    p.drawRect(QRectF(-90, -8, 180, 16));
    if (cross) {
        p.rotate(-90);
        p.drawRect(QRectF(-90, -8, 180, 16));
    }
    p.restore();
}

void no_parking(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p, ink::blue);
    parking_bars(p, true);
}

void no_long_parking(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p, ink::blue);
    parking_bars(p, false);
}

QPainterPath horn_shape() {
    QPainterPath horn;
    horn.addRoundedRect(QRectF(-58, -11, 16, 22), 4, 4);  // mouthpiece
    horn.addRect(QRectF(-44, -6, 46, 12));                // tube
    QPainterPath bell;
    bell.moveTo(0, -6);
    bell.cubicTo(18, -10, 30, -26, 44, -36);
    bell.cubicTo(56, -20, 56, 20, 44, 36);
    bell.cubicTo(30, 26, 18, 10, 0, 6);
    bell.closeSubpath();
    return horn.united(bell);
}

void no_horn(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    fill_path(p, horn_shape(), ink::black);
    prohibition_bar(p);
}

QPainterPath left_turn_spine(double x, double bottom, double turn_y, double end_x) {
    QPainterPath spine;
    spine.moveTo(x, bottom);
    spine.lineTo(x, turn_y + 26);
    spine.cubicTo(x, turn_y + 4, x - 10, turn_y, x - 28, turn_y);
    spine.lineTo(end_x, turn_y);
    return spine;
}

void no_left_turn(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    fill_path(p, arrow_path(left_turn_spine(16, 62, -20, -62), 20, 52, 32), ink::black);
    prohibition_bar(p);
}

void no_u_turn(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    QPainterPath spine;
    spine.moveTo(28, 62);
    spine.lineTo(28, -12);
    spine.arcTo(QRectF(-30, -41, 58, 58), 0, 180);
    spine.lineTo(-30, 44);
    fill_path(p, arrow_path(spine, 18, 46, 30), ink::black);
    prohibition_bar(p);
}

// --- warning -----------------------------------------------------------------------------------

void warn_pedestrians(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    walker(p, {2, 66}, 100);
}

void warn_children(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    child(p, {-20, 66}, 72);
    child(p, {22, 66}, 88);
}

void warn_sharp_left(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    QPainterPath spine;
    spine.moveTo(14, 66);
    spine.lineTo(14, 30);
    spine.cubicTo(14, 10, 4, 4, -12, 4);
    spine.lineTo(-44, 4);
    fill_path(p, arrow_path(spine, 16, 40, 26), ink::black);
}

void warn_steep_descent(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    // The road falls from left to right; the car runs downhill.
    const double top = 28, fall = 38;
    const double slope = std::atan2(fall, 100.0) * 180 / pi;
    QPolygonF hill;
    hill << QPointF(-52, 68) << QPointF(52, 68) << QPointF(52, top + fall * 1.04)
         << QPointF(-52, top - fall * 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawPolygon(hill);
    p.save();
    p.translate(-24, top + fall * 0.27 - 1);
    p.rotate(slope);
    // Side view facing right (downhill): bonnet in front, cabin towards the back.
    QPainterPath car;
    car.addRoundedRect(QRectF(-25, -19, 50, 13), 4, 4);
    QPolygonF cabin;
    cabin << QPointF(-20, -18) << QPointF(8, -18) << QPointF(0, -31) << QPointF(-16, -31);
    car.addPolygon(cabin);
    car.addEllipse(QPointF(-14, -6), 6.5, 6.5);
    car.addEllipse(QPointF(14, -6), 6.5, 6.5);
    fill_path(p, car.simplified(), ink::black);
    p.restore();
    // The grade sits in the open yellow above the lower end of the slope, clear of the car.
    text_centred(p, {30, 38}, QStringLiteral("10%"), digit_font(17), ink::black);
}

void warn_crossroads(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawRect(QRectF(-9, -22, 18, 90));
    p.drawRect(QRectF(-44, 16, 88, 18));
}

void warn_signals(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawRoundedRect(QRectF(-15, -18, 30, 86), 6, 6);
    const QColor lamps[] = {QColor(0xe0, 0x20, 0x20), QColor(0xf8, 0xd0, 0x00),
                            QColor(0x10, 0xa0, 0x50)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(0, -3 + 27.5 * i), 10, 10);
    }
}

void warn_narrow_both(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    for (double side : {-1.0, 1.0})
        limb(p,
             {QPointF(side * 36, 66), QPointF(side * 36, 42), QPointF(side * 14, 18),
              QPointF(side * 14, -12)},
             11);
}

// --- mandatory ---------------------------------------------------------------------------------

void go_straight(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    QPainterPath spine;
    spine.moveTo(0, 68);
    spine.lineTo(0, -70);
    fill_path(p, arrow_path(spine, 30, 80, 52), ink::white);
}

void turn_left(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    fill_path(p, arrow_path(left_turn_spine(24, 66, -18, -72), 28, 74, 46), ink::white);
}

void keep_right(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    QPainterPath spine;
    spine.moveTo(-46, -46);
    spine.lineTo(52, 52);
    fill_path(p, arrow_path(spine, 28, 76, 48), ink::white);
}

void roundabout(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    // Traffic keeps right, so it goes round anticlockwise.
    const double r = 54;
    for (int i = 0; i < 3; ++i) {
        const double start = 100 + 120 * i;
        QPainterPath spine;
        const int steps = 24;
        for (int k = 0; k <= steps; ++k) {
            const double a = (start + 98.0 * k / steps) * pi / 180;
            const QPointF pt(r * std::cos(a), -r * std::sin(a));
            if (k == 0)
                spine.moveTo(pt);
            else
                spine.lineTo(pt);
        }
        fill_path(p, arrow_path(spine, 17, 42, 28), ink::white);
    }
}

void min_speed_50(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("50"), digit_font(92), ink::white);
}

// --- priority ----------------------------------------------------------------------------------

void stop_sign(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    stop_octagon(p);
}

void yield_sign(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    yield_triangle(p);
}

// --- guide -------------------------------------------------------------------------------------

void board(QPainter& p, const QRectF& r, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(r, 10, 10);
    p.setPen(QPen(ink::white, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(7, 7, -7, -7), 6, 6);
}

void parking_lot(QPainter& p, const QSize& size) {
    const QRectF box = sign_box(size, 16);
    board(p, box, ink::blue);
    text_centred(p, box.center(), QStringLiteral("P"), digit_font(int(box.height() * 0.72)),
                 ink::white);
}

void expressway_exit(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, ink::green);
    text_centred(p, {150, 76}, QStringLiteral("东城"), han_font(62), ink::white);
    text_centred(p, {150, 134}, QStringLiteral("Dongcheng"), digit_font(26), ink::white);
    text_centred(p, {310, 76}, QStringLiteral("出口"), han_font(52), ink::white);
    text_centred(p, {310, 130}, QStringLiteral("EXIT"), digit_font(30), ink::white);
    QPainterPath spine;
    spine.moveTo(388, 150);
    spine.lineTo(450, 56);
    fill_path(p, arrow_path(spine, 14, 40, 30), ink::white);
}

void direction_board(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, ink::blue);
    const double cx = size.width() / 2.0, cy = 118;
    QPainterPath up;
    up.moveTo(cx, 190);
    up.lineTo(cx, 58);
    fill_path(p, arrow_path(up, 18, 44, 28), ink::white);
    QPainterPath left;
    left.moveTo(cx, cy);
    left.lineTo(cx - 130, cy);
    fill_path(p, arrow_path(left, 18, 44, 28), ink::white);
    QPainterPath right;
    right.moveTo(cx, cy);
    right.lineTo(cx + 130, cy);
    fill_path(p, arrow_path(right, 18, 44, 28), ink::white);
    text_centred(p, {cx, 38}, QStringLiteral("人民北路"), han_font(28), ink::white);
    text_centred(p, {cx - 160, cy - 42}, QStringLiteral("西湖公园"), han_font(26), ink::white);
    text_centred(p, {cx + 170, cy - 42}, QStringLiteral("火车站"), han_font(26), ink::white);
    text_centred(p, {cx - 150, cy + 42}, QStringLiteral("长江路"), han_font(22), ink::white);
    text_centred(p, {cx + 150, cy + 42}, QStringLiteral("长江路"), han_font(22), ink::white);
}

}  // namespace

QList<PictureEntry> sign_pictures() {
    const QSize sign(210, 210);
    return {
        {"sign_speed_limit_40.png", sign, speed_limit_40},
        {"sign_no_entry.png", sign, no_entry},
        {"sign_no_parking.png", sign, no_parking},
        {"sign_no_long_parking.png", sign, no_long_parking},
        {"sign_no_horn.png", sign, no_horn},
        {"sign_no_left_turn.png", sign, no_left_turn},
        {"sign_no_u_turn.png", sign, no_u_turn},
        {"sign_warn_pedestrians.png", sign, warn_pedestrians},
        {"sign_warn_children.png", sign, warn_children},
        {"sign_warn_sharp_left.png", sign, warn_sharp_left},
        {"sign_warn_steep_descent.png", sign, warn_steep_descent},
        {"sign_warn_crossroads.png", sign, warn_crossroads},
        {"sign_warn_signals.png", sign, warn_signals},
        {"sign_warn_narrow_both.png", sign, warn_narrow_both},
        {"sign_go_straight.png", sign, go_straight},
        {"sign_turn_left.png", sign, turn_left},
        {"sign_keep_right.png", sign, keep_right},
        {"sign_roundabout.png", sign, roundabout},
        {"sign_min_speed_50.png", sign, min_speed_50},
        {"sign_stop.png", sign, stop_sign},
        {"sign_yield.png", sign, yield_sign},
        {"sign_parking_lot.png", sign, parking_lot},
        {"guide_expressway_exit.png", QSize(500, 200), expressway_exit},
        {"guide_direction.png", QSize(480, 220), direction_board},
    };
}

}  // namespace trelvo::media
