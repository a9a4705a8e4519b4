#include "paint_kit.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace trelvo::media {

namespace {

QPolygonF regular_polygon(int corners, double radius, double first_angle_deg) {
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const double a = (first_angle_deg + 360.0 * i / corners) * pi / 180.0;
        poly << QPointF(radius * std::sin(a), -radius * std::cos(a));
    }
    return poly;
}

// An equilateral triangle around the centroid with rounded corners: the polygon is shrunk by the
// corner radius and then stroked with a round join of that radius.
void rounded_triangle(QPainter& p, const QPointF& centroid, double inradius, double corner,
                      bool point_up, const QColor& colour) {
    QPolygonF poly = regular_polygon(3, 2 * (inradius - corner), point_up ? 0 : 180);
    poly.translate(centroid);
    p.setPen(QPen(colour, 2 * corner, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(poly);
}

void filled_circle(QPainter& p, const QPointF& c, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

QColor darker(const QColor& c, int factor = 140) {
    return c.darker(factor);
}

}  // namespace

QFont han_font(int pixel_size, bool bold) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont digit_font(int pixel_size) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixel_size);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void text_centred(QPainter& p, const QPointF& centre, const QString& text, const QFont& font,
                  const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(centre - path.boundingRect().center());
    fill_path(p, path, colour);
}

void label(QPainter& p, const QPointF& centre, const QString& text, int pixel_size,
           const QColor& colour, const QColor& halo) {
    QPainterPath path;
    path.addText(0, 0, han_font(pixel_size), text);
    path.translate(centre - path.boundingRect().center());
    p.save();
    p.setPen(
        QPen(halo, std::max(2.0, pixel_size / 5.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    fill_path(p, path, colour);
}

SignSpace::SignSpace(QPainter& p, const QRectF& box) : p_(p) {
    p_.save();
    const double side = std::min(box.width(), box.height());
    p_.translate(box.center());
    p_.scale(side / 200.0, side / 200.0);
}

SignSpace::~SignSpace() {
    p_.restore();
}

void prohibition_disc(QPainter& p, const QColor& ground) {
    filled_circle(p, {0, 0}, 100, ink::red);
    filled_circle(p, {0, 0}, 79, ground);
}

void prohibition_bar(QPainter& p) {
    p.save();
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), 79.5, 79.5);
    p.setClipPath(inner);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::red);
    p.drawRect(QRectF(-90, -8, 180, 16));
    p.restore();
}

void warning_triangle(QPainter& p) {
    // Side 200: centroid 28.9 below the box centre, inradius 57.7.
    const QPointF centroid(0, 28.87);
    rounded_triangle(p, centroid, 57.7, 9, true, ink::yellow);
    rounded_triangle(p, centroid, 54.5, 8, true, ink::black);
    rounded_triangle(p, centroid, 43.5, 4, true, ink::yellow);
}

void mandatory_disc(QPainter& p) {
    filled_circle(p, {0, 0}, 100, ink::blue);
}

void stop_octagon(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink::red);
    p.drawPolygon(regular_polygon(8, 100, 22.5));
    p.setPen(QPen(ink::white, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(regular_polygon(8, 92, 22.5));
    text_centred(p, {0, 0}, QStringLiteral("停"), han_font(100), ink::white);
}

void yield_triangle(QPainter& p) {
    // Vertex down: the centroid lies above the box centre.
    const QPointF centroid(0, -28.87);
    rounded_triangle(p, centroid, 57.7, 8, false, ink::red);
    rounded_triangle(p, centroid, 40.5, 4, false, ink::white);
    text_centred(p, centroid + QPointF(0, -6), QStringLiteral("让"), han_font(56), ink::black);
}

QPainterPath arrow_path(const QPainterPath& spine, double shaft_width, double head_width,
                        double head_length) {
    const double length = spine.length();
    const QPointF tip = spine.pointAtPercent(1);
    const QPointF back = spine.pointAtPercent(spine.percentAtLength(length - head_length));
    QPointF dir = tip - back;
    const double d = std::hypot(dir.x(), dir.y());
    dir /= d;
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = tip - dir * head_length;

    QPolygonF shaft;
    const int steps = 48;
    const double shaft_length = length - head_length + 1;
    for (int i = 0; i <= steps; ++i)
        shaft << spine.pointAtPercent(spine.percentAtLength(shaft_length * i / steps));
    QPainterPath line;
    line.addPolygon(shaft);
    QPainterPathStroker stroker;
    stroker.setWidth(shaft_width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath result = stroker.createStroke(line);

    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + normal * head_width / 2);
    head.lineTo(base - normal * head_width / 2);
    head.closeSubpath();
    return result.united(head).simplified();
}

void fill_path(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void car_top(QPainter& p, const QPointF& centre, double heading, const CarLook& look) {
    const double l = look.length, w = look.width;
    p.save();
    p.translate(centre);
    p.rotate(heading);
    if (look.headlights) {
        QLinearGradient beam(0, -l / 2, 0, -l / 2 - 4 * l);
        beam.setColorAt(0, QColor(255, 250, 200, 170));
        beam.setColorAt(1, QColor(255, 250, 200, 0));
        QPolygonF cone;
        cone << QPointF(-w / 2, -l / 2) << QPointF(w / 2, -l / 2)
             << QPointF(w * 1.6, -l / 2 - 4 * l) << QPointF(-w * 1.6, -l / 2 - 4 * l);
        p.setPen(Qt::NoPen);
        p.setBrush(beam);
        p.drawPolygon(cone);
    }
    // Wheels stick out a little at the sides.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    for (double sy : {-0.3, 0.3})
        for (double sx : {-1.0, 1.0})
            p.drawRoundedRect(QRectF(sx * w / 2 - w * 0.11, sy * l - l * 0.09, w * 0.22, l * 0.18),
                              1.5, 1.5);
    p.setPen(QPen(darker(look.body, 160), std::max(1.0, w / 18)));
    p.setBrush(look.body);
    p.drawRoundedRect(QRectF(-w / 2, -l / 2, w, l), w * 0.3, w * 0.3);
    // Windscreen, roof and rear window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x36, 0x44));
    QPolygonF screen;
    screen << QPointF(-w * 0.42, -l * 0.16) << QPointF(w * 0.42, -l * 0.16)
           << QPointF(w * 0.36, -l * 0.02) << QPointF(-w * 0.36, -l * 0.02);
    p.drawPolygon(screen);
    QPolygonF rear;
    rear << QPointF(-w * 0.36, l * 0.24) << QPointF(w * 0.36, l * 0.24)
         << QPointF(w * 0.4, l * 0.33) << QPointF(-w * 0.4, l * 0.33);
    p.drawPolygon(rear);
    p.setBrush(look.body.lighter(112));
    p.drawRoundedRect(QRectF(-w * 0.36, -l * 0.02, w * 0.72, l * 0.26), 2, 2);
    // Lamps.
    const QColor head = look.headlights ? QColor(255, 255, 210) : QColor(230, 230, 220);
    filled_circle(p, {-w * 0.32, -l * 0.47}, w * 0.1, head);
    filled_circle(p, {w * 0.32, -l * 0.47}, w * 0.1, head);
    const QColor tail = look.brake ? QColor(255, 40, 40) : QColor(150, 20, 20);
    filled_circle(p, {-w * 0.32, l * 0.47}, w * (look.brake ? 0.14 : 0.1), tail);
    filled_circle(p, {w * 0.32, l * 0.47}, w * (look.brake ? 0.14 : 0.1), tail);
    const QColor amber(255, 170, 0);
    auto blink = [&](double sx) {
        for (double sy : {-0.46, 0.46}) {
            filled_circle(p, {sx * w * 0.5, sy * l}, w * 0.22, QColor(255, 170, 0, 110));
            filled_circle(p, {sx * w * 0.5, sy * l}, w * 0.12, amber);
        }
    };
    if (look.left_signal || look.hazards) blink(-1);
    if (look.right_signal || look.hazards) blink(1);
    p.restore();
}

void bus_top(QPainter& p, const QPointF& centre, double heading, double length, double width,
             const QColor& body, bool hazards, const QString& roof_text) {
    p.save();
    p.translate(centre);
    p.rotate(heading);
    const double l = length, w = width;
    p.setPen(QPen(darker(body, 170), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-w / 2, -l / 2, w, l), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x36, 0x44));
    p.drawRoundedRect(QRectF(-w * 0.44, -l / 2 + 1.5, w * 0.88, l * 0.05), 2, 2);
    p.setBrush(body.lighter(115));
    p.drawRoundedRect(QRectF(-w * 0.36, -l * 0.38, w * 0.72, l * 0.8), 3, 3);
    p.setBrush(QColor(0xb8, 0xbc, 0xc0));
    p.drawRect(QRectF(-w * 0.22, -l * 0.1, w * 0.44, l * 0.16));
    if (!roof_text.isEmpty()) {
        p.save();
        p.rotate(-heading);  // keep the lettering upright for the reader
        text_centred(p, {0, 0}, roof_text, han_font(int(w * 0.42)), ink::black);
        p.restore();
    }
    if (hazards) {
        for (double sy : {-0.48, 0.48})
            for (double sx : {-0.46, 0.46}) {
                filled_circle(p, {sx * w, sy * l}, w * 0.2, QColor(255, 170, 0, 110));
                filled_circle(p, {sx * w, sy * l}, w * 0.1, QColor(255, 170, 0));
            }
    }
    p.restore();
}

void truck_top(QPainter& p, const QPointF& centre, double heading, double length, double width,
               const QColor& cab, const QColor& box) {
    p.save();
    p.translate(centre);
    p.rotate(heading);
    const double l = length, w = width;
    p.setPen(QPen(darker(cab, 170), 1.2));
    p.setBrush(cab);
    p.drawRoundedRect(QRectF(-w * 0.46, -l / 2, w * 0.92, l * 0.2), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x36, 0x44));
    p.drawRect(QRectF(-w * 0.4, -l / 2 + 1.5, w * 0.8, l * 0.05));
    p.setPen(QPen(darker(box, 160), 1.2));
    p.setBrush(box);
    p.drawRect(QRectF(-w / 2, -l / 2 + l * 0.23, w, l * 0.77));
    p.setPen(QPen(darker(box, 120), 1));
    for (int i = 1; i < 5; ++i) {
        const double y = -l / 2 + l * 0.23 + l * 0.77 * i / 5;
        p.drawLine(QPointF(-w / 2, y), QPointF(w / 2, y));
    }
    p.restore();
}

void person_top(QPainter& p, const QPointF& centre, double heading, double size,
                const QColor& shirt, double walk_phase) {
    p.save();
    p.translate(centre);
    p.rotate(heading);
    const double s = size;
    const double swing = std::sin(walk_phase * 2 * pi) * s * 0.35;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawEllipse(QPointF(-s * 0.16, -swing), s * 0.12, s * 0.2);
    p.drawEllipse(QPointF(s * 0.16, swing), s * 0.12, s * 0.2);
    p.setPen(QPen(darker(shirt, 160), std::max(0.8, s / 14)));
    p.setBrush(shirt);
    p.drawEllipse(QPointF(0, 0), s * 0.5, s * 0.24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x2a, 0x20));
    p.drawEllipse(QPointF(0, 0), s * 0.2, s * 0.2);
    p.restore();
}

