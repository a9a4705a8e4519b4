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

// A rough rock: an irregular heptagon.
QPolygonF regular_rock(const QPointF& c, double r) {
    QPolygonF rock;
    const double bumps[] = {1.0, 0.8, 1.1, 0.9, 1.05, 0.75, 0.95};
    for (int i = 0; i < 7; ++i) {
        const double a = 2 * pi * i / 7 + 0.3;
        rock << c + QPointF(std::cos(a) * r * bumps[i], std::sin(a) * r * bumps[i]);
    }
    return rock;
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

// A steep slope with a car on it and its grade. Downhill the road falls to the right and the car
// runs down it; uphill the road climbs to the right and the car climbs it. Either way the grade
// sits in the open yellow above the low end of the slope, clear of the car.
void steep_slope(QPainter& p, const QSize& size, bool descent) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    const double top = 28, fall = 38;
    const double side = descent ? 1 : -1;  // +1: the high end is on the left
    const double slope = std::atan2(fall, 100.0) * 180 / pi;
    const double high = top - fall * 0.04, low = top + fall * 1.04;
    QPolygonF hill;
    hill << QPointF(-52, 68) << QPointF(52, 68) << QPointF(52, descent ? low : high)
         << QPointF(-52, descent ? high : low);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawPolygon(hill);
    p.save();
    p.translate(-24 * side, top + fall * 0.27 - 1);
    p.rotate(slope * side);
    // Side view facing right: bonnet in front, cabin towards the back.
    QPainterPath car;
    car.addRoundedRect(QRectF(-25, -19, 50, 13), 4, 4);
    QPolygonF cabin;
    cabin << QPointF(-20, -18) << QPointF(8, -18) << QPointF(0, -31) << QPointF(-16, -31);
    car.addPolygon(cabin);
    car.addEllipse(QPointF(-14, -6), 6.5, 6.5);
    car.addEllipse(QPointF(14, -6), 6.5, 6.5);
    fill_path(p, car.simplified(), ink::black);
    p.restore();
    text_centred(p, {30 * side, 38}, QStringLiteral("10%"), digit_font(17), ink::black);
}

void warn_steep_descent(QPainter& p, const QSize& size) {
    steep_slope(p, size, true);
}

void warn_steep_ascent(QPainter& p, const QSize& size) {
    steep_slope(p, size, false);
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

// --- more prohibition ----------------------------------------------------------------------------

// Draws `draw` mirrored left to right: the right-hand twin of a left-hand sign.
template <void (*draw)(QPainter&, const QSize&)>
void mirrored(QPainter& p, const QSize& size) {
    p.save();
    p.translate(size.width(), 0);
    p.scale(-1, 1);
    draw(p, size);
    p.restore();
}

void no_vehicles(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
}

void no_right_turn(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    p.save();
    p.scale(-1, 1);
    fill_path(p, arrow_path(left_turn_spine(16, 62, -20, -62), 20, 52, 32), ink::black);
    p.restore();
    prohibition_bar(p);
}

QPainterPath straight_spine(double bottom, double top) {
    QPainterPath spine;
    spine.moveTo(0, bottom);
    spine.lineTo(0, top);
    return spine;
}

void no_straight(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    fill_path(p, arrow_path(straight_spine(64, -66), 22, 56, 36), ink::black);
    prohibition_bar(p);
}

// A stem from the bottom that branches left and right at `branch_y`.
QPainterPath both_ways(double branch_y, double reach, double shaft, double head, double head_len) {
    QPainterPath stem;
    stem.addRect(QRectF(-shaft / 2, branch_y - shaft / 2, shaft, 66 - branch_y + shaft / 2));
    QPainterPath left, right;
    left.moveTo(0, branch_y);
    left.lineTo(-reach, branch_y);
    right.moveTo(0, branch_y);
    right.lineTo(reach, branch_y);
    return stem.united(arrow_path(left, shaft, head, head_len))
        .united(arrow_path(right, shaft, head, head_len));
}

void no_left_right(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    fill_path(p, both_ways(-8, 66, 18, 46, 28), ink::black);
    prohibition_bar(p);
}

void no_straight_left(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    const QPainterPath up = arrow_path(straight_spine(64, -66), 18, 46, 30);
    QPainterPath left;
    left.moveTo(0, 22);
    left.quadTo(0, 4, -20, 4);
    left.lineTo(-66, 4);
    fill_path(p, up.united(arrow_path(left, 18, 46, 30)), ink::black);
    prohibition_bar(p);
}

void end_speed_limit_40(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setBrush(ink::white);
    p.drawEllipse(QPointF(0, 0), 94, 94);
    text_centred(p, {0, 0}, QStringLiteral("40"), digit_font(92), QColor(0x8c, 0x8c, 0x8c));
    // The band of thin black strokes running from top right to bottom left.
    p.save();
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), 94, 94);
    p.setClipPath(inner);
    p.rotate(-45);
    p.setBrush(ink::black);
    for (int i = -2; i <= 2; ++i) p.drawRect(QRectF(-100, i * 9.0 - 2, 200, 4));
    p.restore();
}

