// Traffic police hand signals. The officer is a small 3-D figure (joints in his own frame, turned
// about the vertical axis and seen in perspective from a little above), so that an arm held
// straight forward is seen coming towards the viewer, short and widening, with the open glove at
// its end, and not as an arm held out to the side.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

// Officer frame: x to the officer's left, y up, z towards his front. Seen with yaw 0 he faces the
// viewer, so his left hand is on the viewer's right.
struct V3 {
    double x, y, z;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 unit(V3 a) {
    const double n = std::sqrt(dot(a, a));
    return a * (1 / n);
}
V3 mirrored(V3 a) {
    return {-a.x, a.y, a.z};
}

constexpr double upper_arm = 30, forearm_length = 28;

struct Arm {
    V3 upper;                        // direction shoulder -> elbow
    V3 forearm;                      // direction elbow -> wrist
    V3 palm;                         // the way the palm faces
    std::optional<V3> fingers = {};  // the way the fingers point; along the forearm if not given
};

// A swinging arm: drawn in full where the pose has it, faintly at `ghost`, with a curved arrow
// that runs from `from` to `to` beside the hand.
struct Swing {
    bool right_arm;
    V3 from, to;        // arm directions at the two ends of the arrow
    V3 ghost;           // arm direction of the faint copy
    V3 ghost_palm;      // and the way its palm faces
    double reach = 88;  // distance of the arrow from the shoulder
    double below = 0;   // and how far it runs below the hand
};

struct Pose {
    Arm right;  // the officer's right arm
    Arm left;
    double yaw;        // degrees; positive turns his front towards the viewer's right
    double head_turn;  // degrees the head is turned to his left (negative: to his right)
    std::optional<Swing> swing = {};
    double pitch = 8;  // degrees the viewer looks down on him
    double zoom = 0.96;
    double shift = 0;  // pixels the figure stands right of the middle, to leave room for a mark
};

// The same signal given with the other hand: left and right exchanged.
Arm mirrored(const Arm& a) {
    Arm m{mirrored(a.upper), mirrored(a.forearm), mirrored(a.palm), {}};
    if (a.fingers) m.fingers = mirrored(*a.fingers);
    return m;
}
Pose mirrored(const Pose& p) {
    Pose m = p;
    m.right = mirrored(p.left);
    m.left = mirrored(p.right);
    m.yaw = -p.yaw;
    m.head_turn = -p.head_turn;
    m.shift = -p.shift;
    if (p.swing) {
        Swing& sw = *m.swing;
        sw.right_arm = !sw.right_arm;
        for (V3* v : {&sw.from, &sw.to, &sw.ghost, &sw.ghost_palm}) *v = mirrored(*v);
    }
    return m;
}

const QColor uniform(0x22, 0x30, 0x4e);
const QColor vest(0xc6, 0xe0, 0x1e);
const QColor stripe(0xd8, 0xdc, 0xe0);
const QColor skin(0xf0, 0xc8, 0xa4);
const QColor glove(0xff, 0xff, 0xff);
const QColor glove_line(0x78, 0x78, 0x78);
const QColor swing_red(0xd0, 0x30, 0x30);
const QColor ghost_sleeve(0xa4, 0xae, 0xc0);
const QColor ghost_glove_line(0xb8, 0xc0, 0xc8);

const V3 shoulder_r{-24, 147, 0}, shoulder_l{24, 147, 0};

class Figure {
  public:
    Figure(QPainter& p, const QPointF& feet, double scale, double yaw, double pitch)
        : p_(p),
          k_(scale),
          c_(std::cos(yaw * pi / 180)),
          s_(std::sin(yaw * pi / 180)),
          cos_pitch_(std::cos(pitch * pi / 180)),
          sin_pitch_(std::sin(pitch * pi / 180)) {
        // Put the middle of his feet where the caller asked.
        feet_ = QPointF(0, 0);
        feet_ = feet - at({0, 0, 0});
    }