void tree_top(QPainter& p, const QPointF& centre, double radius) {
    p.setPen(QPen(QColor(0x2f, 0x6b, 0x2a), 1.2));
    p.setBrush(QColor(0x4c, 0x93, 0x3d));
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x63, 0xad, 0x4f));
    p.drawEllipse(centre + QPointF(-radius * 0.25, -radius * 0.25), radius * 0.5, radius * 0.5);
}

void car_rear(QPainter& p, const Camera& cam, double x, double z, const QColor& body,
              bool lights_on, bool hazards_lit, bool facing) {
    const double s = cam.scale(z);
    const QPointF ground = cam.at(x, z);
    const double w = 1.8 * s, h = 1.45 * s;
    const double left = ground.x() - w / 2, bottom = ground.y();
    p.save();
    p.setPen(Qt::NoPen);
    // Shadow and tyres.
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(left - w * 0.05, bottom - h * 0.06, w * 1.1, h * 0.12));
    p.setBrush(QColor(0x1c, 0x1c, 0x1c));
    p.drawRect(QRectF(left + w * 0.06, bottom - h * 0.22, w * 0.16, h * 0.22));
    p.drawRect(QRectF(left + w * 0.78, bottom - h * 0.22, w * 0.16, h * 0.22));
    // Body and cabin.
    p.setBrush(body);
    p.drawRoundedRect(QRectF(left, bottom - h * 0.62, w, h * 0.44), w * 0.06, w * 0.06);
    QPolygonF cabin;
    cabin << QPointF(left + w * 0.1, bottom - h * 0.6) << QPointF(left + w * 0.9, bottom - h * 0.6)
          << QPointF(left + w * 0.78, bottom - h) << QPointF(left + w * 0.22, bottom - h);
    p.drawPolygon(cabin);
    p.setBrush(QColor(0x2a, 0x36, 0x44));
    QPolygonF glass;
    glass << QPointF(left + w * 0.17, bottom - h * 0.63)
          << QPointF(left + w * 0.83, bottom - h * 0.63)
          << QPointF(left + w * 0.74, bottom - h * 0.94)
          << QPointF(left + w * 0.26, bottom - h * 0.94);
    p.drawPolygon(glass);
    // Lamps: tail lamps red at the back, head lamps white at the front.
    const QRectF lamp_l(left + w * 0.04, bottom - h * 0.56, w * 0.2, h * 0.1);
    const QRectF lamp_r(left + w * 0.76, bottom - h * 0.56, w * 0.2, h * 0.1);
    QColor lamp = facing ? (lights_on ? QColor(255, 255, 230) : QColor(200, 200, 190))
                         : (lights_on ? QColor(255, 50, 40) : QColor(140, 20, 20));
    if (lights_on) {
        const QColor glow = facing ? QColor(255, 255, 220, 90) : QColor(255, 40, 30, 80);
        p.setBrush(glow);
        p.drawEllipse(lamp_l.center(), w * 0.22, w * 0.16);
        p.drawEllipse(lamp_r.center(), w * 0.22, w * 0.16);
    }
    p.setBrush(lamp);
    p.drawRect(lamp_l);
    p.drawRect(lamp_r);
    if (hazards_lit) {
        p.setBrush(QColor(255, 170, 0, 120));
        p.drawEllipse(lamp_l.center() + QPointF(0, h * 0.1), w * 0.2, w * 0.14);
        p.drawEllipse(lamp_r.center() + QPointF(0, h * 0.1), w * 0.2, w * 0.14);
        p.setBrush(QColor(255, 175, 0));
        p.drawRect(lamp_l.translated(0, h * 0.1));
        p.drawRect(lamp_r.translated(0, h * 0.1));
    }
    p.restore();
}

