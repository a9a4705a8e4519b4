#pragma once

// Drawing helpers shared by all question pictures and animations: the colours and fonts of road
// signs, the sign shapes of GB 5768 (drawn in a 200-unit sign space), arrows, and the small
// figures of road scenes (cars, buses, people seen from above, a simple driver's-eye camera).

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace trelvo::media {

namespace ink {
inline const QColor red{0xd4, 0x1c, 0x24};
inline const QColor yellow{0xf9, 0xc8, 0x00};
inline const QColor blue{0x00, 0x4e, 0xa2};
inline const QColor green{0x00, 0x7a, 0x43};
inline const QColor black{0x14, 0x14, 0x14};
inline const QColor white{0xff, 0xff, 0xff};
inline const QColor asphalt{0x5c, 0x60, 0x64};
inline const QColor line_white{0xf2, 0xf2, 0xf0};
inline const QColor line_yellow{0xf4, 0xb8, 0x00};
inline const QColor grass{0x86, 0xb8, 0x4e};
inline const QColor sky{0xc4, 0xdc, 0xf0};
inline const QColor pavement{0xc8, 0xc2, 0xb4};
inline const QColor own_car{0xd8, 0x24, 0x24};  // the learner's car is always red
inline const QColor kerb(0xa8, 0xa8, 0xa0);
inline const QColor blue_car(0x3a, 0x7b, 0xc8);
inline const QColor grey_car(0x9a, 0xa0, 0xa8);
}  // namespace ink

inline constexpr double pi = 3.14159265358979323846;

// Chinese text (WenQuanYi Micro Hei) and the digits of speed signs.
QFont han_font(int pixel_size, bool bold = true);
QFont digit_font(int pixel_size);

// Fills the outline of the text so that its visible ink, not its line box, is centred on `centre`.
void text_centred(QPainter& p, const QPointF& centre, const QString& text, const QFont& font,
                  const QColor& colour);
// Plain label with an outline in `halo` so that it reads on any background.
void label(QPainter& p, const QPointF& centre, const QString& text, int pixel_size,
           const QColor& colour, const QColor& halo = Qt::white);

// While alive, maps the square box onto a sign space of -100..100 in both directions.
class SignSpace {
  public:
    SignSpace(QPainter& p, const QRectF& box);
    ~SignSpace();
    SignSpace(const SignSpace&) = delete;
    SignSpace& operator=(const SignSpace&) = delete;

  private:
    QPainter& p_;
};

// Sign shapes in sign space. The symbol is drawn afterwards by the caller; for prohibition signs
// the bar goes on top of the symbol.
void prohibition_disc(QPainter& p, const QColor& ground = ink::white);  // red ring
void prohibition_bar(QPainter& p);                                      // red "\" bar
void warning_triangle(QPainter& p);  // yellow, black border, vertex up
inline const QPointF warning_symbol_centre{0, 24};
void mandatory_disc(QPainter& p);  // blue
void stop_octagon(QPainter& p);    // red octagon with 停
void yield_triangle(QPainter& p);  // inverted triangle with 让

// A thick arrow along `spine`, the head at the end of the spine.
QPainterPath arrow_path(const QPainterPath& spine, double shaft_width, double head_width,
                        double head_length);
void fill_path(QPainter& p, const QPainterPath& path, const QColor& colour);

// Road paint seen from above. `phase` shifts the dash pattern along the line (moving scenes).
void dashed_line(QPainter& p, const QPointF& a, const QPointF& b, double width, double dash,
                 double gap, const QColor& colour, double phase = 0);
void solid_line(QPainter& p, const QPointF& a, const QPointF& b, double width,
                const QColor& colour);
// Crosswalk stripes filling `area`; the stripes run along y when `across_x` (a road running up).
void zebra(QPainter& p, const QRectF& area, bool across_x, double stripe, double gap);

// Seen from above, heading in degrees clockwise from "up".
struct CarLook {
    QColor body = QColor(0x3a, 0x7b, 0xc8);
    double length = 44;
    double width = 20;
    bool left_signal = false;
    bool right_signal = false;
    bool brake = false;
    bool hazards = false;
    bool headlights = false;
};
void car_top(QPainter& p, const QPointF& centre, double heading, const CarLook& look);
void bus_top(QPainter& p, const QPointF& centre, double heading, double length, double width,
             const QColor& body, bool hazards = false, const QString& roof_text = {});
void truck_top(QPainter& p, const QPointF& centre, double heading, double length, double width,
               const QColor& cab, const QColor& box);
// A person seen from above: head and shoulders, walking phase moves the feet.
void person_top(QPainter& p, const QPointF& centre, double heading, double size,
                const QColor& shirt, double walk_phase = 0);
void tree_top(QPainter& p, const QPointF& centre, double radius);

// A driver's-eye camera over a flat road: x is metres to the right, z metres ahead.
struct Camera {
    double centre_x;
    double horizon_y;
    double focal;  // pixels per metre at 1 m
    double eye_height = 1.3;
    QPointF at(double x, double z, double y = 0) const {
        return {centre_x + focal * x / z, horizon_y + focal * (eye_height - y) / z};
    }
    double scale(double z) const { return focal / z; }
};
// A car seen from behind (or, with `facing`, from the front) standing at (x, z).
void car_rear(QPainter& p, const Camera& cam, double x, double z, const QColor& body,
              bool lights_on, bool hazards_lit, bool facing = false);

// Linear interpolation and a smooth 0..1 ramp for animations.
double lerp(double a, double b, double t);
double ramp(double t, double from, double to);  // 0 before `from`, 1 after `to`, smooth between

}  // namespace trelvo::media