    // The viewer stands `distance` away, level with the officer's chest, and looks slightly down,
    // so that what is nearer is larger and a little lower.
    QPointF at(V3 v) const {
        const double lateral = v.x * c_ + v.z * s_;
        const double d = depth(v), h = v.y - eye_height;
        const double up = h * cos_pitch_ - d * sin_pitch_;
        const double f = persp(v);
        return feet_ + QPointF(lateral * f * k_, -(eye_height + up * f) * k_);
    }
    // Towards the viewer, in figure units.
    double depth(V3 v) const { return -v.x * s_ + v.z * c_; }
    // Size in pixels of one figure unit at v.
    double size_at(V3 v) const { return persp(v) * k_; }

    void draw(const Pose& pose) const {
        struct Side {
            V3 shoulder;
            const Arm* arm;
            bool right;
        };
        const Side sides[2] = {{shoulder_r, &pose.right, true}, {shoulder_l, &pose.left, false}};
        auto arm_depth = [&](const Side& s) {
            const V3 hand =
                s.shoulder + unit(s.arm->upper) * upper_arm + unit(s.arm->forearm) * forearm_length;
            return (depth(s.shoulder) + depth(hand)) / 2;
        };
        // Arms behind the body first, then the body, the faint swinging copy, and the arms in
        // front of it.
        for (const Side& s : sides)
            if (arm_depth(s) < 0) draw_arm(s.shoulder, *s.arm, s.right);
        draw_body(pose);
        if (pose.swing) {
            const Swing& sw = *pose.swing;
            draw_arm(sw.right_arm ? shoulder_r : shoulder_l, {sw.ghost, sw.ghost, sw.ghost_palm},
                     sw.right_arm, true);
        }
        for (const Side& s : sides)
            if (arm_depth(s) >= 0) draw_arm(s.shoulder, *s.arm, s.right);
    }

  private:
    static constexpr double eye_height = 120, distance = 215;

    double persp(V3 v) const {
        const double d = depth(v), h = v.y - eye_height;
        return distance / (distance - (d * cos_pitch_ + h * sin_pitch_));
    }

    // A round-ended limb whose width follows the perspective, so that a limb pointing at the
    // viewer widens towards him.
    void limb(V3 a, V3 b, double width, const QColor& colour) const {
        const QPointF pa = at(a), pb = at(b);
        const double ra = width / 2 * size_at(a), rb = width / 2 * size_at(b);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        const QPointF d = pb - pa;
        const double len = std::hypot(d.x(), d.y());
        if (len > 0.01) {
            const QPointF n(-d.y() / len, d.x() / len);
            p_.drawPolygon(QPolygonF{} << pa + n * ra << pb + n * rb << pb - n * rb << pa - n * ra);
        }
        p_.drawEllipse(pa, ra, ra);
        p_.drawEllipse(pb, rb, rb);
    }

    // A sleeve with a light band along its upper side, so that it reads as a round tube; on an arm
    // pointing at the viewer the band widens with the sleeve.
    void sleeve(V3 a, V3 b, double width, const QColor& colour) const {
        limb(a, b, width, colour);
        const QPointF pa = at(a), pb = at(b);
        QPointF d = pb - pa;
        const double len = std::hypot(d.x(), d.y());
        QPointF n = len > 0.01 ? QPointF(-d.y() / len, d.x() / len) : QPointF(0, -1);
        if (n.y() > 0) n = -n;  // towards the top of the picture
        const double ra = width / 2 * size_at(a), rb = width / 2 * size_at(b);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour.lighter(150));
        p_.drawPolygon(QPolygonF{} << pa + n * (ra * 0.75) << pb + n * (rb * 0.75)
                                   << pb + n * (rb * 0.3) << pa + n * (ra * 0.3));
    }

    // The round end of the sleeve at the wrist, drawn as the circle it is: on an arm pointing at
    // the viewer it shows as an open ring around the wrist, on any other arm as a band.
    void cuff(V3 wrist, V3 along, const QColor& colour) const {
        const V3 helper = std::abs(along.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
        const V3 e1 = unit(cross(along, helper)), e2 = cross(along, e1);
        auto ring = [&](double r, double back) {
            QPolygonF poly;
            for (int i = 0; i < 24; ++i) {
                const double a = 2 * pi * i / 24;
                poly << at(wrist - along * back + e1 * (r * std::cos(a)) + e2 * (r * std::sin(a)));
            }
            return poly;
        };
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour.lighter(140));
        p_.drawPolygon(ring(7.2, 1.5));
        p_.setBrush(colour.darker(170));
        p_.drawPolygon(ring(5.6, 0.0));
    }

