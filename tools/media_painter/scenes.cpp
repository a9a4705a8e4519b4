// Road situations as still pictures: mostly seen from above, the learner's car always red.

#include <cmath>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

CarLook own_look(double scale = 1) {
    CarLook look;
    look.body = ink::own_car;
    look.length *= scale;
    look.width *= scale;
    return look;
}

CarLook other_look(const QColor& body, double scale = 1) {
    CarLook look;
    look.body = body;
    look.length *= scale;
    look.width *= scale;
    return look;
}

void own_tag(QPainter& p, const QPointF& at) {
    label(p, at, QStringLiteral("本车"), 15, ink::own_car);
}

// --- school bus -------------------------------------------------------------------------------

void school_bus(QPainter& p, const QSize& size) {
    const double w = size.width();
    p.fillRect(QRectF(0, 0, w, 104), ink::grass);
    for (double x = 40; x < w; x += 110) tree_top(p, {x, 50}, 22);
    p.fillRect(QRectF(0, 104, w, 6), ink::kerb);
    p.fillRect(QRectF(0, 110, w, 116), ink::asphalt);
    p.fillRect(QRectF(0, 226, w, 6), ink::kerb);
    p.fillRect(QRectF(0, 232, w, 68), ink::pavement);
    solid_line(p, {0, 116}, {w, 116}, 3, ink::line_white);
    solid_line(p, {0, 220}, {w, 220}, 3, ink::line_white);
    dashed_line(p, {0, 168}, {w, 168}, 4, 34, 26, ink::line_yellow);
    // The bus stands at the ink::kerb of our lane with its hazard lamps on and its stop arm out.
    const QPointF bus(470, 194);
    bus_top(p, bus, 90, 150, 42, QColor(0xf6, 0xc0, 0x10), true, QStringLiteral("校车"));
    solid_line(p, bus + QPointF(58, -21), bus + QPointF(58, -40), 3, QColor(0x30, 0x30, 0x30));
    {
        SignSpace s(p, QRectF(bus.x() + 48, bus.y() - 60, 22, 22));
        stop_octagon(p);
    }
    const QColor shirts[] = {QColor(0xe0, 0x60, 0x40), QColor(0x40, 0x90, 0xd0),
                             QColor(0x50, 0xa0, 0x50), QColor(0xd0, 0x50, 0x90)};
    for (int i = 0; i < 4; ++i)
        person_top(p, {bus.x() + 20 - 30.0 * i, 258.0 + 12 * (i % 2)}, 180 + 20 * (i % 2), 24,
                   shirts[i], 0.25 * i);
    person_top(p, {bus.x() + 48, 244}, 200, 24, QColor(0xf0, 0xd0, 0x30), 0.5);
    car_top(p, {250, 194}, 90, own_look(1.6));
    own_tag(p, {250, 150});
    car_top(p, {120, 194}, 90, other_look(ink::grey_car, 1.6));
    car_top(p, {640, 142}, 270, other_look(ink::blue_car, 1.6));
}

// --- breakdown on the expressway --------------------------------------------------------------

void warning_triangle_top(QPainter& p, const QPointF& c, double size) {
    QPolygonF t;
    t << c + QPointF(-size * 0.5, size * 0.45) << c + QPointF(size * 0.5, size * 0.45)
      << c + QPointF(0, -size * 0.5);
    p.setPen(
        QPen(QColor(0xe0, 0x10, 0x10), size * 0.18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xe0, 0xd0));
    p.drawPolygon(t);
}

