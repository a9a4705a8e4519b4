// Animated road situations for the safe-driving questions. Scenes seen from above keep the camera
// still and move the traffic; scenes from the driver's seat move the road towards the camera.
// The learner's car is the red one.

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

const QColor white_car(0xe8, 0xe8, 0xe4);
const QSize frame_size(366, 233);

CarLook look(const QColor& body, double scale = 1.3) {
    CarLook l;
    l.body = body;
    l.length *= scale;
    l.width *= scale;
    return l;
}

// Indicator and hazard lamps blink at about 1.5 Hz with frames of 0.1 s.
bool blink_on(int frame) {
    return (frame / 3) % 2 == 0;
}

// Distance covered by something moving at speed v that starts braking at t0 and stops at t1.
double brake_travel(double t, double v, double t0, double t1) {
    if (t <= t0) return v * t;
    const double tau = std::min(t, t1) - t0, span = t1 - t0;
    return v * t0 + v * tau - v * tau * tau / (2 * span);
}

void verge(QPainter& p, const QRectF& r, const QColor& colour) {
    p.fillRect(r, colour);
}

void road_strip_up(QPainter& p, double x0, double x1, double h) {
    p.fillRect(QRectF(x0 - 4, 0, 4, h), ink::kerb);
    p.fillRect(QRectF(x1, 0, 4, h), ink::kerb);
    p.fillRect(QRectF(x0, 0, x1 - x0, h), ink::asphalt);
}

void filled_circle_glow(QPainter& p, const QPointF& c, const QColor& colour) {
    QColor halo = colour;
    halo.setAlpha(90);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 7, 7);
    p.setBrush(colour);
    p.drawEllipse(c, 3.5, 3.5);
}

void own_tag(QPainter& p, const QPointF& at) {
    label(p, at, QStringLiteral("本车"), 13, ink::own_car);
}

// --- a pedestrian steps out in front of a bus at its stop ---------------------------------------

void bus_pedestrian(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 40, 262, h);
    solid_line(p, {114, 0}, {114, h}, 3, ink::line_yellow);
    solid_line(p, {120, 0}, {120, h}, 3, ink::line_yellow);
    dashed_line(p, {191, 0}, {191, h}, 3, 24, 20, ink::line_white);
    // Bus stop on the right-hand pavement.
    p.fillRect(QRectF(300, 70, 26, 70), QColor(0x7a, 0x8a, 0x9a));
    label(p, {340, 104}, QStringLiteral("公交站"), 12, ink::black, ink::pavement);
    person_top(p, {286, 90}, 270, 18, QColor(0x60, 0x60, 0xa0));
    person_top(p, {288, 124}, 270, 18, QColor(0xa0, 0x60, 0x40));
    // The bus stands in the right lane at the stop.
    const QPointF bus(227, 130);
    const double bus_len = 140, bus_w = 44;
    // A pedestrian comes out from in front of the bus and crosses.
    const double walk = ramp(t, 0.3, 0.95);
    const QPointF walker(lerp(262, 92, walk), 44);
    // The learner's car in the left lane: it brakes once the pedestrian shows.
    const double y = 292 - brake_travel(t, 330, 0.45, 0.66);
    const QPointF car(156, y);
    // The part of the road the bus hides from the driver.
    const QPointF eye = car + QPointF(-4, -2);
    const QPointF front(bus.x() - bus_w / 2, bus.y() - bus_len / 2);
    const QPointF back(bus.x() - bus_w / 2, bus.y() + bus_len / 2);
    if (eye.y() > front.y()) {
        QPolygonF shade;
        shade << front << front + (front - eye) * 6 << back + (back - eye) * 6 << back;
        p.save();
        p.setClipRect(QRectF(bus.x() - bus_w / 2, 0, 262 - (bus.x() - bus_w / 2), h));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPolygon(shade);
        p.restore();
    }
    bus_top(p, bus, 0, bus_len, bus_w, QColor(0x2e, 0x9a, 0x5a));
    person_top(p, walker, 270, 26, QColor(0xe0, 0x50, 0x40), walk > 0 ? walk * 6 : 0);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.45;
    car_top(p, car, 0, own);
    if (t < 0.45) own_tag(p, car + QPointF(-48, 0));
    CarLook oncoming = look(white_car);
    car_top(p, {78, lerp(-40, 300, t)}, 180, oncoming);
}

// --- joining the expressway from the ramp -------------------------------------------------------

void ramp_merge(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    p.fillRect(QRectF(100, 0, 156, h), ink::asphalt);
    // Acceleration lane alongside, narrowing to nothing at the top.
    QPolygonF accel;
    accel << QPointF(254, h) << QPointF(316, h) << QPointF(316, 80) << QPointF(256, 6)
          << QPointF(254, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::asphalt);
    p.drawPolygon(accel);
    solid_line(p, {108, 0}, {108, h}, 3, ink::line_yellow);
    dashed_line(p, {182, 0}, {182, h}, 3, 24, 22, ink::line_white);
    dashed_line(p, {256, 6}, {256, h}, 4, 10, 8, ink::line_white);
    solid_line(p, {316, 80}, {316, h}, 3, ink::line_white);
    solid_line(p, {316, 80}, {256, 6}, 3, ink::line_white);
    label(p, {338, 200}, QStringLiteral("加速"), 11, ink::white, ink::grass);
    label(p, {338, 215}, QStringLiteral("车道"), 11, ink::white, ink::grass);
    // Main-road traffic.
    car_top(p, {145, 200 - 300 * t}, 0, look(ink::grey_car));
    car_top(p, {219, 330 - 520 * t}, 0, look(ink::blue_car));
    car_top(p, {219, 640 - 490 * t}, 0, look(white_car));
    // The learner's car speeds up in the acceleration lane, indicates left and moves over
    // behind the blue car.
    const double y = 226 - (120 * t + 100 * t * t);
    const double shift = ramp(t, 0.55, 0.82);
    CarLook own = look(ink::own_car);
    own.left_signal = t < 0.86 && blink_on(frame);
    const double heading = -14 * std::sin(pi * shift);
    car_top(p, {lerp(286, 219, shift), y}, heading, own);
    if (t < 0.5) own_tag(p, {286, y - 44});
}