    // A faint arm (`ghost`) is the other end of a swing: pale, so that it reads as a trace and
    // not as a third arm.
    void draw_arm(V3 shoulder, const Arm& arm, bool right, bool ghost = false) const {
        const V3 elbow = shoulder + unit(arm.upper) * upper_arm;
        const V3 wrist = elbow + unit(arm.forearm) * forearm_length;
        const QColor cloth = ghost ? ghost_sleeve : uniform;
        sleeve(shoulder, elbow, 12, cloth);
        sleeve(elbow, wrist, 11, cloth);
        cuff(wrist, unit(arm.forearm), cloth);
        draw_hand(wrist, unit(arm.fingers.value_or(arm.forearm)), arm.palm, right, ghost);
    }

    // An open white glove at the wrist: palm, four fingers side by side and the thumb, laid out in
    // the plane the palm faces, so that a palm turned to the viewer shows all its fingers.
    void draw_hand(V3 wrist, V3 along, V3 palm_facing, bool right, bool ghost) const {
        const V3 n = unit(palm_facing - along * dot(palm_facing, along));
        // Thumb side: for a right hand, fingers x palm direction.
        const V3 thumb_side = right ? cross(along, n) : cross(n, along);
        const double px = size_at(wrist);
        constexpr double palm_length = 10, finger_width = 3.0;
        struct Stroke {
            V3 a, b;
            double width;
        };
        std::vector<Stroke> strokes;
        // Palm as two thick strokes filling its width.
        for (double u : {-2.6, 2.6})
            strokes.push_back({wrist + along * 2.5 + thumb_side * (u * 0.85),
                               wrist + along * palm_length + thumb_side * u, 6.0});
        const double offsets[4] = {3.9, 1.3, -1.3, -3.9};  // index finger first
        const double lengths[4] = {8.5, 9.5, 9.0, 7.0};
        V3 tips[4], bases[4];
        for (int i = 0; i < 4; ++i) {
            bases[i] = wrist + along * (palm_length - 0.5) + thumb_side * offsets[i];
            tips[i] = bases[i] + unit(along + thumb_side * (offsets[i] * 0.03)) * lengths[i];
            strokes.push_back({bases[i], tips[i], finger_width});
        }
        const V3 thumb_base = wrist + along * 2.5 + thumb_side * 4.5;
        strokes.push_back({thumb_base, thumb_base + unit(thumb_side * 0.8 + along * 0.6) * 7.5,
                           finger_width + 0.4});

        auto pass = [&](const QColor& colour, double extra) {
            for (const Stroke& s : strokes) {
                p_.setPen(QPen(colour, (s.width + extra) * px, Qt::SolidLine, Qt::RoundCap));
                p_.drawLine(at(s.a), at(s.b));
            }
        };
        const QColor line = ghost ? ghost_glove_line : glove_line;
        pass(line, 1.6);
        pass(glove, 0);
        // Lines between the fingers, and a crease when the palm is turned to the viewer.
        p_.setPen(QPen(line, std::max(0.6, 0.5 * px), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const V3 root = (bases[i] + bases[i + 1]) * 0.5;
            const V3 end = (tips[i] + tips[i + 1]) * 0.5 - along * 2.0;
            p_.drawLine(at(root), at(end));
        }
        const V3 towards_viewer{-s_, 0, c_};
        if (dot(n, towards_viewer) > 0.35) {
            QPainterPath crease;
            crease.moveTo(at(wrist + along * 7 + thumb_side * 3.5));
            crease.quadTo(at(wrist + along * 4 - thumb_side * 0.5),
                          at(wrist + along * 2 - thumb_side * 4));
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(crease);
        }
    }

    // A quad of the officer frame, filled.
    void face(std::initializer_list<V3> corners, const QColor& colour) const {
        QPolygonF poly;
        for (const V3& v : corners) poly << at(v);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(poly);
    }

    void draw_body(const Pose& pose) const {
        for (double x : {-10.0, 10.0}) limb({x, 96, 0}, {x * 1.05, 10, 0}, 16, uniform);
        // Shoes point the way he faces.
        for (double x : {-10.0, 10.0})
            face({{x - 6, 6, -6}, {x + 6, 6, -6}, {x + 6, 0, 16}, {x - 6, 0, 16}},
                 QColor(0x10, 0x10, 0x10));
        // The torso is a box: its front and whichever side faces the viewer, in the vest with
        // reflective bands.
        const double hw = 25, hd = 12;
        const double side = s_ > 0 ? -1 : 1;  // the side turned towards the viewer
        auto torso_side = [&](double x, const QColor& colour) {
            face({{x, 150, -hd}, {x, 150, hd}, {x * 0.8, 92, hd}, {x * 0.8, 92, -hd}}, colour);
        };
        auto torso_front = [&](double z, const QColor& colour) {
            face({{-hw, 150, z}, {hw, 150, z}, {hw * 0.8, 92, z}, {-hw * 0.8, 92, z}}, colour);
        };
        // Seen from a little above, the shoulders show as a strip of uniform on top.
        face({{-hw, 150, -hd}, {hw, 150, -hd}, {hw, 150, hd}, {-hw, 150, hd}}, uniform);
        if (std::abs(s_) > 0.05) torso_side(side * hw, vest.darker(125));
        torso_front(hd, vest);
        for (double y : {128.0, 110.0}) {
            const double k = 0.8 + 0.2 * (y - 92) / 58;
            face({{-hw * k, y + 3, hd + 0.1},
                  {hw * k, y + 3, hd + 0.1},
                  {hw * k, y - 3, hd + 0.1},
                  {-hw * k, y - 3, hd + 0.1}},
                 stripe);
            if (std::abs(s_) > 0.05)
                face({{side * hw * k, y + 3, -hd},
                      {side * hw * k, y + 3, hd},
                      {side * hw * k, y - 3, hd},
                      {side * hw * k, y - 3, -hd}},
                     stripe.darker(115));
        }
        face({{-hw * 0.8, 97, hd + 0.2},
              {hw * 0.8, 97, hd + 0.2},
              {hw * 0.8, 91, hd + 0.2},
              {-hw * 0.8, 91, hd + 0.2}},
             QColor(0x18, 0x18, 0x18));
        // Collar of the uniform shirt.
        face({{-9, 151, hd}, {9, 151, hd}, {0, 140, hd + 0.3}}, uniform);
        // Neck, head and the white-topped peaked cap; the visor shows where he looks.
        limb({0, 148, 0}, {0, 160, 0}, 9, skin);
        const V3 head_centre{0, 170, 0};
        const QPointF head = at(head_centre);
        const double hk = size_at(head_centre);
        p_.setPen(Qt::NoPen);
        p_.setBrush(skin);
        p_.drawEllipse(head, 11 * hk, 12.5 * hk);
        const double turn = pose.head_turn * pi / 180;
        const V3 face{std::sin(turn), 0, std::cos(turn)};
        const QPointF ahead = at(head_centre + face * 10) - head;
        if (depth(face) > 0.2) {
            p_.setBrush(QColor(0x30, 0x20, 0x18));
            const QPointF apart = at(head_centre + V3{face.z, 0, -face.x} * 4.5) - head;
            p_.drawEllipse(head + ahead * 0.55 + apart + QPointF(0, -1.5 * hk), 1.5 * hk, 1.5 * hk);
            p_.drawEllipse(head + ahead * 0.55 - apart + QPointF(0, -1.5 * hk), 1.5 * hk, 1.5 * hk);
        }
        p_.setBrush(QColor(0x12, 0x12, 0x12));
        p_.drawEllipse(head + ahead * 0.75 + QPointF(0, -9 * hk), 10 * hk, 3.2 * hk);  // visor
        p_.setBrush(uniform);
        p_.drawRect(QRectF(head + QPointF(-11.5 * hk, -14 * hk), QSizeF(23 * hk, 5 * hk)));
        p_.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0.8));
        p_.setBrush(QColor(0xf8, 0xf8, 0xf8));
        p_.drawEllipse(head + QPointF(0, -17 * hk), 15 * hk, 5 * hk);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0xd8, 0xa8, 0x20));
        p_.drawEllipse(head + ahead * 0.5 + QPointF(0, -13 * hk), 2.2 * hk, 2.2 * hk);
    }

    QPainter& p_;
    QPointF feet_;
    double k_;
    double c_, s_;
    double cos_pitch_, sin_pitch_;
};

