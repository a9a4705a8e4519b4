// Traffic police hand signals. The officer is a small 3-D figure (joints in his own frame, turned
// about the vertical axis and projected), so that an arm held straight forward is seen as an arm
// and not as a hand in front of the chest.

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "media_table.h"
#include "paint_kit.h"

namespace trelvo::media {

namespace {

constexpr double pi = 3.14159265358979323846;

// Officer frame: x to the officer's left, y up, z towards his front. Seen with yaw 0 he faces the
// viewer, so his left hand is on the viewer's right.
struct V3 {
    double x, y, z;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
V3 unit(V3 a) {
    const double n = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return a * (1 / n);
}

struct Arm {
    V3 upper;              // direction shoulder -> elbow
    V3 forearm;            // direction elbow -> wrist
    bool palm_up = false;  // hand bent up at the wrist, palm to the front (a "stop" hand)
};

struct Pose {
    Arm right;  // the officer's right arm
    Arm left;
    double yaw;             // degrees; positive turns his front towards the viewer's right
    double head_turn;       // degrees the head is turned to his left (negative: to his right)
    double swing_from = 0;  // a motion mark for a swinging arm: 0 none, +1 left arm, -1 right arm
};

const QColor uniform(0x22, 0x30, 0x4e);
const QColor vest(0xc6, 0xe0, 0x1e);
const QColor stripe(0xd8, 0xdc, 0xe0);
const QColor skin(0xf0, 0xc8, 0xa4);
const QColor glove(0xff, 0xff, 0xff);

class Figure {
  public:
    Figure(QPainter& p, const QPointF& feet, double scale, double yaw)
        : p_(p),
          feet_(feet),
          k_(scale),
          c_(std::cos(yaw * pi / 180)),
          s_(std::sin(yaw * pi / 180)) {}

    QPointF at(V3 v) const { return feet_ + QPointF((v.x * c_ + v.z * s_) * k_, -v.y * k_); }
    double depth(V3 v) const { return -v.x * s_ + v.z * c_; }

    void limb(V3 a, V3 b, double width, const QColor& colour) const {
        p_.setPen(QPen(colour, width * k_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawLine(at(a), at(b));
    }

    void draw(const Pose& pose) const {
        const V3 shoulder_r{-24, 147, 0}, shoulder_l{24, 147, 0};
        struct Side {
            V3 shoulder;
            Arm arm;
        };
        const Side sides[2] = {{shoulder_r, pose.right}, {shoulder_l, pose.left}};
        auto arm_depth = [&](const Side& s) {
            const V3 hand = s.shoulder + unit(s.arm.upper) * 30 + unit(s.arm.forearm) * 28;
            return (depth(s.shoulder) + depth(hand)) / 2;
        };
        // Arms behind the body first, then the body, then the arms in front of it.
        for (const Side& s : sides)
            if (arm_depth(s) < 0) draw_arm(s.shoulder, s.arm);
        draw_body(pose);
        for (const Side& s : sides)
            if (arm_depth(s) >= 0) draw_arm(s.shoulder, s.arm);
    }

  private:
    void draw_arm(V3 shoulder, const Arm& arm) const {
        const V3 elbow = shoulder + unit(arm.upper) * 30;
        const V3 wrist = elbow + unit(arm.forearm) * 28;
        const V3 finger_dir = arm.palm_up ? V3{0, 1, 0} : unit(arm.forearm);
        const V3 fingers = wrist + finger_dir * 13;
        limb(shoulder, elbow, 12, uniform);
        limb(elbow, wrist, 11, uniform);
        // White glove: outlined so that it stands out against the sky.
        p_.setPen(QPen(QColor(0x80, 0x80, 0x80), (10 + 1.6) * k_, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(at(wrist), at(fingers));
        limb(wrist, fingers, 10, glove);
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
        const QPointF head = at({0, 170, 0});
        p_.setPen(Qt::NoPen);
        p_.setBrush(skin);
        p_.drawEllipse(head, 11 * k_, 12.5 * k_);
        const double turn = (pose.head_turn) * pi / 180;
        const V3 face{std::sin(turn), 0, std::cos(turn)};
        const QPointF ahead = at(V3{0, 170, 0} + face * 10) - head;
        if (depth(face) > 0.2) {
            p_.setBrush(QColor(0x30, 0x20, 0x18));
            const QPointF side = at(V3{0, 170, 0} + V3{face.z, 0, -face.x} * 4.5) - head;
            p_.drawEllipse(head + ahead * 0.55 + side + QPointF(0, -1.5 * k_), 1.5 * k_, 1.5 * k_);
            p_.drawEllipse(head + ahead * 0.55 - side + QPointF(0, -1.5 * k_), 1.5 * k_, 1.5 * k_);
        }
        p_.setBrush(QColor(0x12, 0x12, 0x12));
        p_.drawEllipse(head + ahead * 0.75 + QPointF(0, -9 * k_), 10 * k_, 3.2 * k_);  // visor
        p_.setBrush(uniform);
        p_.drawRect(QRectF(head + QPointF(-11.5 * k_, -14 * k_), QSizeF(23 * k_, 5 * k_)));
        p_.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0.8));
        p_.setBrush(QColor(0xf8, 0xf8, 0xf8));
        p_.drawEllipse(head + QPointF(0, -17 * k_), 15 * k_, 5 * k_);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0xd8, 0xa8, 0x20));
        p_.drawEllipse(head + ahead * 0.5 + QPointF(0, -13 * k_), 2.2 * k_, 2.2 * k_);
    }

