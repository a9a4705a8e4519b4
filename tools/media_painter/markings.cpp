// Road markings seen from above: lane arrows, crosswalk warning diamonds, the yellow box grid,
// stop and yield lines and the three kinds of centre line.

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

void ground(QPainter& p, const QSize& size, const QColor& colour) {
    p.fillRect(QRectF(0, 0, size.width(), size.height()), colour);
}

// A road strip running up the picture between x0 and x1, with kerbs.
void road_up(QPainter& p, double x0, double x1, double height) {
    p.fillRect(QRectF(x0, 0, x1 - x0, height), ink::asphalt);
    p.fillRect(QRectF(x0 - 4, 0, 4, height), ink::kerb);
    p.fillRect(QRectF(x1, 0, 4, height), ink::kerb);
}

void road_across(QPainter& p, double y0, double y1, double width) {
    p.fillRect(QRectF(0, y0, width, y1 - y0), ink::asphalt);
    p.fillRect(QRectF(0, y0 - 4, width, 4), ink::kerb);
    p.fillRect(QRectF(0, y1, width, 4), ink::kerb);
}

QPainterPath straight_arrow(double x, double bottom, double top) {
    QPainterPath spine;
    spine.moveTo(x, bottom);
    spine.lineTo(x, top);
    return arrow_path(spine, 7, 22, 22);
}

// Lane arrows of the road surface: a long stem and a turning branch near the stop line.
QPainterPath turn_arrow(double x, double bottom, double turn_y, double side) {
    QPainterPath spine;
    spine.moveTo(x, bottom);
    spine.lineTo(x, turn_y + 18);
    spine.quadTo(x, turn_y, x + side * 14, turn_y);
    spine.lineTo(x + side * 30, turn_y);
    return arrow_path(spine, 7, 22, 18);
}

void lane_arrows(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double h = size.height();
    road_up(p, 14, 436, h);
    // Oncoming lanes on the left, ours on the right of the double yellow line.
    dashed_line(p, {92, 60}, {92, h}, 3, 26, 22, ink::line_white);
    solid_line(p, {172, 46}, {172, h}, 3, ink::line_yellow);
    solid_line(p, {180, 46}, {180, h}, 3, ink::line_yellow);
    zebra(p, QRectF(18, 6, 414, 30), true, 10, 10);
    solid_line(p, {184, 48}, {436, 48}, 7, ink::line_white);  // stop line
    for (double x : {268.0, 352.0}) solid_line(p, {x, 48}, {x, h}, 3, ink::line_white);
    fill_path(p, turn_arrow(226, 196, 108, -1), ink::line_white);
    fill_path(p, straight_arrow(310, 196, 84), ink::line_white);
    fill_path(p, straight_arrow(394, 196, 84).united(turn_arrow(394, 196, 124, 1)),
              ink::line_white);
    for (int i = 0; i < 3; ++i)
        text_centred(p, {226.0 + 84 * i, 212}, QString::number(i + 1), digit_font(14),
                     QColor(0xf0, 0xf0, 0xf0));
}

void crosswalk_ahead(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double h = size.height();
    p.fillRect(QRectF(96, 0, 28, h), ink::pavement);
    p.fillRect(QRectF(276, 0, 28, h), ink::pavement);
    road_up(p, 128, 272, h);
    dashed_line(p, {200, 70}, {200, h}, 3, 22, 18, ink::line_yellow);
    zebra(p, QRectF(132, 14, 136, 40), true, 9, 9);
    solid_line(p, {202, 64}, {272, 64}, 5, ink::line_white);
    for (double y : {120.0}) {
        QPolygonF diamond;
        diamond << QPointF(237, y - 34) << QPointF(251, y) << QPointF(237, y + 34)
                << QPointF(223, y);
        p.setPen(QPen(ink::line_white, 4));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(diamond);
    }
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {237, 196}, 0, own);
}