// --- a ball rolls out between parked cars -------------------------------------------------------

void ball_children(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 40, 300, h);
    dashed_line(p, {150, 0}, {150, h}, 3, 22, 18, ink::line_yellow);
    solid_line(p, {254, 0}, {254, h}, 2, ink::line_white);
    for (double y : {30.0, 100.0, 200.0}) tree_top(p, {340, y}, 18);
    // Parked cars along the right, with a gap between the second and third.
    car_top(p, {278, 20}, 0, look(ink::grey_car, 1.2));
    car_top(p, {278, 82}, 0, look(white_car, 1.2));
    car_top(p, {278, 178}, 0, look(ink::blue_car, 1.2));
    // The ball, then the child running after it.
    const double roll = ramp(t, 0.16, 0.62);
    if (t > 0.16) {
        const QPointF ball(lerp(318, 110, roll), 130 - 8 * roll);
        p.setPen(QPen(QColor(0x60, 0x20, 0x20), 1));
        p.setBrush(QColor(0xff, 0x40, 0x40));
        p.drawEllipse(ball, 10, 10);
        p.save();
        p.translate(ball);
        p.rotate(-roll * 900);
        p.setPen(QPen(ink::white, 3));
        p.drawLine(QPointF(-9, 0), QPointF(9, 0));
        p.restore();
    }
    if (t > 0.4) {
        const double run = ramp(t, 0.4, 0.78);
        person_top(p, {lerp(322, 238, run), 134}, 270, 24, QColor(0x30, 0x90, 0xe0), run * 5);
    }
    const double y = 262 - brake_travel(t, 230, 0.26, 0.52);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.26;
    car_top(p, {205, y}, 0, own);
    if (t < 0.3) own_tag(p, {205 - 48, y});
}

// --- overtaking into a blind bend ----------------------------------------------------------------

// A polyline with its length table, for moving cars along a curving road.
class Route {
  public:
    explicit Route(const QPainterPath& path) {
        for (int i = 0; i <= 200; ++i) {
            const QPointF pt = path.pointAtPercent(i / 200.0);
            if (!points_.empty()) {
                const QPointF d = pt - points_.back();
                lengths_.push_back(lengths_.back() + std::hypot(d.x(), d.y()));
            } else {
                lengths_.push_back(0);
            }
            points_.push_back(pt);
        }
    }
    double length() const { return lengths_.back(); }
    // Position `offset` to the right of the direction of travel, and the heading there.
    QPointF at(double s, double offset, double* heading) const {
        s = std::clamp(s, 0.0, length() - 0.01);
        std::size_t i = 1;
        while (i + 1 < points_.size() && lengths_[i] < s) ++i;
        const QPointF a = points_[i - 1], b = points_[i];
        const double u = (s - lengths_[i - 1]) / std::max(1e-9, lengths_[i] - lengths_[i - 1]);
        QPointF d = b - a;
        d /= std::max(1e-9, std::hypot(d.x(), d.y()));
        if (heading) *heading = std::atan2(d.x(), -d.y()) * 180 / pi;
        return a + (b - a) * u + QPointF(-d.y(), d.x()) * offset;
    }

  private:
    std::vector<QPointF> points_;
    std::vector<double> lengths_;
};

QPainterPath bend_path() {
    QPainterPath path;
    path.moveTo(250, 300);
    path.lineTo(250, 150);
    path.cubicTo(250, 50, 200, 40, 110, 40);
    path.lineTo(-80, 40);
    return path;
}