void limit_arrowheads(QPainter& p, bool vertical) {
    // Black arrowheads pointing in at the figure from both sides.
    for (double side : {-1.0, 1.0}) {
        QPolygonF head;
        if (vertical)
            head << QPointF(-14, side * 68) << QPointF(14, side * 68) << QPointF(0, side * 48);
        else
            head << QPointF(side * 68, -14) << QPointF(side * 68, 14) << QPointF(side * 48, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(ink::black);
        p.drawPolygon(head);
    }
}

void height_limit(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("3.5m"), digit_font(50), ink::black);
    limit_arrowheads(p, true);
}

void width_limit(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("3m"), digit_font(58), ink::black);
    limit_arrowheads(p, false);
}

void weight_limit(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("10t"), digit_font(74), ink::black);
}

// --- more warning --------------------------------------------------------------------------------

void warn_reverse_curve(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    // The road bends left first, then right.
    QPainterPath spine;
    spine.moveTo(16, 68);
    spine.lineTo(16, 54);
    spine.cubicTo(16, 36, -18, 40, -18, 20);
    spine.cubicTo(-18, 2, 14, 4, 14, -16);
    spine.lineTo(14, -22);
    fill_path(p, arrow_path(spine, 14, 36, 22), ink::black);
}

void warn_narrow_right(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    limb(p, {QPointF(-30, 66), QPointF(-30, -12)}, 11);
    limb(p, {QPointF(34, 66), QPointF(34, 42), QPointF(10, 18), QPointF(10, -12)}, 11);
}

void warn_narrow_bridge(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    for (double side : {-1.0, 1.0})
        limb(p,
             {QPointF(side * 40, 66), QPointF(side * 20, 48), QPointF(side * 20, 4),
              QPointF(side * 40, -14)},
             11);
}

void warn_two_way(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    // Traffic keeps right: ours goes up on the right, the oncoming comes down on the left.
    QPainterPath up, down;
    up.moveTo(18, 66);
    up.lineTo(18, -16);
    down.moveTo(-18, -16);
    down.lineTo(-18, 66);
    fill_path(p, arrow_path(up, 13, 34, 24).united(arrow_path(down, 13, 34, 24)), ink::black);
}

void warn_t_junction(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawRect(QRectF(-46, -2, 92, 18));
    p.drawRect(QRectF(-9, 14, 18, 54));
}

void warn_slow(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    text_centred(p, {0, 30}, QStringLiteral("慢"), han_font(62), ink::black);
}

void warn_danger(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    QPolygonF bar;
    bar << QPointF(-9, -22) << QPointF(9, -22) << QPointF(5, 40) << QPointF(-5, 40);
    p.drawPolygon(bar);
    p.drawEllipse(QPointF(0, 57), 9, 9);
}

void warn_bumpy(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    QPainterPath road;
    road.moveTo(-50, 60);
    road.lineTo(-50, 44);
    road.cubicTo(-40, 44, -36, 20, -22, 20);
    road.cubicTo(-8, 20, -6, 44, 0, 44);
    road.cubicTo(6, 44, 8, 20, 22, 20);
    road.cubicTo(36, 20, 40, 44, 50, 44);
    road.lineTo(50, 60);
    road.closeSubpath();
    fill_path(p, road, ink::black);
}