void yellow_grid(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width();
    // A fire station gate on the far side of the road.
    p.fillRect(QRectF(0, 0, w, 52), QColor(0xd8, 0xd0, 0xc0));
    p.fillRect(QRectF(130, 0, 140, 52), QColor(0xb0, 0xb0, 0xa8));
    p.fillRect(QRectF(40, 6, 80, 38), QColor(0xc8, 0x40, 0x38));
    p.fillRect(QRectF(280, 6, 80, 38), QColor(0xc8, 0x40, 0x38));
    label(p, {200, 24}, QStringLiteral("消防站"), 18, ink::black, QColor(0xf0, 0xf0, 0xe8));
    road_across(p, 62, 206, w);
    solid_line(p, {0, 134}, {w, 134}, 3, ink::line_yellow);
    dashed_line(p, {0, 98}, {w, 98}, 3, 24, 20, ink::line_white);
    dashed_line(p, {0, 170}, {w, 170}, 3, 24, 20, ink::line_white);
    // The grid: a yellow frame with crossing diagonals.
    const QRectF box(130, 66, 140, 136);
    p.save();
    p.setClipRect(box);
    p.setPen(QPen(ink::line_yellow, 3));
    for (double d = -box.height(); d < box.width() + box.height(); d += 22) {
        p.drawLine(QPointF(box.left() + d, box.top()),
                   QPointF(box.left() + d + box.height(), box.bottom()));
        p.drawLine(QPointF(box.left() + d, box.bottom()),
                   QPointF(box.left() + d + box.height(), box.top()));
    }
    p.restore();
    p.setPen(QPen(ink::line_yellow, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    CarLook car;
    car_top(p, {60, 188}, 90, car);
}

void stop_line(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double h = size.height();
    road_up(p, 80, 320, h);
    road_across(p, 0, 60, size.width());
    p.fillRect(QRectF(80, 0, 240, 64), ink::asphalt);
    zebra(p, QRectF(84, 70, 232, 36), true, 9, 9);
    solid_line(p, {196, 118}, {196, h}, 3, ink::line_yellow);
    solid_line(p, {204, 118}, {204, h}, 3, ink::line_yellow);
    solid_line(p, {262, 122}, {262, h}, 3, ink::line_white);
    solid_line(p, {138, 122}, {138, h}, 3, ink::line_white);
    solid_line(p, {206, 120}, {320, 120}, 8, ink::line_white);
    fill_path(p, straight_arrow(233, 210, 150), ink::line_white);
    fill_path(p, straight_arrow(291, 210, 150).united(turn_arrow(291, 210, 168, 1)),
              ink::line_white);
}

// A two-lane road across the picture with a red car heading right in the lower lane and an
// oncoming car in the upper lane; `centre` paints the line between them.
template <typename Centre>
void two_way_road(QPainter& p, const QSize& size, Centre centre) {
    ground(p, size, ink::grass);
    const double w = size.width();
    road_across(p, 46, 174, w);
    solid_line(p, {0, 54}, {w, 54}, 3, ink::line_white);
    solid_line(p, {0, 166}, {w, 166}, 3, ink::line_white);
    centre(w);
    CarLook oncoming;
    car_top(p, {300, 82}, 270, oncoming);
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {110, 138}, 90, own);
}

void centre_dashed(QPainter& p, const QSize& size) {
    two_way_road(p, size, [&](double w) {
        dashed_line(p, {0, 110}, {w, 110}, 4, 30, 24, ink::line_yellow, 10);
    });
}

void centre_double_solid(QPainter& p, const QSize& size) {
    two_way_road(p, size, [&](double w) {
        solid_line(p, {0, 105}, {w, 105}, 4, ink::line_yellow);
        solid_line(p, {0, 115}, {w, 115}, 4, ink::line_yellow);
    });
}

void centre_solid_dashed(QPainter& p, const QSize& size) {
    two_way_road(p, size, [&](double w) {
        solid_line(p, {0, 105}, {w, 105}, 4, ink::line_yellow);
        dashed_line(p, {0, 115}, {w, 115}, 4, 30, 24, ink::line_yellow, 10);
    });
}

void yield_line(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double w = size.width(), h = size.height();
    p.fillRect(QRectF(146, 110, 108, h - 110), ink::kerb);
    p.fillRect(QRectF(150, 100, 100, h - 100), ink::asphalt);
    road_across(p, 12, 112, w);
    p.fillRect(QRectF(150, 100, 100, 20), ink::asphalt);
    dashed_line(p, {0, 62}, {w, 62}, 3, 26, 20, ink::line_yellow);
    solid_line(p, {200, 150}, {200, h}, 3, ink::line_yellow);
    // Two dashed lines across our lane where it meets the main road, and the triangle before them.
    dashed_line(p, {202, 121}, {250, 121}, 5, 10, 6, ink::line_white);
    dashed_line(p, {202, 134}, {250, 134}, 5, 10, 6, ink::line_white);
    QPolygonF triangle;
    triangle << QPointF(210, 150) << QPointF(242, 150) << QPointF(226, 190);
    p.setPen(QPen(ink::line_white, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(triangle);
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {226, 214}, 0, own);
    // Traffic keeps right: the near lane of the main road runs to the right, the far lane to the
    // left. The car coming from the left in the near lane is the one to yield to.
    CarLook near_lane;
    car_top(p, {96, 88}, 90, near_lane);
    CarLook far_lane;
    far_lane.body = ink::grey_car;
    car_top(p, {318, 37}, 270, far_lane);
}

void centre_single_solid(QPainter& p, const QSize& size) {
    two_way_road(p, size, [&](double w) {
        solid_line(p, {0, 110}, {w, 110}, 4, ink::line_yellow);
    });
}

// Three lanes of one direction running up the picture; the red car in the middle lane.
void three_lanes_up(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double h = size.height();
    road_up(p, 110, 290, h);
    for (double x : {170.0, 230.0}) dashed_line(p, {x, 0}, {x, h}, 3, 22, 18, ink::line_white);
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {200, 150}, 0, own);
    CarLook other;
    car_top(p, {260, 60}, 0, other);
}

void lane_dashed(QPainter& p, const QSize& size) {
    three_lanes_up(p, size);
}

void yellow_kerb(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width();
    road_across(p, 40, 180, w);
    dashed_line(p, {0, 110}, {w, 110}, 3, 26, 20, ink::line_yellow);
    // The solid yellow line along the kerb on our side.
    solid_line(p, {0, 172}, {w, 172}, 4, ink::line_yellow);
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {150, 142}, 90, own);
    for (double x : {60.0, 250.0, 330.0}) tree_top(p, {x, 204}, 14);
}