void dashed_line(QPainter& p, const QPointF& a, const QPointF& b, double width, double dash,
                 double gap, const QColor& colour, double phase) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF u = d / length;
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    const double period = dash + gap;
    double start = -std::fmod(phase, period);
    if (start > 0) start -= period;
    for (; start < length; start += period) {
        const double s0 = std::max(0.0, start), s1 = std::min(length, start + dash);
        if (s1 > s0) p.drawLine(a + u * s0, a + u * s1);
    }
    p.restore();
}

void solid_line(QPainter& p, const QPointF& a, const QPointF& b, double width,
                const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
    p.restore();
}

void zebra(QPainter& p, const QRectF& area, bool across_x, double stripe, double gap) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::line_white);
    if (across_x) {
        for (double x = area.left(); x + stripe <= area.right() + 0.5; x += stripe + gap)
            p.drawRect(QRectF(x, area.top(), stripe, area.height()));
    } else {
        for (double y = area.top(); y + stripe <= area.bottom() + 0.5; y += stripe + gap)
            p.drawRect(QRectF(area.left(), y, area.width(), stripe));
    }
    p.restore();
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

double ramp(double t, double from, double to) {
    if (t <= from) return 0;
    if (t >= to) return 1;
    const double u = (t - from) / (to - from);
    return u * u * (3 - 2 * u);
}

}  // namespace trelvo::media