void expressway_breakdown(QPainter& p, const QSize& size) {
    const double w = size.width();
    p.fillRect(QRectF(0, 0, w, size.height()), ink::grass);
    // Opposite carriageway at the top, behind the central barrier.
    p.fillRect(QRectF(0, 0, w, 46), ink::asphalt);
    p.fillRect(QRectF(0, 46, w, 14), QColor(0x8c, 0x9a, 0x6a));
    solid_line(p, {0, 53}, {w, 53}, 4, QColor(0xd8, 0xd8, 0xd8));
    // Our carriageway: three lanes to the right and the emergency lane.
    const double top = 60, lane = 44;
    p.fillRect(QRectF(0, top, w, lane * 3 + 36), ink::asphalt);
    solid_line(p, {0, top + 4}, {w, top + 4}, 3, ink::line_yellow);
    dashed_line(p, {0, top + lane}, {w, top + lane}, 3, 40, 50, ink::line_white);
    dashed_line(p, {0, top + 2 * lane}, {w, top + 2 * lane}, 3, 40, 50, ink::line_white);
    solid_line(p, {0, top + 3 * lane}, {w, top + 3 * lane}, 4, ink::line_white);
    label(p, {620, top + 3 * lane + 18}, QStringLiteral("应急车道"), 13, QColor(0xe8, 0xe8, 0xe8),
          ink::asphalt);
    // Guardrail along the outer edge.
    const double rail = top + lane * 3 + 40;
    solid_line(p, {0, rail}, {w, rail}, 4, QColor(0xd0, 0xd0, 0xd0));
    for (double x = 10; x < w; x += 40)
        solid_line(p, {x, rail - 2}, {x, rail + 5}, 3, QColor(0x90, 0x90, 0x90));
    // Broken-down car in the right-hand lane, hazard lamps on; its people wait beyond the rail.
    CarLook broken = other_look(ink::grey_car, 1.5);
    broken.hazards = true;
    const QPointF car(600, top + lane * 2.5);
    car_top(p, car, 90, broken);
    person_top(p, {596, rail + 26}, 0, 24, QColor(0xe0, 0x60, 0x40));
    person_top(p, {628, rail + 28}, 0, 24, QColor(0x40, 0x80, 0xc0));
    // The warning triangle far behind it, and the distance left for the learner.
    const QPointF tri(150, top + lane * 2.5);
    warning_triangle_top(p, tri, 18);
    const double y = top + lane * 3 + 22;
    p.setPen(QPen(ink::white, 2));
    p.drawLine(QPointF(tri.x(), y - 8), QPointF(tri.x(), y + 8));
    p.drawLine(QPointF(car.x() - 33, y - 8), QPointF(car.x() - 33, y + 8));
    QPainterPath dim;
    dim.moveTo(tri.x() + 2, y);
    dim.lineTo(car.x() - 35, y);
    fill_path(p, arrow_path(dim, 2, 10, 10), ink::white);
    QPainterPath back;
    back.moveTo(car.x() - 35, y);
    back.lineTo(tri.x() + 2, y);
    fill_path(p, arrow_path(back, 2, 10, 10), ink::white);
    label(p, {(tri.x() + car.x()) / 2 - 16, y}, QStringLiteral("？米"), 16, ink::black,
          QColor(0xff, 0xe0, 0x40));
    // Traffic coming up behind.
    car_top(p, {40, top + lane * 1.5}, 90, other_look(ink::blue_car, 1.5));
    car_top(p, {330, top + lane * 0.5}, 90, other_look(QColor(0x50, 0x50, 0x58), 1.5));
    label(p, {80, top + lane * 0.5}, QStringLiteral("来车方向 →"), 14, ink::white, ink::asphalt);
}

// --- roundabout -------------------------------------------------------------------------------

void roundabout(QPainter& p, const QSize& size) {
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    p.fillRect(QRectF(0, 0, size.width(), size.height()), ink::grass);
    const double half = 46;  // half the width of each approach road
    p.fillRect(QRectF(c.x() - half, 0, 2 * half, size.height()), ink::asphalt);
    p.fillRect(QRectF(0, c.y() - half, size.width(), 2 * half), ink::asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::asphalt);
    p.drawEllipse(c, 170, 170);
    // Central island.
    p.setPen(QPen(ink::kerb, 6));
    p.setBrush(ink::grass);
    p.drawEllipse(c, 84, 84);
    tree_top(p, c, 30);
    // Centre lines of the approaches and the give-way lines where they meet the ring.
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(90 * i);
        solid_line(p, {0, 172}, {0, 260}, 4, ink::line_yellow);
        dashed_line(p, {2, 172}, {half, 172}, 4, 8, 6, ink::line_white);
        p.restore();
    }
    // Ring arrows: anticlockwise.
    for (int i = 0; i < 4; ++i) {
        QPainterPath spine;
        for (int k = 0; k <= 12; ++k) {
            const double a = (20 + 90 * i + 40.0 * k / 12) * pi / 180;
            const QPointF pt = c + QPointF(126 * std::cos(a), -126 * std::sin(a));
            if (k == 0)
                spine.moveTo(pt);
            else
                spine.lineTo(pt);
        }
        fill_path(p, arrow_path(spine, 5, 16, 14), QColor(0xe8, 0xe8, 0xe8));
    }
    // A car already in the ring, coming round from the learner's left; the learner waits.
    const double a = 232 * pi / 180;
    const QPointF in_ring = c + QPointF(128 * std::cos(a), -128 * std::sin(a));
    const CarLook circling = other_look(ink::blue_car, 1.5);
    car_top(p, in_ring, -232, circling);  // anticlockwise: heading is minus the angle
    const double b = 60 * pi / 180;
    car_top(p, c + QPointF(128 * std::cos(b), -128 * std::sin(b)), -60,
            other_look(ink::grey_car, 1.5));
    car_top(p, {c.x() + half / 2, c.y() + 212}, 0, own_look(1.5));
    own_tag(p, {c.x() + half / 2 + 58, c.y() + 212});
}