void warn_tunnel(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    QPainterPath portal;
    portal.moveTo(-46, 66);
    portal.lineTo(-46, 14);
    portal.arcTo(QRectF(-46, -32, 92, 92), 180, -180);
    portal.lineTo(46, 66);
    portal.closeSubpath();
    QPainterPath bore;
    bore.moveTo(-28, 66);
    bore.lineTo(-28, 18);
    bore.arcTo(QRectF(-28, -10, 56, 56), 180, -180);
    bore.lineTo(28, 66);
    bore.closeSubpath();
    fill_path(p, portal.subtracted(bore), ink::black);
}

QPainterPath bicycle(const QPointF& at, double k) {
    auto pt = [&](double x, double y) { return at + QPointF(x * k, y * k); };
    QPainterPath wheels;
    wheels.addEllipse(pt(-30, 0), 18 * k, 18 * k);
    wheels.addEllipse(pt(30, 0), 18 * k, 18 * k);
    QPainterPathStroker thick;
    thick.setWidth(6 * k);
    thick.setCapStyle(Qt::RoundCap);
    thick.setJoinStyle(Qt::RoundJoin);
    QPainterPath frame;
    frame.moveTo(pt(-30, 0));
    frame.lineTo(pt(-6, 0));
    frame.lineTo(pt(18, -24));
    frame.lineTo(pt(-14, -24));
    frame.lineTo(pt(-30, 0));
    frame.moveTo(pt(-6, 0));
    frame.lineTo(pt(-16, -32));
    frame.moveTo(pt(-24, -32));
    frame.lineTo(pt(-8, -32));  // saddle
    frame.moveTo(pt(30, 0));
    frame.lineTo(pt(16, -36));
    frame.lineTo(pt(24, -40));  // handlebar
    return thick.createStroke(wheels).united(thick.createStroke(frame));
}

void warn_non_motor(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    fill_path(p, bicycle({0, 48}, 1.15), ink::black);
}