void bus_lane(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double h = size.height();
    road_up(p, 90, 330, h);
    dashed_line(p, {170, 0}, {170, h}, 3, 22, 18, ink::line_white);
    // The bus lane on the right, edged by a yellow dashed line and marked in yellow.
    dashed_line(p, {250, 0}, {250, h}, 4, 26, 14, ink::line_yellow);
    label(p, {290, 70}, QStringLiteral("公交"), 26, ink::line_yellow, ink::asphalt);
    label(p, {290, 104}, QStringLiteral("专用"), 26, ink::line_yellow, ink::asphalt);
    bus_top(p, {290, 180}, 0, 78, 26, QColor(0x2a, 0x9a, 0x5a));
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {210, 160}, 0, own);
}

void left_turn_waiting(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width(), h = size.height();
    road_up(p, 100, 340, h);
    road_across(p, 20, 110, w);
    p.fillRect(QRectF(100, 16, 240, 98), ink::asphalt);
    solid_line(p, {216, 150}, {216, h}, 3, ink::line_yellow);
    solid_line(p, {224, 150}, {224, h}, 3, ink::line_yellow);
    solid_line(p, {282, 150}, {282, h}, 3, ink::line_white);
    solid_line(p, {226, 150}, {340, 150}, 6, ink::line_white);  // stop line
    // The waiting area: two dashed lines from our left-turn lane into the junction, closed by a
    // dashed line of its own.
    dashed_line(p, {226, 146}, {214, 70}, 3, 10, 8, ink::line_white);
    dashed_line(p, {282, 146}, {262, 70}, 3, 10, 8, ink::line_white);
    dashed_line(p, {214, 70}, {262, 70}, 3, 10, 8, ink::line_white);
    label(p, {240, 92}, QStringLiteral("左弯待转区"), 12, ink::line_white, ink::asphalt);
    fill_path(p, turn_arrow(254, 214, 172, -1), ink::line_white);
    fill_path(p, straight_arrow(312, 214, 164), ink::line_white);
}