void backdrop(QPainter& p, const QSize& size) {
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xdc, 0xea, 0xf6));
    sky.setColorAt(1, QColor(0xf4, 0xf7, 0xfa));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), sky);
    p.fillRect(QRectF(0, size.height() - 18, size.width(), 18), QColor(0xb4, 0xb4, 0xb0));
}

// A curved arrow beside the swinging hand, following the path the hand takes (projected), a
// little beyond the fingertips.
void swing_mark(QPainter& p, const Figure& figure, const Swing& sw) {
    const V3 shoulder = sw.right_arm ? shoulder_r : shoulder_l;
    const V3 a = unit(sw.from), b = unit(sw.to);
    QPainterPath spine;
    constexpr int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double u = double(i) / steps;
        const QPointF pt =
            figure.at(shoulder + unit(a * (1 - u) + b * u) * sw.reach + V3{0, -sw.below, 0});
        if (i == 0)
            spine.moveTo(pt);
        else
            spine.lineTo(pt);
    }
    fill_path(p, arrow_path(spine, 3.2, 13, 11), swing_red);
}

void draw_signal(QPainter& p, const QSize& size, const Pose& pose) {
    backdrop(p, size);
    const QPointF feet(size.width() / 2.0 + pose.shift, size.height() - 10.0);
    Figure figure(p, feet, pose.zoom, pose.yaw, pose.pitch);
    figure.draw(pose);
    if (pose.swing) swing_mark(p, figure, *pose.swing);
}