    QPainter& p_;
    QPointF feet_;
    double k_;
    double c_, s_;
};

void backdrop(QPainter& p, const QSize& size) {
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xdc, 0xea, 0xf6));
    sky.setColorAt(1, QColor(0xf4, 0xf7, 0xfa));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), sky);
    p.fillRect(QRectF(0, size.height() - 18, size.width(), 18), QColor(0xb4, 0xb4, 0xb0));
}

// A curved mark beside a swinging hand: where it comes from and which way it goes.
void swing_mark(QPainter& p, const QPointF& from, const QPointF& to) {
    QPainterPath spine;
    spine.moveTo(from);
    const QPointF mid = (from + to) / 2 + QPointF(0, 14);
    spine.quadTo(mid, to);
    fill_path(p, arrow_path(spine, 2.6, 12, 10), QColor(0xd0, 0x30, 0x30));
}

void draw_signal(QPainter& p, const QSize& size, const Pose& pose) {
    backdrop(p, size);
    const QPointF feet(size.width() / 2.0, size.height() - 10.0);
    Figure figure(p, feet, 1.0, pose.yaw);
    figure.draw(pose);
    if (pose.swing_from != 0) {
        const double side = pose.swing_from;  // +1: his left arm swings towards his right front
        const V3 shoulder{side * 24, 147, 0};
        const V3 start = shoulder + V3{side * 0.35, -0.94, 0} * 64;
        const V3 end = shoulder + unit(V3{-side * 0.45, -0.6, 0.65}) * 64;
        swing_mark(p, figure.at(start + V3{side * 10, -6, 0}), figure.at(end + V3{0, -12, 0}));
    }
}

const Arm arm_down_r{{-0.18, -1, 0}, {-0.1, -1, 0.08}};
const Arm arm_down_l{{0.18, -1, 0}, {0.1, -1, 0.08}};

void hand_stop(QPainter& p, const QSize& size) {
    // Left arm straight up and forward, 135 degrees from the body, palm to the front.
    Pose pose{arm_down_r, {{0.06, 0.72, 0.7}, {0.06, 0.72, 0.7}, true}, 28, 0};
    draw_signal(p, size, pose);
}

void hand_straight(QPainter& p, const QSize& size) {
    // Both arms level out to the sides; the right one then swings in towards the front.
    Pose pose{{{-1, 0, 0}, {-1, 0, 0}}, {{1, 0, 0}, {1, 0, 0}}, 12, -80};
    draw_signal(p, size, pose);
}

void hand_left_turn(QPainter& p, const QSize& size) {
    // Right arm straight forward, palm to the front; the left arm swings to his right front.
    Pose pose{{{0, 0, 1}, {0, 0, 1}, true}, {{-0.45, -0.6, 0.65}, {-0.45, -0.6, 0.65}}, -62, 45, 1};
    draw_signal(p, size, pose);
}

void hand_right_turn(QPainter& p, const QSize& size) {
    // Mirror image: left arm straight forward; the right arm swings to his left front.
    Pose pose{{{0.45, -0.6, 0.65}, {0.45, -0.6, 0.65}}, {{0, 0, 1}, {0, 0, 1}, true}, 62, -45, -1};
    draw_signal(p, size, pose);
}

}  // namespace

QList<PictureSpec> hand_signal_pictures() {
    const QSize view(240, 224);
    return {
        {"hand_stop.png", view, hand_stop},
        {"hand_straight.png", view, hand_straight},
        {"hand_left_turn.png", view, hand_left_turn},
        {"hand_right_turn.png", view, hand_right_turn},
    };
}

}  // namespace trelvo::media