void warn_crosswind(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    limb(p, {QPointF(-34, 66), QPointF(-34, -14)}, 7);
    // The windsock blows out to the right, striped, narrowing towards its tail.
    QPolygonF sock;
    sock << QPointF(-31, -16) << QPointF(40, -4) << QPointF(40, 8) << QPointF(-31, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawPolygon(sock);
    p.setBrush(ink::yellow);
    for (double x : {-8.0, 18.0}) {
        QPolygonF gap;
        const double h0 = 15 - (x + 31) * 0.16, h1 = 15 - (x + 10 + 31) * 0.16;
        gap << QPointF(x, -h0) << QPointF(x + 10, -h1) << QPointF(x + 10, h1 - 2)
            << QPointF(x, h0 - 2);
        p.drawPolygon(gap);
    }
}

void warn_rockfall(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    // The cliff stands on the left; rocks fall towards the road on the right.
    QPolygonF cliff;
    cliff << QPointF(-50, 66) << QPointF(-50, -10) << QPointF(-30, -26) << QPointF(-20, 0)
          << QPointF(-26, 30) << QPointF(-14, 66);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawPolygon(cliff);
    p.drawRect(QRectF(-14, 60, 64, 6));
    const QPointF rocks[] = {{4, -2}, {18, 22}, {6, 44}, {30, 48}};
    const double radii[] = {7, 9, 8, 10};
    for (int i = 0; i < 4; ++i) p.drawPolygon(regular_rock(rocks[i], radii[i]));
}

void warn_guarded_crossing(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    warning_triangle(p);
    // A railway gate: posts and rails of a fence across the road.
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    for (double x : {-44.0, -15.0, 15.0, 44.0}) p.drawRect(QRectF(x - 4, 2, 8, 64));
    p.drawRect(QRectF(-50, 12, 100, 9));
    p.drawRect(QRectF(-50, 38, 100, 9));
}

// --- more mandatory ------------------------------------------------------------------------------

void straight_or_left(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    const QPainterPath up = arrow_path(straight_spine(68, -70), 24, 62, 40);
    QPainterPath left;
    left.moveTo(0, 28);
    left.quadTo(0, 6, -24, 6);
    left.lineTo(-74, 6);
    fill_path(p, up.united(arrow_path(left, 24, 62, 38)), ink::white);
}

void left_or_right(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    fill_path(p, both_ways(-6, 76, 24, 60, 36), ink::white);
}

void pass_either_side(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    QPainterPath left, right;
    left.moveTo(0, -52);
    left.lineTo(-54, 44);
    right.moveTo(0, -52);
    right.lineTo(54, 44);
    fill_path(p, arrow_path(left, 22, 58, 38).united(arrow_path(right, 22, 58, 38)), ink::white);
}

void sound_horn(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    QTransform bigger;
    bigger.scale(1.25, 1.25);
    fill_path(p, bigger.map(horn_shape()), ink::white);
}

void walk_only(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    walker(p, {4, 70}, 140, ink::white);
}

void bicycles_only(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    fill_path(p, bicycle({0, 34}, 1.45), ink::white);
}

void u_turn_allowed(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    QPainterPath spine;
    spine.moveTo(30, 66);
    spine.lineTo(30, -14);
    spine.arcTo(QRectF(-34, -46, 64, 64), 0, 180);
    spine.lineTo(-34, 46);
    fill_path(p, arrow_path(spine, 22, 56, 36), ink::white);
}

// --- guide, tourist and auxiliary --------------------------------------------------------------

void service_area(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, ink::green);
    text_centred(p, {170, 78}, QStringLiteral("服务区"), han_font(64), ink::white);
    text_centred(p, {170, 140}, QStringLiteral("Service Area"), digit_font(26), ink::white);
    text_centred(p, {390, 104}, QStringLiteral("2 km"), digit_font(52), ink::white);
}

void toll_station(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, ink::green);
    text_centred(p, {170, 78}, QStringLiteral("收费站"), han_font(64), ink::white);
    text_centred(p, {170, 140}, QStringLiteral("Toll Gate"), digit_font(26), ink::white);
    text_centred(p, {390, 104}, QStringLiteral("1 km"), digit_font(52), ink::white);
}

void distance_board(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, ink::green);
    const struct {
        const char* place;
        const char* km;
    } rows[] = {{"东城", "25 km"}, {"南湖", "60 km"}, {"北山", "118 km"}};
    for (int i = 0; i < 3; ++i) {
        const double y = 56 + 56 * i;
        text_centred(p, {140, y}, QString::fromUtf8(rows[i].place), han_font(40), ink::white);
        text_centred(p, {330, y}, QString::fromLatin1(rows[i].km), digit_font(36), ink::white);
    }
}

const QColor tourist_brown(0x7a, 0x3e, 0x1c);

void tourist_direction(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, tourist_brown);
    text_centred(p, {280, 80}, QStringLiteral("西山风景区"), han_font(56), ink::white);
    text_centred(p, {280, 140}, QStringLiteral("Xishan Scenic Area"), digit_font(24), ink::white);
    QPainterPath left;
    left.moveTo(110, 104);
    left.lineTo(30, 104);
    fill_path(p, arrow_path(left, 20, 52, 34), ink::white);
}

void tourist_distance(QPainter& p, const QSize& size) {
    const QRectF r(10, 10, size.width() - 20, size.height() - 20);
    board(p, r, tourist_brown);
    text_centred(p, {190, 80}, QStringLiteral("西山风景区"), han_font(56), ink::white);
    text_centred(p, {190, 140}, QStringLiteral("Xishan Scenic Area"), digit_font(24), ink::white);
    text_centred(p, {420, 104}, QStringLiteral("3 km"), digit_font(52), ink::white);
}