// --- right turn across a crosswalk -----------------------------------------------------------

void right_turn_crosswalk(QPainter& p, const QSize& size) {
    const double w = size.width(), h = size.height();
    const QPointF c(w / 2, h / 2);
    const double half = 60;
    p.fillRect(QRectF(0, 0, w, h), ink::pavement);
    for (QRectF block : {QRectF(0, 0, c.x() - half - 28, c.y() - half - 28),
                         QRectF(c.x() + half + 28, 0, w, c.y() - half - 28),
                         QRectF(0, c.y() + half + 28, c.x() - half - 28, h),
                         QRectF(c.x() + half + 28, c.y() + half + 28, w, h)})
        p.fillRect(block, ink::grass);
    p.fillRect(QRectF(c.x() - half, 0, 2 * half, h), ink::asphalt);
    p.fillRect(QRectF(0, c.y() - half, w, 2 * half), ink::asphalt);
    // Crosswalks on all four arms, stop lines before them.
    zebra(p, QRectF(c.x() - half + 4, c.y() - half - 44, 2 * half - 8, 36), true, 8, 8);
    zebra(p, QRectF(c.x() - half + 4, c.y() + half + 8, 2 * half - 8, 36), true, 8, 8);
    zebra(p, QRectF(c.x() - half - 44, c.y() - half + 4, 36, 2 * half - 8), false, 8, 8);
    zebra(p, QRectF(c.x() + half + 8, c.y() - half + 4, 36, 2 * half - 8), false, 8, 8);
    solid_line(p, {c.x(), c.y() + half + 52}, {c.x(), h}, 4, ink::line_yellow);
    solid_line(p, {c.x(), 0}, {c.x(), c.y() - half - 52}, 4, ink::line_yellow);
    solid_line(p, {0, c.y()}, {c.x() - half - 52, c.y()}, 4, ink::line_yellow);
    solid_line(p, {c.x() + half + 52, c.y()}, {w, c.y()}, 4, ink::line_yellow);
    solid_line(p, {c.x() + 2, c.y() + half + 50}, {c.x() + half, c.y() + half + 50}, 5,
               ink::line_white);
    // Traffic light for our approach: green.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(c.x() + half + 40, c.y() + half + 56, 16, 40), 3, 3);
    const QColor off(0x50, 0x50, 0x50);
    p.setBrush(off);
    p.drawEllipse(QPointF(c.x() + half + 48, c.y() + half + 64), 5, 5);
    p.drawEllipse(QPointF(c.x() + half + 48, c.y() + half + 76), 5, 5);
    p.setBrush(QColor(0x20, 0xe0, 0x60));
    p.drawEllipse(QPointF(c.x() + half + 48, c.y() + half + 88), 5, 5);
    // Pedestrians on the crosswalk of the road we turn into.
    const QColor shirts[] = {QColor(0xe0, 0x60, 0x40), QColor(0x40, 0x90, 0xd0),
                             QColor(0xd0, 0xa0, 0x20)};
    person_top(p, {c.x() + half + 28, c.y() + 34}, 0, 26, shirts[0], 0.2);
    person_top(p, {c.x() + half + 20, c.y() - 4}, 0, 26, shirts[1], 0.6);
    person_top(p, {c.x() + half + 30, c.y() - 40}, 180, 26, shirts[2], 0.4);
    // Our car starting its right turn, indicator on.
    CarLook own = own_look(1.6);
    own.right_signal = true;
    car_top(p, {c.x() + half / 2 - 2, c.y() + half + 2}, 22, own);
    own_tag(p, {c.x() - 40, c.y() + half + 62});
    QPainterPath path;
    path.moveTo(c.x() + half / 2 + 26, c.y() + half - 44);
    path.quadTo(c.x() + half / 2 + 44, c.y() + half / 2 - 4, c.x() + half + 80, c.y() + half / 2);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// --- narrow slope, side view ------------------------------------------------------------------

void car_side(QPainter& p, const QPointF& wheels_mid, double angle, bool facing_right,
              const QColor& body) {
    p.save();
    p.translate(wheels_mid);
    p.rotate(angle);
    if (!facing_right) p.scale(-1, 1);
    QPainterPath shell;
    shell.addRoundedRect(QRectF(-38, -24, 76, 16), 5, 5);
    QPolygonF cabin;
    cabin << QPointF(-30, -23) << QPointF(12, -23) << QPointF(2, -38) << QPointF(-24, -38);
    shell.addPolygon(cabin);
    fill_path(p, shell.simplified(), body);
    QPolygonF glass;
    glass << QPointF(-26, -25) << QPointF(9, -25) << QPointF(1, -35) << QPointF(-21, -35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x36, 0x44));
    p.drawPolygon(glass);
    p.setBrush(QColor(255, 250, 210));
    p.drawRect(QRectF(34, -20, 4, 5));
    p.setBrush(QColor(0x1c, 0x1c, 0x1c));
    p.drawEllipse(QPointF(-22, -7), 8, 8);
    p.drawEllipse(QPointF(22, -7), 8, 8);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawEllipse(QPointF(-22, -7), 3.5, 3.5);
    p.drawEllipse(QPointF(22, -7), 3.5, 3.5);
    p.restore();
}