void curve_overtake(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    const QPainterPath path = bend_path();
    p.setPen(QPen(ink::kerb, 84, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(ink::asphalt, 76, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    // A wooded bank on the inside of the bend hides what comes round it.
    for (QPointF c : {QPointF(150, 120), QPointF(180, 150), QPointF(120, 160), QPointF(190, 110),
                      QPointF(80, 130), QPointF(160, 190), QPointF(200, 200)})
        tree_top(p, c, 24);
    const Route route(path);
    double heading = 0;
    // Slow lorry ahead in our lane.
    const double lorry_s = 90 + 120 * t;
    const QPointF lorry = route.at(lorry_s, 19, &heading);
    truck_top(p, lorry, heading, 80, 30, QColor(0xe0, 0xa0, 0x20), QColor(0xc8, 0xc8, 0xc0));
    // The learner pulls out to pass, meets the oncoming car and drops back behind the lorry.
    const double out = ramp(t, 0.08, 0.3) * (1 - ramp(t, 0.55, 0.78));
    const double own_s = 20 + 150 * t + 70 * ramp(t, 0.0, 0.5) - 90 * ramp(t, 0.5, 0.8);
    CarLook own = look(ink::own_car);
    own.left_signal = t < 0.3 && blink_on(frame);
    own.brake = t > 0.5 && t < 0.8;
    const QPointF car = route.at(own_s, lerp(19, -19, out), &heading);
    car_top(p, car, heading, own);
    if (t < 0.2) own_tag(p, car + QPointF(52, 0));
    // Oncoming traffic comes round the bend in its own lane.
    const double oncoming_s = route.length() + 60 - 560 * ramp(t, 0.3, 1.0);
    const QPointF other = route.at(oncoming_s, -19, &heading);
    car_top(p, other, heading + 180, look(ink::blue_car));
}

// --- a stopped car ahead in fog on the expressway
// -------------------------------------------------

QColor mix(const QColor& a, const QColor& b, double k) {
    return QColor::fromRgbF(lerp(a.redF(), b.redF(), k), lerp(a.greenF(), b.greenF(), k),
                            lerp(a.blueF(), b.blueF(), k));
}

QPolygonF ground_quad(const Camera& cam, double x0, double x1, double z0, double z1) {
    return QPolygonF{} << cam.at(x0, z0) << cam.at(x1, z0) << cam.at(x1, z1) << cam.at(x0, z1);
}

// The front of the learner's car at the bottom of a driver's-eye view.
void bonnet(QPainter& p, const QSize& size, const QColor& colour) {
    QPainterPath hood;
    hood.moveTo(0, size.height());
    hood.lineTo(0, size.height() - 14);
    hood.quadTo(size.width() / 2.0, size.height() - 48, size.width(), size.height() - 14);
    hood.lineTo(size.width(), size.height());
    hood.closeSubpath();
    fill_path(p, hood, colour);
}

// A ground band from z0 outwards whose colour fades with distance: one gradient over its rows, so
// that no seams show between slices.
void faded_ground(QPainter& p, const Camera& cam, double x0, double x1, double z0, double z1,
                  const std::function<QColor(double)>& colour_at) {
    const QPointF near = cam.at(0, z0), far = cam.at(0, z1);
    QLinearGradient g(0, far.y(), 0, near.y());
    for (double z = z0; z <= z1; z *= 1.25) {
        const double y = cam.at(0, z).y();
        g.setColorAt(std::clamp((y - far.y()) / (near.y() - far.y()), 0.0, 1.0), colour_at(z));
    }
    g.setColorAt(0, colour_at(z1));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(ground_quad(cam, x0, x1, z0, z1));
}

void fog_expressway(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    const Camera cam{w / 2, 92, 240};
    const QColor fog(0xdc, 0xde, 0xdf);
    // Dense fog, under 50 m of sight: it greys even the road just ahead, at 8 m the road is half
    // gone and by 35 m nothing is left, so the far road and the horizon melt into the same
    // white-grey and no line shows where the ground ends.
    auto fade = [](double z) {
        const double far = z / 30.0;
        return 1 - std::exp(-z / 12.0 - far * far * far);
    };
    auto fogged = [&](const QColor& c, double z) { return mix(c, fog, fade(z)); };
    {
        // Brighter overhead, where the daylight comes through.
        QLinearGradient air(0, 0, 0, cam.horizon_y - 12);
        air.setColorAt(0, QColor(0xe8, 0xe9, 0xea));
        air.setColorAt(1, fog);
        p.fillRect(QRectF(0, 0, w, h), air);
    }
    // The learner slows from expressway speed and stops short of the car ahead, close enough
    // only now to see it plainly.
    const double driven = brake_travel(t, 160, 0.3, 0.9);
    const double stopped_z = 102 - driven;
    faded_ground(p, cam, -7.6, 9.6, 2, 600, [&](double z) { return fogged(ink::asphalt, z); });
    faded_ground(p, cam, 9.6, 40, 2, 600,
                 [&](double z) { return fogged(ink::grass.darker(130), z); });
    faded_ground(p, cam, -40, -8.2, 2, 600,
                 [&](double z) { return fogged(QColor(0x80, 0x88, 0x70), z); });
    faded_ground(p, cam, -7.4, -7.2, 2, 600, [&](double z) { return fogged(ink::line_yellow, z); });
    faded_ground(p, cam, 5.7, 5.9, 2, 600, [&](double z) { return fogged(ink::line_white, z); });
    // Lane dashes 6 m long every 15 m, coming towards us; each fades along its length.
    const double phase = std::fmod(driven, 15.0);
    for (double x : {-1.9, 1.9})
        for (double z0 = 15 - phase; z0 < 80; z0 += 15) {
            if (z0 + 6 < 2) continue;
            const double a = std::max(2.0, z0);
            faded_ground(p, cam, x - 0.08, x + 0.08, a, z0 + 6,
                         [&](double z) { return fogged(ink::line_white, z); });
        }
    // Guard-rail posts on the right.
    for (double z0 = 10 - std::fmod(driven, 10.0); z0 < 80; z0 += 10) {
        if (z0 < 3) continue;
        p.setPen(QPen(fogged(QColor(0x70, 0x70, 0x70), z0), std::max(1.0, cam.scale(z0) * 0.15)));
        p.drawLine(cam.at(9.8, z0), cam.at(9.8, z0, 0.8));
    }
    // The stopped car, fogged as a whole: drawn on its own layer so that its parts do not show
    // through one another.
    {
        QImage layer(size, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        car_rear(lp, cam, 0.2, stopped_z, ink::grey_car, true, blink_on(frame));
        lp.end();
        p.save();
        p.setOpacity(1 - fade(stopped_z));
        p.drawImage(QPointF(0, 0), layer);
        p.restore();
    }
    // Banks of thicker fog lying on the road: they swell and slide aside as we drive through
    // them. In the fog's own colour, so that against the white beyond they do not show at all.
    struct Bank {
        double x, z, y, radius, strength;
    };
    const Bank banks[] = {{-4, 14, 1.2, 4.5, 0.55}, {5, 26, 1.8, 6, 0.6},  {-1, 38, 1.0, 7, 0.6},
                          {7, 50, 2.0, 7, 0.6},     {-6, 62, 1.5, 8, 0.6}, {2, 74, 1.4, 8, 0.6},
                          {-3, 86, 2.2, 8, 0.6},    {6, 98, 1.2, 8, 0.6},  {-5, 110, 1.6, 8, 0.6},
                          {1, 122, 1.8, 8, 0.6}};
    p.setPen(Qt::NoPen);
    for (const Bank& b : banks) {
        const double z = b.z - driven * 0.85;
        if (z < 2.5 || z > 45) continue;
        const double s = cam.scale(z);
        // Nothing to see against fog far away; gone before it reaches the windscreen.
        const double show = b.strength * (1 - fade(z) * 0.85) * ramp(z, 2.5, 8);
        const QPointF c = cam.at(b.x, z, b.y * 0.5);
        const double r = b.radius * s;
        QRadialGradient g(QPointF(0, 0), r);
        QColor core = fog, edge = fog;
        core.setAlphaF(show);
        edge.setAlphaF(0);
        g.setColorAt(0, core);
        g.setColorAt(1, edge);
        p.save();
        p.translate(c);
        p.scale(1.8, 0.7);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), r, r);
        p.restore();
    }
    // The hazard lamps carry further than the car's outline: first a dim orange blur in the
    // white, then sharper and brighter as the car comes out of the fog.
    if (blink_on(frame)) {
        const double s = cam.scale(stopped_z);
        const double glow = std::exp(-std::pow(stopped_z / 32.0, 1.6));
        for (double dx : {-0.75, 1.15}) {
            const QPointF c = cam.at(dx, stopped_z, 0.75);
            const double r = s * 0.5 + 16 * fade(stopped_z);
            QRadialGradient g(c, r);
            g.setColorAt(0, QColor(255, 170, 0, int(235 * glow)));
            g.setColorAt(0.35, QColor(255, 180, 40, int(120 * glow)));
            g.setColorAt(1, QColor(255, 190, 80, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    bonnet(p, size, QColor(0x9a, 0x1c, 0x1c));
    label(p, {46, 16}, QStringLiteral("高速公路"), 13, ink::white, QColor(0x20, 0x70, 0x40));
}

// --- a level crossing closes
// ----------------------------------------------------------------------

void level_crossing(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    const Camera cam{w / 2 - 30, 92, 230};
    QLinearGradient sky(0, 0, 0, cam.horizon_y);
    sky.setColorAt(0, QColor(0x9c, 0xc8, 0xf0));
    sky.setColorAt(1, QColor(0xe0, 0xee, 0xf8));
    p.fillRect(QRectF(0, 0, w, cam.horizon_y), sky);
    p.fillRect(QRectF(0, cam.horizon_y, w, h - cam.horizon_y), ink::grass);
    const double zc = 40 - brake_travel(t, 77, 0.15, 0.6);  // distance to the track
    // Road up to the crossing and beyond it.
    p.setPen(Qt::NoPen);
    p.setBrush(ink::asphalt);
    p.drawPolygon(ground_quad(cam, -3.6, 3.6, 1.5, 400));
    p.setBrush(ink::line_yellow);
    p.drawPolygon(ground_quad(cam, -0.07, 0.07, 3, zc - 4));
    p.setBrush(ink::line_white);
    p.drawPolygon(ground_quad(cam, 0.1, 3.6, zc - 5, zc - 4.6));  // stop line
    // Track: ballast, sleepers and rails across the road.
    p.setBrush(QColor(0x8a, 0x84, 0x7a));
    p.drawPolygon(ground_quad(cam, -60, 60, zc - 1.6, zc + 1.6));
    p.setBrush(QColor(0x6a, 0x5a, 0x4a));
    for (double z0 : {-1.2, -0.2, 0.8})
        p.drawPolygon(ground_quad(cam, -60, 60, zc + z0, zc + z0 + 0.35));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(ground_quad(cam, -60, 60, zc - 0.8, zc - 0.68));
    p.drawPolygon(ground_quad(cam, -60, 60, zc + 0.68, zc + 0.8));
    // The train crosses once the barrier is down.
    if (t > 0.6) {
        const double front = lerp(-20, 120, ramp(t, 0.6, 1.0));
        const QPointF a = cam.at(front - 200, zc, 4.2), b = cam.at(front, zc, 0.6);
        const QRectF body(a, b);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawRect(QRectF(cam.at(front - 200, zc, 0.6), cam.at(front - 0.5, zc, 0.2)));
        p.setBrush(QColor(0x2a, 0x70, 0x50));
        p.drawRect(body);
        p.setBrush(QColor(0xf0, 0xd0, 0x40));
        p.drawRect(QRectF(body.left(), body.bottom() - body.height() * 0.25, body.width(),
                          body.height() * 0.08));
        p.setBrush(QColor(0x2a, 0x36, 0x44));
        for (double x = front - 198; x < front - 2; x += 3.2) {
            const QRectF win(cam.at(x, zc, 3.4), cam.at(x + 1.8, zc, 2.4));
            p.drawRect(win);
        }
    }
    // Signal post with the crossbuck and two red lamps that flash in turn.
    const double post_x = 4.6, post_z = zc - 3;
    const double s = cam.scale(post_z);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max(1.0, 0.15 * s)));
    p.drawLine(cam.at(post_x, post_z), cam.at(post_x, post_z, 3.6));
    p.setPen(Qt::NoPen);
    const QPointF lamps = cam.at(post_x, post_z, 2.4);
    p.setBrush(QColor(0x18, 0x18, 0x18));
    p.drawRoundedRect(QRectF(lamps.x() - 0.75 * s, lamps.y() - 0.22 * s, 1.5 * s, 0.44 * s),
                      0.1 * s, 0.1 * s);
    const bool left_lit = (frame / 3) % 2 == 0;
    for (int i = 0; i < 2; ++i) {
        const bool lit = (i == 0) == left_lit;
        const QPointF c = lamps + QPointF((i == 0 ? -0.42 : 0.42) * s, 0);
        if (lit) {
            p.setBrush(QColor(255, 40, 30, 90));
            p.drawEllipse(c, 0.5 * s, 0.5 * s);
        }
        p.setBrush(lit ? QColor(255, 50, 40) : QColor(0x60, 0x18, 0x18));
        p.drawEllipse(c, 0.18 * s, 0.18 * s);
    }
    const QPointF buck = cam.at(post_x, post_z, 3.3);
    p.save();
    p.translate(buck);
    for (double a : {35.0, -35.0}) {
        p.save();
        p.rotate(a);
        p.setBrush(QColor(0xff, 0xff, 0xff));
        p.drawRect(QRectF(-0.9 * s, -0.12 * s, 1.8 * s, 0.24 * s));
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        for (double x : {-0.9, -0.3, 0.3}) p.drawRect(QRectF(x * s, -0.12 * s, 0.3 * s, 0.24 * s));
        p.restore();
    }
    p.restore();
    // Barrier arm: pivots at the post and swings down across our side of the road.
    const double down = ramp(t, 0.1, 0.4);
    const double angle = lerp(88, 0, down) * pi / 180;
    const double pivot_x = post_x - 0.3, pivot_y = 1.0, arm = 4.6;
    const int stripes = 8;
    for (int i = 0; i < stripes; ++i) {
        const double r0 = arm * i / stripes, r1 = arm * (i + 1) / stripes;
        const QPointF a =
            cam.at(pivot_x - r0 * std::cos(angle), post_z + 0.2, pivot_y + r0 * std::sin(angle));
        const QPointF b =
            cam.at(pivot_x - r1 * std::cos(angle), post_z + 0.2, pivot_y + r1 * std::sin(angle));
        p.setPen(QPen(i % 2 ? ink::white : QColor(0xd8, 0x20, 0x20), std::max(1.5, 0.16 * s),
                      Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
    }
    bonnet(p, size, QColor(0xb8, 0x22, 0x22));
}

// --- meeting an oncoming car at night on a narrow road
// --------------------------------------------

void night_meeting(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    const Camera cam{w / 2 - 20, 96, 240};
    QLinearGradient sky(0, 0, 0, cam.horizon_y);
    sky.setColorAt(0, QColor(0x04, 0x06, 0x10));
    sky.setColorAt(1, QColor(0x12, 0x18, 0x2c));
    p.fillRect(QRectF(0, 0, w, cam.horizon_y), sky);
    p.fillRect(QRectF(0, cam.horizon_y, w, h - cam.horizon_y), QColor(0x06, 0x08, 0x06));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x15, 0x18));
    p.drawPolygon(ground_quad(cam, -3.0, 3.0, 1.5, 800));
    // Our high beams: a long pool of light on the road.
    faded_ground(p, cam, -3.0, 3.0, 2, 120, [](double z) {
        return QColor::fromRgbF(0.42, 0.41, 0.34, 0.6 * std::exp(-z / 30.0));
    });
    for (double x : {-2.85, 2.85})
        faded_ground(p, cam, x - 0.08, x + 0.08, 2, 120, [](double z) {
            return QColor::fromRgbF(0.9, 0.9, 0.85, 0.85 * std::exp(-z / 35.0));
        });
    // Reflector posts at the roadside pass by.
    const double travel = 150 * t;
    for (double z0 = 15 - std::fmod(travel, 15.0); z0 < 160; z0 += 15)
        for (double x : {-3.6, 3.6}) {
            if (z0 < 3) continue;
            const double s = cam.scale(z0);
            const QPointF base = cam.at(x, z0);
            const double lit = std::exp(-z0 / 60.0);
            p.setBrush(QColor::fromRgbF(0.8, 0.8, 0.78, 0.25 + 0.6 * lit));
            p.drawRect(QRectF(base.x() - 0.06 * s, base.y() - 1.0 * s, 0.12 * s, 1.0 * s));
            p.setBrush(QColor::fromRgbF(1.0, 0.55, 0.1, 0.4 + 0.6 * lit));
            p.drawRect(QRectF(base.x() - 0.06 * s, base.y() - 0.9 * s, 0.12 * s, 0.16 * s));
        }
    // The oncoming car: at first only its lamps, then the car, closing in.
    const double z = 12 + 260 * std::pow(1 - t, 1.6);
    const double x = -1.5;
    car_rear(p, cam, x, z, QColor(0x50, 0x54, 0x5c), true, false, true);
    const double s = cam.scale(z);
    for (double dx : {-0.65, 0.65}) {
        const QPointF c = cam.at(x + dx, z, 0.65);
        const double r = std::max(7.0, s * 2.2);
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(255, 255, 240, 250));
        g.setColorAt(0.25, QColor(255, 250, 220, 160));
        g.setColorAt(1, QColor(255, 250, 220, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    bonnet(p, size, QColor(0x30, 0x0a, 0x0a));
    label(p, {40, 16}, QStringLiteral("夜间"), 13, QColor(0xe0, 0xe0, 0xe0),
          QColor(0x20, 0x28, 0x40));
}

// --- a front tyre bursts at speed
// -------------------------------------------------------------------

void tyre_blowout(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    const double speed = lerp(900, 500, ramp(t, 0.35, 1.0));
    const double travel = speed * t;
    p.fillRect(QRectF(60, 0, 246, h), ink::asphalt);
    solid_line(p, {66, 0}, {66, h}, 3, ink::line_yellow);
    solid_line(p, {300, 0}, {300, h}, 3, ink::line_white);
    dashed_line(p, {144, h}, {144, 0}, 3, 30, 40, ink::line_white, travel);
    dashed_line(p, {222, h}, {222, 0}, 3, 30, 40, ink::line_white, travel);
    // Fence posts on the verge show the speed.
    for (double y = std::fmod(travel, 40.0) - 40; y < h; y += 40) {
        solid_line(p, {318, y}, {318, y + 6}, 4, QColor(0xd0, 0xd0, 0xd0));
        solid_line(p, {48, y}, {48, y + 6}, 4, QColor(0xd0, 0xd0, 0xd0));
    }
    const bool burst = t >= 0.3;
    const double drift = ramp(t, 0.3, 0.62);
    const QPointF car(lerp(183, 160, drift), 150);
    CarLook own = look(ink::own_car, 1.5);
    car_top(p, car, -9 * drift, own);
    if (burst) {
        // The front left tyre: a burst mark and shreds left behind.
        p.save();
        p.translate(car);
        p.rotate(-9 * drift);
        const QPointF tyre(-own.width / 2, -own.length * 0.3);
        const double pop = 1 - ramp(t, 0.3, 0.5);
        if (pop > 0) {
            QPainterPath star;
            for (int i = 0; i < 16; ++i) {
                const double r = (i % 2 ? 10 : 22) * (0.6 + pop * 0.6);
                const double a = i * pi / 8;
                const QPointF pt = tyre + QPointF(r * std::cos(a), r * std::sin(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            fill_path(p, star, QColor(255, 200, 40, int(230 * pop)));
        }
        p.restore();
        for (int i = 0; i < 4; ++i) {
            const double y = 150 - 30 + (t - 0.3) * 700 + i * 14;
            if (y < h)
                solid_line(p, {car.x() - 20 - (i % 2) * 6.0, y},
                           {car.x() - 14 - (i % 2) * 6.0, y + 4}, 3, QColor(0x20, 0x20, 0x20));
        }
        if (t < 0.55) label(p, car + QPointF(-60, -44), QStringLiteral("砰！"), 18, ink::red);
    }
    label(p, {330, 16}, QStringLiteral("高速"), 13, ink::white, QColor(0x20, 0x70, 0x40));
}

// --- pedestrians on a crosswalk
// -----------------------------------------------------------------------

void crosswalk_pedestrians(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 40, 300, h);
    solid_line(p, {126, 0}, {126, 30}, 3, ink::line_yellow);
    solid_line(p, {126, 110}, {126, h}, 3, ink::line_yellow);
    dashed_line(p, {212, 110}, {212, h}, 3, 24, 20, ink::line_white);
    zebra(p, QRectF(44, 38, 252, 54), true, 10, 10);
    solid_line(p, {128, 104}, {300, 104}, 5, ink::line_white);
    const double cross = ramp(t, 0.05, 1.0);
    const QColor shirts[] = {QColor(0xe0, 0x60, 0x40), QColor(0x40, 0x90, 0xd0),
                             QColor(0xd0, 0xa0, 0x20)};
    person_top(p, {lerp(330, 80, cross), 52}, 270, 24, shirts[0], cross * 10);
    person_top(p, {lerp(350, 110, cross), 76}, 270, 24, shirts[1], cross * 10 + 0.4);
    person_top(p, {lerp(20, 250, ramp(t, 0.25, 1.0)), 64}, 90, 24, shirts[2], t * 8);
    const double y = 296 - brake_travel(t, 300, 0.28, 0.55);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.28;
    car_top(p, {256, y}, 0, own);
    if (t < 0.3) own_tag(p, {256 - 48, y});
    CarLook other = look(white_car);
    other.brake = true;
    car_top(p, {169, 146}, 0, other);
}

// --- lane change: signal, look, then move over smoothly ------------------------------------------

// Two lanes of one direction running up the picture, the lane line between them at x = 183.
void two_lanes_up(QPainter& p, const QSize& size, double phase) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    road_strip_up(p, 113, 253, h);
    dashed_line(p, {183, -60}, {183, h}, 3, 26, 20, ink::line_white, phase);
}

void lane_change(QPainter& p, const QSize& size, double t, int frame) {
    two_lanes_up(p, size, 300 * t);
    const double over = ramp(t, 0.4, 0.75);
    CarLook own = look(ink::own_car);
    own.left_signal = t < 0.8 && blink_on(frame);
    const QPointF car(lerp(218, 148, over), 150);
    car_top(p, car, -18 * std::sin(pi * over), own);
    if (t < 0.35) own_tag(p, car + QPointF(54, 0));
    // A car in the left lane falls behind before the move, so the gap is safe.
    car_top(p, {148, 40 + 700 * t}, 0, look(ink::blue_car));
}

// --- an ambulance on an emergency call comes up from behind --------------------------------------

void ambulance_yield(QPainter& p, const QSize& size, double t, int frame) {
    two_lanes_up(p, size, 240 * t);
    const double over = ramp(t, 0.15, 0.45);
    CarLook own = look(ink::own_car);
    own.right_signal = t < 0.5 && blink_on(frame);
    own.brake = t > 0.15 && t < 0.6;
    const QPointF car(lerp(148, 218, over), 120 + 20 * over);
    car_top(p, car, 18 * std::sin(pi * over), own);
    if (t < 0.3) own_tag(p, car + QPointF(-54, 0));
    const double y = 300 - 420 * ramp(t, 0.2, 1.0);
    bus_top(p, {148, y}, 0, 62, 26, white_car, false, QStringLiteral("120"));
    // Its roof lamps flash red and blue in turn.
    const bool red = blink_on(frame);
    filled_circle_glow(p, {141, y - 22}, red ? QColor(0xff, 0x30, 0x30) : QColor(0x30, 0x60, 0xff));
    filled_circle_glow(p, {155, y - 22}, red ? QColor(0x30, 0x60, 0xff) : QColor(0xff, 0x30, 0x30));
}

// --- overtaking a slow lorry on the left and pulling back in
// --------------------------------------

void overtake_left(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    p.fillRect(QRectF(0, 46, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 186, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 50, w, 136), ink::asphalt);
    dashed_line(p, {-60, 118}, {w, 118}, 4, 30, 24, ink::line_yellow, 200 * t);
    // Seen from a camera that moves with the lorry: the lorry stays, the red car passes it.
    truck_top(p, {200, 152}, 90, 86, 30, QColor(0xe0, 0xa0, 0x20), QColor(0xc8, 0xc8, 0xc0));
    const double x = lerp(40, 340, ramp(t, 0.1, 0.9));
    const double out = ramp(t, 0.1, 0.3) * (1 - ramp(t, 0.65, 0.85));
    CarLook own = look(ink::own_car);
    own.left_signal = t < 0.3 && blink_on(frame);
    own.right_signal = t > 0.6 && t < 0.85 && blink_on(frame);
    const QPointF car(x, lerp(152, 84, out));
    const double turning =
        ramp(t, 0.1, 0.3) - ramp(t, 0.3, 0.4) - ramp(t, 0.65, 0.75) + ramp(t, 0.75, 0.85);
    car_top(p, car, 90 - 16 * turning, own);
    if (t < 0.12) own_tag(p, car + QPointF(0, -26));
}

// --- a flashing yellow signal at a crossroads
// -----------------------------------------------------

void yellow_flash(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 133, 233, h);
    p.fillRect(QRectF(0, 40, w, 90), ink::asphalt);
    p.fillRect(QRectF(0, 36, 129, 4), ink::kerb);
    p.fillRect(QRectF(237, 36, w - 237, 4), ink::kerb);
    p.fillRect(QRectF(0, 130, 129, 4), ink::kerb);
    p.fillRect(QRectF(237, 130, w - 237, 4), ink::kerb);
    dashed_line(p, {183, 134}, {183, h}, 3, 20, 16, ink::line_yellow);
    dashed_line(p, {0, 85}, {133, 85}, 3, 20, 16, ink::line_yellow);
    dashed_line(p, {233, 85}, {w, 85}, 3, 20, 16, ink::line_yellow);
    // The signal head on the near right corner: only its yellow lamp, blinking.
    p.setPen(Qt::NoPen);
    p.setBrush(ink::black);
    p.drawRoundedRect(QRectF(252, 140, 22, 58), 4, 4);
    const bool lit = (frame / 4) % 2 == 0;
    p.setBrush(QColor(0x50, 0x20, 0x20));
    p.drawEllipse(QPointF(263, 151), 7, 7);
    p.setBrush(QColor(0x20, 0x40, 0x28));
    p.drawEllipse(QPointF(263, 187), 7, 7);
    p.setBrush(lit ? QColor(0xff, 0xc8, 0x00) : QColor(0x50, 0x44, 0x18));
    p.drawEllipse(QPointF(263, 169), 7, 7);
    // The red car slows to a crawl, looks, lets the crossing car by and goes on.
    const double y =
        250 - brake_travel(std::min(t, 0.55), 220, 0.2, 0.55) - 420 * ramp(t, 0.7, 1.0);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.2 && t < 0.7;
    car_top(p, {208, y}, 0, own);
    if (t < 0.3) own_tag(p, {208 - 50, y});
    car_top(p, {lerp(-40, 420, ramp(t, 0.3, 0.75)), 108}, 90, look(ink::blue_car));
}

// --- pulling in to the kerb
// -----------------------------------------------------------------------

void pull_over(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    p.fillRect(QRectF(0, 36, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 176, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 40, w, 136), ink::asphalt);
    dashed_line(p, {-60, 108}, {w, 108}, 4, 30, 24, ink::line_yellow);
    const double x = 40 + 280 * (1 - (1 - t) * (1 - t));
    const double in = ramp(t, 0.3, 0.7);
    CarLook own = look(ink::own_car);
    own.right_signal = t < 0.85 && blink_on(frame);
    own.brake = t > 0.5;
    const QPointF car(x, lerp(138, 160, in));
    car_top(p, car, 90 + 14 * std::sin(pi * in), own);
    if (t < 0.25) own_tag(p, car + QPointF(0, -26));
    car_top(p, {lerp(420, -40, t), 74}, 270, look(ink::blue_car));
}

// --- a school bus stops on a one-lane road: the car behind waits ---------------------------------

void school_bus_wait(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 113, 253, h);
    solid_line(p, {183, 0}, {183, h}, 3, ink::line_yellow);
    // The bus pulls up at the kerb and stays; children get off onto the pavement.
    const double bus_y = 120 - 80 * (1 - ramp(t, 0.0, 0.3));
    bus_top(p, {226, bus_y}, 0, 84, 30, QColor(0xf2, 0xb8, 0x10), t > 0.25 && blink_on(frame),
            QStringLiteral("校车"));
    const QColor shirts[] = {QColor(0xe0, 0x60, 0x40), QColor(0x40, 0x90, 0xd0)};
    for (int i = 0; i < 2; ++i) {
        const double out = ramp(t, 0.4 + 0.15 * i, 0.7 + 0.15 * i);
        if (out > 0) person_top(p, {lerp(246, 290, out), 112.0 + 18 * i}, 90, 18, shirts[i], t * 9);
    }
    const double y = 290 - brake_travel(t, 260, 0.25, 0.5);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.25;
    car_top(p, {226, y}, 0, own);
    if (t < 0.35) own_tag(p, {226 - 52, std::min(y, 220.0)});
    car_top(p, {148, lerp(-40, 300, t)}, 180, look(ink::blue_car));
}

// --- two lanes become one: cars enter one at a time from each lane
// --------------------------------

void zipper_merge(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    // Our road runs up; the left lane ends at y = 90 and its traffic merges right.
    QPolygonF road;
    road << QPointF(113, h) << QPointF(113, 120) << QPointF(153, 70) << QPointF(153, 0)
         << QPointF(253, 0) << QPointF(253, h);
    p.setPen(QPen(ink::kerb, 8));
    p.setBrush(ink::asphalt);
    p.drawPolygon(road);
    dashed_line(p, {183, 130}, {183, h}, 3, 22, 16, ink::line_white);
    // Queues move slowly; cars take turns at the point where the lanes meet.
    const double shift = 120 * t;
    const QColor colours[] = {ink::blue_car, ink::grey_car, white_car};
    for (int i = 0; i < 3; ++i) {
        const double y = 40 + 80 * i - shift;  // right lane, one car every 80
        if (y > -40 && y < h + 40) car_top(p, {218, y}, 0, look(colours[i]));
    }
    // Left lane: each car slides over into the gap behind a right-lane car.
    for (int i = 0; i < 3; ++i) {
        const double y = 120 + 80 * i - shift;
        const double over = ramp(120 - y, 0, 60);  // moves across as it passes y = 120..60
        const QPointF c(lerp(148, 218, over), y - 40 * over);
        CarLook l = look(i == 1 ? ink::own_car : colours[(i + 1) % 3]);
        l.right_signal = over > 0 && over < 1;
        if (c.y() > -40 && c.y() < h + 40) car_top(p, c, 0, l);
        if (i == 1 && t < 0.3) own_tag(p, c + QPointF(-52, 0));
    }
}

// --- following another car at night: dip the headlights
// -------------------------------------------

void beam_cone(QPainter& p, const QPointF& from, double length, double spread, int alpha) {
    QPolygonF cone;
    cone << from + QPointF(-10, 0) << from + QPointF(10, 0) << from + QPointF(spread, -length)
         << from + QPointF(-spread, -length);
    QLinearGradient g(from, from - QPointF(0, length));
    g.setColorAt(0, QColor(255, 250, 210, alpha));
    g.setColorAt(1, QColor(255, 250, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(cone);
}

void night_follow(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    p.fillRect(QRectF(0, 0, w, h), QColor(0x0c, 0x10, 0x0c));
    p.fillRect(QRectF(113, 0, 140, h), QColor(0x24, 0x26, 0x2a));
    dashed_line(p, {183, -60}, {183, h}, 3, 26, 20, QColor(0x80, 0x70, 0x30), 300 * t);
    // The red car closes on the car ahead, then dips its beams and holds its distance.
    const double y = lerp(220, 170, ramp(t, 0.0, 0.4));
    const bool dipped = t > 0.4;
    beam_cone(p, {218, y - 26}, dipped ? 70 : 190, dipped ? 40 : 34, dipped ? 150 : 120);
    CarLook lead = look(ink::grey_car);
    lead.brake = false;
    car_top(p, {218, 70}, 0, lead);
    CarLook own = look(ink::own_car);
    own.headlights = true;
    car_top(p, {218, y}, 0, own);
    label(p, {290, 200}, dipped ? QStringLiteral("近光灯") : QStringLiteral("远光灯"), 13,
          QColor(0xf0, 0xe8, 0xa0), QColor(0x0c, 0x10, 0x0c));
    own_tag(p, {160, y});
    label(p, {40, 16}, QStringLiteral("夜间"), 13, QColor(0xe0, 0xe0, 0xe0),
          QColor(0x20, 0x28, 0x40));
}

// --- a breakdown on an ordinary road: hazards on, warning triangle behind
// ----------------------------

void breakdown_triangle(QPainter& p, const QSize& size, double t, int frame) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    p.fillRect(QRectF(0, 46, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 186, w, 4), ink::kerb);
    p.fillRect(QRectF(0, 50, w, 136), ink::asphalt);
    dashed_line(p, {0, 118}, {w, 118}, 4, 30, 24, ink::line_yellow);
    // The car has stopped at the right edge; the driver walks back and sets the triangle down.
    CarLook own = look(ink::own_car);
    own.hazards = blink_on(frame);
    car_top(p, {300, 164}, 90, own);
    own_tag(p, {300, 136});
    const double walk = ramp(t, 0.1, 0.7);
    const double man_x = lerp(280, 70, walk);
    person_top(p, {man_x, 196}, 270, 20, QColor(0xf0, 0x80, 0x20), t * 12);
    auto triangle_at = [&](const QPointF& c) {
        QPolygonF tri;
        tri << c + QPointF(0, -10) << c + QPointF(9, 6) << c + QPointF(-9, 6);
        p.setPen(QPen(QColor(0xe0, 0x20, 0x20), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(tri);
    };
    if (t > 0.75)
        triangle_at({70, 162});
    else
        triangle_at({man_x, 186});
    solid_line(p, {70, 140}, {300, 140}, 1.5, QColor(0xff, 0xff, 0xff, 120));
    label(p, {185, 132}, QStringLiteral("50米至100米"), 12, ink::white, ink::asphalt);
    car_top(p, {lerp(-60, 420, t), 84}, 270, look(ink::blue_car));
}

// --- a pedestrian crosses where there is no crossing
// -------------------------------------------------

void pedestrian_no_crossing(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::pavement);
    road_strip_up(p, 103, 263, h);
    dashed_line(p, {183, 0}, {183, h}, 3, 22, 18, ink::line_yellow);
    tree_top(p, {60, 60}, 22);
    tree_top(p, {320, 150}, 22);
    // An old man crosses slowly from right to left.
    const double cross = ramp(t, 0.1, 1.0);
    person_top(p, {lerp(290, 80, cross), 70}, 270, 22, QColor(0x88, 0x66, 0x44), t * 6);
    const double y = 290 - brake_travel(t, 300, 0.2, 0.5);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.2;
    car_top(p, {223, y}, 0, own);
    if (t < 0.3) own_tag(p, {223 - 52, std::min(y, 220.0)});
}

// --- an uncontrolled crossroads: give way to the car from the right
// ---------------------------------

void right_priority(QPainter& p, const QSize& size, double t, int) {
    const double w = size.width(), h = size.height();
    verge(p, QRectF(0, 0, w, h), ink::grass);
    road_strip_up(p, 143, 223, h);
    p.fillRect(QRectF(0, 76, w, 80), ink::asphalt);
    p.fillRect(QRectF(0, 72, 139, 4), ink::kerb);
    p.fillRect(QRectF(227, 72, w - 227, 4), ink::kerb);
    p.fillRect(QRectF(0, 156, 139, 4), ink::kerb);
    p.fillRect(QRectF(227, 156, w - 227, 4), ink::kerb);
    // Our car comes up from below and stops; the blue car from the right crosses first.
    const double y = 290 - brake_travel(std::min(t, 0.5), 220, 0.15, 0.5) - 420 * ramp(t, 0.7, 1.0);
    CarLook own = look(ink::own_car);
    own.brake = t > 0.15 && t < 0.7;
    car_top(p, {203, y}, 0, own);
    if (t < 0.3) own_tag(p, {203 - 52, std::min(y, 220.0)});
    car_top(p, {lerp(420, -60, ramp(t, 0.15, 0.75)), 96}, 270, look(ink::blue_car));
}

}  // namespace

QList<AnimationEntry> road_animations() {
    return {
        {"anim_bus_pedestrian.gif", frame_size, 32, 10, 150, bus_pedestrian},
        {"anim_ramp_merge.gif", frame_size, 32, 10, 120, ramp_merge},
        {"anim_ball_children.gif", frame_size, 30, 10, 150, ball_children},
        {"anim_curve_overtake.gif", frame_size, 36, 10, 120, curve_overtake},
        {"anim_fog_expressway.gif", frame_size, 32, 10, 150, fog_expressway},
        {"anim_level_crossing.gif", frame_size, 36, 10, 150, level_crossing},
        {"anim_night_meeting.gif", frame_size, 30, 10, 120, night_meeting},
        {"anim_tyre_blowout.gif", frame_size, 30, 10, 150, tyre_blowout},
        {"anim_crosswalk_pedestrians.gif", frame_size, 30, 10, 150, crosswalk_pedestrians},
        {"anim_lane_change.gif", frame_size, 30, 10, 120, lane_change},
        {"anim_ambulance_yield.gif", frame_size, 32, 10, 120, ambulance_yield},
        {"anim_overtake_left.gif", frame_size, 36, 10, 120, overtake_left},
        {"anim_yellow_flash.gif", frame_size, 36, 10, 120, yellow_flash},
        {"anim_pull_over.gif", frame_size, 30, 10, 150, pull_over},
        {"anim_school_bus_wait.gif", frame_size, 32, 10, 150, school_bus_wait},
        {"anim_zipper_merge.gif", frame_size, 32, 10, 100, zipper_merge},
        {"anim_night_follow.gif", frame_size, 30, 10, 150, night_follow},
        {"anim_breakdown_triangle.gif", frame_size, 32, 10, 150, breakdown_triangle},
        {"anim_pedestrian_no_crossing.gif", frame_size, 30, 10, 150, pedestrian_no_crossing},
        {"anim_right_priority.gif", frame_size, 32, 10, 150, right_priority},
    };
}

}  // namespace trelvo::media