void deceleration_lines(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double h = size.height();
    road_up(p, 110, 290, h);
    dashed_line(p, {200, 0}, {200, h}, 3, 22, 18, ink::line_yellow);
    // Transverse dashed lines across our lane, closer together nearer the hazard.
    double y = 170;
    for (double gap : {30.0, 26.0, 22.0, 18.0, 15.0})
        dashed_line(p, {204, y}, {288, y}, 5, 10, 6, ink::line_white), y -= gap;
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {246, 200}, 0, own);
}

void lane_solid(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width(), h = size.height();
    road_up(p, 100, 340, h);
    road_across(p, 8, 60, w);
    p.fillRect(QRectF(100, 4, 240, 60), ink::asphalt);
    solid_line(p, {216, 74}, {216, h}, 3, ink::line_yellow);
    solid_line(p, {224, 74}, {224, h}, 3, ink::line_yellow);
    // Near the stop line the lane lines turn from dashed to solid.
    solid_line(p, {282, 74}, {282, 170}, 3, ink::line_white);
    dashed_line(p, {282, 170}, {282, h}, 3, 18, 14, ink::line_white);
    solid_line(p, {226, 74}, {340, 74}, 6, ink::line_white);
    fill_path(p, turn_arrow(254, 150, 100, -1), ink::line_white);
    fill_path(p, straight_arrow(312, 150, 96), ink::line_white);
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {312, 196}, 0, own);
}

void crosswalk_lines(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width();
    road_across(p, 40, 180, w);
    dashed_line(p, {0, 110}, {w, 110}, 3, 26, 20, ink::line_yellow);
    zebra(p, QRectF(170, 44, 60, 132), false, 10, 10);
    const QColor shirts[] = {QColor(0xe0, 0x60, 0x40), QColor(0x40, 0x90, 0xd0)};
    person_top(p, {200, 80}, 180, 22, shirts[0], 0.3);
    person_top(p, {196, 150}, 0, 22, shirts[1], 0.7);
    CarLook own;
    own.body = ink::own_car;
    own.brake = true;
    car_top(p, {120, 145}, 90, own);
}

// --- situations on the road --------------------------------------------------------------------

void wrong_side(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double w = size.width();
    road_across(p, 46, 174, w);
    dashed_line(p, {0, 110}, {w, 110}, 4, 30, 24, ink::line_yellow, 10);
    // The red car heads right in the upper lane, which belongs to traffic heading left.
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {150, 80}, 90, own);
    CarLook oncoming;
    car_top(p, {340, 80}, 270, oncoming);
    CarLook same;
    same.body = ink::grey_car;
    car_top(p, {60, 140}, 90, same);
}

void double_solid_overtake(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double w = size.width();
    road_across(p, 46, 174, w);
    solid_line(p, {0, 105}, {w, 105}, 4, ink::line_yellow);
    solid_line(p, {0, 115}, {w, 115}, 4, ink::line_yellow);
    truck_top(p, {220, 140}, 90, 80, 28, QColor(0xe0, 0xa0, 0x20), QColor(0xc8, 0xc8, 0xc0));
    // The red car has crossed the double line to pass the lorry.
    CarLook own;
    own.body = ink::own_car;
    own.left_signal = true;
    car_top(p, {180, 92}, 80, own);
}