void narrow_slope(QPainter& p, const QSize& size) {
    const double w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0xb8, 0xd6, 0xf0));
    sky.setColorAt(1, QColor(0xe8, 0xf2, 0xfa));
    p.fillRect(QRectF(0, 0, w, h), sky);
    // Road profile: flat at the foot, a climb, flat at the top.
    const QPointF foot(150, 186), crest(410, 70);
    QPolygonF hill;
    hill << QPointF(0, h) << QPointF(0, foot.y()) << foot << crest << QPointF(w, crest.y())
         << QPointF(w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0x7a, 0x5a));
    p.drawPolygon(hill);
    QPolygonF road;
    road << QPointF(0, foot.y()) << foot << crest << QPointF(w, crest.y());
    p.setPen(QPen(ink::asphalt, 10, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(road.translated(0, 5));
    car_side(p, {110, foot.y()}, 0, true, ink::blue_car);
    car_side(p, {462, crest.y()}, 0, false, ink::own_car);
    own_tag(p, {462, crest.y() - 56});
    label(p, {(foot.x() + crest.x()) / 2 + 40, (foot.y() + crest.y()) / 2 + 28},
          QStringLiteral("狭窄坡路"), 16, ink::white, QColor(0x70, 0x55, 0x3a));
}

// --- uncontrolled crossroads -----------------------------------------------------------------

void uncontrolled_crossing(QPainter& p, const QSize& size) {
    const double w = size.width(), h = size.height();
    const QPointF c(w / 2, h / 2);
    const double half = 40;
    p.fillRect(QRectF(0, 0, w, h), ink::grass);
    for (double x = 30; x < w; x += 90) {
        if (std::abs(x - c.x()) > half + 20) tree_top(p, {x, 22}, 14);
        if (std::abs(x + 45 - c.x()) > half + 20) tree_top(p, {x + 45, h - 22}, 14);
    }
    p.fillRect(QRectF(c.x() - half, 0, 2 * half, h), ink::asphalt);
    p.fillRect(QRectF(0, c.y() - half, w, 2 * half), ink::asphalt);
    dashed_line(p, {c.x(), c.y() + half + 4}, {c.x(), h}, 3, 16, 14, ink::line_yellow);
    dashed_line(p, {c.x(), 0}, {c.x(), c.y() - half - 4}, 3, 16, 14, ink::line_yellow);
    dashed_line(p, {0, c.y()}, {c.x() - half - 4, c.y()}, 3, 16, 14, ink::line_yellow);
    dashed_line(p, {c.x() + half + 4, c.y()}, {w, c.y()}, 3, 16, 14, ink::line_yellow);
    car_top(p, {c.x() + half / 2, c.y() + half + 42}, 0, own_look(1.3));
    own_tag(p, {c.x() + half / 2 + 48, c.y() + half + 52});
    car_top(p, {c.x() + half + 62, c.y() - half / 2}, 270, other_look(ink::blue_car, 1.3));
}

}  // namespace

QList<PictureEntry> scene_pictures() {
    return {
        {"scene_school_bus.png", QSize(700, 300), school_bus},
        {"scene_expressway_breakdown.png", QSize(720, 300), expressway_breakdown},
        {"scene_roundabout.png", QSize(640, 480), roundabout},
        {"scene_right_turn_crosswalk.png", QSize(600, 400), right_turn_crosswalk},
        {"scene_narrow_slope.png", QSize(560, 220), narrow_slope},
        {"scene_uncontrolled_crossing.png", QSize(500, 220), uncontrolled_crossing},
    };
}

}  // namespace trelvo::media