void tourist_camping(QPainter& p, const QSize& size) {
    const QRectF box = sign_box(size, 16);
    board(p, box, tourist_brown);
    const QPointF c = box.center();
    QPolygonF tent;
    tent << c + QPointF(0, -56) << c + QPointF(64, 40) << c + QPointF(-64, 40);
    QPolygonF door;
    door << c + QPointF(0, -6) << c + QPointF(22, 40) << c + QPointF(-22, 40);
    QPainterPath shape;
    shape.addPolygon(tent);
    QPainterPath gap;
    gap.addPolygon(door);
    fill_path(p, shape.subtracted(gap), ink::white);
    p.fillRect(QRectF(c.x() - 72, c.y() + 40, 144, 7), ink::white);
}

// A sign on its post with a white auxiliary plate under it.
void with_plate(QPainter& p, const QSize& size, void (*sign)(QPainter&, const QSize&),
                const QString& text, bool han, int pixels) {
    const QSize sign_size(size.width(), size.width());
    p.fillRect(QRectF(size.width() / 2.0 - 4, 0, 8, size.height()), QColor(0x9a, 0xa0, 0xa6));
    sign(p, sign_size);
    const QRectF plate(22, sign_size.height() + 8, size.width() - 44, 64);
    p.setPen(QPen(ink::black, 4));
    p.setBrush(ink::white);
    p.drawRoundedRect(plate, 6, 6);
    text_centred(p, plate.center(), text, han ? han_font(pixels) : digit_font(pixels), ink::black);
}

void aux_time(QPainter& p, const QSize& size) {
    with_plate(p, size, no_left_turn, QStringLiteral("7:00-19:00"), false, 27);
}

void aux_distance(QPainter& p, const QSize& size) {
    with_plate(p, size, warn_children, QStringLiteral("前方150米"), true, 30);
}

void aux_vehicle(QPainter& p, const QSize& size) {
    with_plate(p, size, no_long_parking, QStringLiteral("货车"), true, 40);
}

void speed_limit_30(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("30"), digit_font(92), ink::black);
}

void speed_limit_80(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    prohibition_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("80"), digit_font(92), ink::black);
}

void min_speed_60(QPainter& p, const QSize& size) {
    SignSpace s(p, sign_box(size));
    mandatory_disc(p);
    text_centred(p, {0, 0}, QStringLiteral("60"), digit_font(92), ink::white);
}

void one_way_straight(QPainter& p, const QSize& size) {
    const QRectF box(size.width() / 2.0 - 60, 10, 120, size.height() - 20);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::blue);
    p.drawRoundedRect(box, 8, 8);
    QPainterPath up;
    up.moveTo(box.center().x(), box.bottom() - 22);
    up.lineTo(box.center().x(), box.top() + 18);
    fill_path(p, arrow_path(up, 30, 80, 56), ink::white);
}

void one_way_right(QPainter& p, const QSize& size) {
    const QRectF box(10, size.height() / 2.0 - 60, size.width() - 20, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::blue);
    p.drawRoundedRect(box, 8, 8);
    QPainterPath right;
    right.moveTo(box.left() + 22, box.center().y());
    right.lineTo(box.right() - 18, box.center().y());
    fill_path(p, arrow_path(right, 30, 80, 56), ink::white);
}