void emergency_lane(QPainter& p, const QSize& size) {
    ground(p, size, ink::grass);
    const double h = size.height();
    road_up(p, 80, 340, h);
    solid_line(p, {92, 0}, {92, h}, 3, ink::line_white);
    dashed_line(p, {170, 0}, {170, h}, 3, 30, 20, ink::line_white);
    dashed_line(p, {250, 0}, {250, h}, 3, 30, 20, ink::line_white);
    solid_line(p, {300, 0}, {300, h}, 5, ink::line_white);  // edge of the carriageway
    for (double y : {40.0, 110.0, 180.0}) {
        CarLook queue;
        queue.body = y == 110.0 ? ink::grey_car : ink::blue_car;
        car_top(p, {210, y}, 0, queue);
        CarLook queue2;
        queue2.body = ink::blue_car;
        car_top(p, {130, y + 20}, 0, queue2);
    }
    // The red car drives past the queue in the emergency lane.
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {320, 90}, 0, own);
    label(p, {320, 190}, QStringLiteral("应急车道"), 12, ink::line_white, ink::asphalt);
}

void junction_parking(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width(), h = size.height();
    road_up(p, 150, 250, h);
    road_across(p, 20, 100, w);
    p.fillRect(QRectF(150, 16, 100, 88), ink::asphalt);
    dashed_line(p, {200, 104}, {200, h}, 3, 20, 16, ink::line_yellow);
    dashed_line(p, {0, 60}, {150, 60}, 3, 20, 16, ink::line_yellow);
    dashed_line(p, {250, 60}, {w, 60}, 3, 20, 16, ink::line_yellow);
    // The red car is parked hard by the corner, a few metres from the junction.
    CarLook own;
    own.body = ink::own_car;
    own.hazards = true;
    car_top(p, {232, 136}, 0, own);
    CarLook passing;
    car_top(p, {90, 40}, 270, passing);
}

void bus_stop_parking(QPainter& p, const QSize& size) {
    ground(p, size, ink::pavement);
    const double w = size.width();
    road_across(p, 40, 180, w);
    dashed_line(p, {0, 110}, {w, 110}, 3, 26, 20, ink::line_yellow);
    // The bus stop: a shelter and its sign on the pavement, the bay painted yellow.
    p.fillRect(QRectF(150, 190, 120, 22), QColor(0x7a, 0x86, 0x90));
    label(p, {210, 201}, QStringLiteral("公交车站"), 13, ink::white, QColor(0x7a, 0x86, 0x90));
    p.setPen(QPen(ink::line_yellow, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(130, 146, 160, 30));
    CarLook own;
    own.body = ink::own_car;
    car_top(p, {210, 161}, 90, own);
    bus_top(p, {60, 145}, 90, 80, 26, QColor(0x2a, 0x9a, 0x5a));
}

}  // namespace

QList<PictureEntry> marking_pictures() {
    const QSize view(400, 220);
    return {
        {"mark_lane_arrows.png", QSize(450, 220), lane_arrows},
        {"mark_crosswalk_ahead.png", view, crosswalk_ahead},
        {"mark_yellow_grid.png", view, yellow_grid},
        {"mark_stop_line.png", view, stop_line},
        {"mark_centre_dashed.png", view, centre_dashed},
        {"mark_centre_double_solid.png", view, centre_double_solid},
        {"mark_centre_solid_dashed.png", view, centre_solid_dashed},
        {"mark_yield_line.png", view, yield_line},
        {"mark_centre_single_solid.png", view, centre_single_solid},
        {"mark_lane_dashed.png", view, lane_dashed},
        {"mark_yellow_kerb.png", view, yellow_kerb},
        {"mark_bus_lane.png", view, bus_lane},
        {"mark_left_turn_waiting.png", QSize(440, 230), left_turn_waiting},
        {"mark_deceleration.png", view, deceleration_lines},
        {"mark_lane_solid.png", QSize(440, 230), lane_solid},
        {"mark_crosswalk_lines.png", view, crosswalk_lines},
        {"scene_wrong_side.png", view, wrong_side},
        {"scene_double_solid_overtake.png", view, double_solid_overtake},
        {"scene_emergency_lane.png", view, emergency_lane},
        {"scene_junction_parking.png", view, junction_parking},
        {"scene_bus_stop_parking.png", QSize(400, 220), bus_stop_parking},
    };
}

}  // namespace trelvo::media