// Hanging arms, the hand relaxed with the palm to the thigh.
const Arm arm_down_r{{-0.18, -1, 0}, {-0.1, -1, 0.08}, {1, 0, 0}};
const Arm arm_down_l{{0.18, -1, 0}, {0.1, -1, 0.08}, {-1, 0, 0}};

const V3 front{0, 0, 1};

void hand_stop(QPainter& p, const QSize& size) {
    // Left arm straight up and forward, 135 degrees from the body, palm to the front. Seen three
    // quarters from his right, so that the angle of the arm shows and it stays clear of his face.
    const V3 up_forward{0.04, 0.71, 0.71};
    Pose pose{arm_down_r, {up_forward, up_forward, front}, 50, 0};
    draw_signal(p, size, pose);
}

void hand_straight(QPainter& p, const QSize& size) {
    // Both arms level out to the sides, palms to the front; the right one swings in towards the
    // front and back again. Seen from higher up, so that the level swing shows as a curve.
    const V3 out_r{-1, 0, 0}, out_l{1, 0, 0};
    const V3 swung = unit(V3{-0.57, 0, 0.82});
    Pose pose{{out_r, out_r, front},
              {out_l, out_l, front},
              18,
              -80,
              Swing{true, unit(V3{-1, 0, 0.05}), swung, swung, V3{1, 0, 0.4}, 72, 16},
              18,
              0.98,
              14};
    draw_signal(p, size, pose);
}

// Left turn: the right arm straight forward, the hand up with the palm to the front; the left arm
// swings across to his right front, the palm facing his right. Seen almost from the front, so
// that the forward arm comes at the viewer.
Pose left_turn_pose() {
    const V3 swing_to = unit(V3{-0.55, -0.42, 0.72});
    const V3 swing_from = unit(V3{0.3, -0.95, 0.1});
    return Pose{{front, front, front, V3{0, 1, 0}},
                {swing_to, swing_to, V3{-1, 0, 0}},
                -13,
                45,
                Swing{false, swing_from, swing_to, swing_from, V3{-1, 0, 0}}};
}

void hand_left_turn(QPainter& p, const QSize& size) {
    draw_signal(p, size, left_turn_pose());
}

void hand_right_turn(QPainter& p, const QSize& size) {
    // Mirror image: left arm straight forward; the right arm swings to his left front.
    draw_signal(p, size, mirrored(left_turn_pose()));
}

}  // namespace

QList<PictureEntry> hand_signal_pictures() {
    const QSize view(240, 224);
    return {
        {"hand_stop.png", view, hand_stop},
        {"hand_straight.png", view, hand_straight},
        {"hand_left_turn.png", view, hand_left_turn},
        {"hand_right_turn.png", view, hand_right_turn},
    };
}

}  // namespace trelvo::media