// Lane directions over a three-lane approach: left, straight, straight or right.
void lane_directions(QPainter& p, const QSize& size) {
    const QRectF box(10, 10, size.width() - 20, size.height() - 20);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::blue);
    p.drawRoundedRect(box, 8, 8);
    const double lane = box.width() / 3;
    for (int i = 1; i < 3; ++i)
        dashed_line(p, {box.left() + lane * i, box.top() + 14},
                    {box.left() + lane * i, box.bottom() - 14}, 5, 16, 12, ink::white);
    const double bottom = box.bottom() - 18, top = box.top() + 22;
    auto x = [&](int i) { return box.left() + lane * (i + 0.5); };
    QPainterPath left;
    left.moveTo(x(0) + 14, bottom);
    left.lineTo(x(0) + 14, top + 50);
    left.quadTo(x(0) + 14, top + 30, x(0) - 6, top + 30);
    left.lineTo(x(0) - 36, top + 30);
    fill_path(p, arrow_path(left, 16, 42, 26), ink::white);
    QPainterPath up;
    up.moveTo(x(1), bottom);
    up.lineTo(x(1), top);
    fill_path(p, arrow_path(up, 16, 42, 26), ink::white);
    QPainterPath up2, right;
    up2.moveTo(x(2) - 10, bottom);
    up2.lineTo(x(2) - 10, top);
    right.moveTo(x(2) - 10, top + 70);
    right.quadTo(x(2) - 10, top + 50, x(2) + 10, top + 50);
    right.lineTo(x(2) + 38, top + 50);
    fill_path(p, arrow_path(up2, 16, 42, 26).united(arrow_path(right, 16, 42, 26)), ink::white);
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
        {"sign_no_vehicles.png", sign, no_vehicles},
        {"sign_no_right_turn.png", sign, no_right_turn},
        {"sign_no_straight.png", sign, no_straight},
        {"sign_no_left_right.png", sign, no_left_right},
        {"sign_no_straight_left.png", sign, no_straight_left},
        {"sign_end_speed_limit_40.png", sign, end_speed_limit_40},
        {"sign_height_limit.png", sign, height_limit},
        {"sign_width_limit.png", sign, width_limit},
        {"sign_weight_limit.png", sign, weight_limit},
        {"sign_warn_sharp_right.png", sign, mirrored<warn_sharp_left>},
        {"sign_warn_steep_ascent.png", sign, warn_steep_ascent},
        {"sign_warn_reverse_curve.png", sign, warn_reverse_curve},
        {"sign_warn_narrow_right.png", sign, warn_narrow_right},
        {"sign_warn_narrow_bridge.png", sign, warn_narrow_bridge},
        {"sign_warn_two_way.png", sign, warn_two_way},
        {"sign_warn_t_junction.png", sign, warn_t_junction},
        {"sign_warn_slow.png", sign, warn_slow},
        {"sign_warn_danger.png", sign, warn_danger},
        {"sign_warn_bumpy.png", sign, warn_bumpy},
        {"sign_warn_tunnel.png", sign, warn_tunnel},
        {"sign_warn_non_motor.png", sign, warn_non_motor},
        {"sign_warn_crosswind.png", sign, warn_crosswind},
        {"sign_warn_rockfall.png", sign, warn_rockfall},
        {"sign_warn_guarded_crossing.png", sign, warn_guarded_crossing},
        {"sign_turn_right.png", sign, mirrored<turn_left>},
        {"sign_keep_left.png", sign, mirrored<keep_right>},
        {"sign_straight_or_left.png", sign, straight_or_left},
        {"sign_straight_or_right.png", sign, mirrored<straight_or_left>},
        {"sign_left_or_right.png", sign, left_or_right},
        {"sign_pass_either_side.png", sign, pass_either_side},
        {"sign_sound_horn.png", sign, sound_horn},
        {"sign_walk.png", sign, walk_only},
        {"sign_bicycles.png", sign, bicycles_only},
        {"sign_u_turn.png", sign, u_turn_allowed},
        {"guide_service_area.png", QSize(500, 200), service_area},
        {"guide_toll_station.png", QSize(500, 200), toll_station},
        {"guide_distance.png", QSize(440, 210), distance_board},
        {"tourist_direction.png", QSize(500, 200), tourist_direction},
        {"tourist_distance.png", QSize(520, 200), tourist_distance},
        {"tourist_camping.png", sign, tourist_camping},
        {"aux_time.png", QSize(210, 290), aux_time},
        {"aux_distance.png", QSize(210, 290), aux_distance},
        {"aux_vehicle.png", QSize(210, 290), aux_vehicle},
        {"sign_speed_limit_80.png", sign, speed_limit_80},
        {"sign_speed_limit_30.png", sign, speed_limit_30},
        {"sign_min_speed_60.png", sign, min_speed_60},
        {"sign_one_way_straight.png", QSize(160, 230), one_way_straight},
        {"sign_one_way_right.png", QSize(260, 160), one_way_right},
        {"sign_lane_directions.png", QSize(330, 230), lane_directions},
    };
}

}  // namespace trelvo::media
