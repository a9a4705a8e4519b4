// Drawing helpers shared by every painter: the palette, fonts, text fitting,
// button and tile faces, marks and pictograms. Everything is drawn with
// QPainter so the pictures can be rebuilt on any machine from source.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace kit {

// One palette for the whole program: deep blue for faces, orange for the
// pointer-over accent, green for the chosen state.
namespace pal {
inline const QColor blue{0x1f, 0x5f, 0xa8};
inline const QColor blueTop{0x3a, 0x7e, 0xcc};
inline const QColor blueBottom{0x18, 0x4f, 0x8f};
inline const QColor blueBorder{0x11, 0x3b, 0x6c};
inline const QColor blueDeep{0x12, 0x3f, 0x75};
inline const QColor blueInk{0x1a, 0x4f, 0x8e};
inline const QColor teal{0x1a, 0x94, 0x96};
inline const QColor hoverTop{0xff, 0xb4, 0x4a};
inline const QColor hoverBottom{0xe8, 0x74, 0x0c};
inline const QColor hoverBorder{0xb3, 0x55, 0x00};
inline const QColor glow{0xff, 0xa2, 0x2e};
inline const QColor greenTop{0x4c, 0xb8, 0x56};
inline const QColor greenBottom{0x23, 0x85, 0x2e};
inline const QColor greenBorder{0x17, 0x62, 0x1f};
inline const QColor red{0xc8, 0x2a, 0x2a};
inline const QColor tileTop{0xfb, 0xfd, 0xff};
inline const QColor tileBottom{0xe4, 0xee, 0xfa};
inline const QColor tileBorder{0x93, 0xb3, 0xd8};
inline const QColor hoverTileTop{0xff, 0xfb, 0xf3};
inline const QColor hoverTileBottom{0xff, 0xe9, 0xc8};
inline const QColor text{0x22, 0x33, 0x44};
inline const QColor muted{0x5d, 0x70, 0x86};
inline const QColor paper{0xff, 0xff, 0xff};
}  // namespace pal

enum class Look { Normal, Hover, Selected, SelectedHover };
inline bool isHover(Look l) {
    return l == Look::Hover || l == Look::SelectedHover;
}
inline bool isSelected(Look l) {
    return l == Look::Selected || l == Look::SelectedHover;
}

// Fonts by pixel size, so the result does not depend on the screen's DPI.
QFont sans(int px, bool bold = true);
QFont song(int px, bool bold = false);
QFont kai(int px, bool bold = false);

// The largest size of `base` (not above its own size, not below minPx) at
// which every line of `text` fits into `box`.
QFont fitFont(QFont base, const QString& text, const QSizeF& box, int minPx = 7);

// Draws `text` (lines split at '\n') shrunk to fit `box`; the ink is centred
// vertically, so CJK and Latin glyphs sit in the middle of a face.
void fittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& base,
                const QColor& color, Qt::Alignment align = Qt::AlignCenter, bool shadow = false,
                int minPx = 7);

// Plain text at a baseline position (for texts whose place is fixed).
void textAt(QPainter& p, QPointF baseline, const QString& text, const QFont& font,
            const QColor& color);
qreal textWidth(const QFont& font, const QString& text);

QPainterPath rounded(const QRectF& r, qreal radius);
QLinearGradient vGradient(const QRectF& r, const QColor& top, const QColor& bottom);

// A coloured button face: gradient, 1px darker border, gloss on the upper half;
// hover adds the orange fill and a glow ring, selected is green.
// `inset` leaves room around the face for the hover glow.
void buttonFace(QPainter& p, const QRectF& r, Look look, qreal radius, qreal inset = 2.5);
// A light tile (list entries, answer keys): white-blue, warm when hovered.
void tileFace(QPainter& p, const QRectF& r, Look look, qreal radius);
void glowRing(QPainter& p, const QRectF& r, qreal radius, const QColor& c, int rings = 3);
void softShadow(QPainter& p, const QRectF& r, qreal radius, int depth = 6);

void checkMark(QPainter& p, const QRectF& box, const QColor& c, qreal width);
void crossMark(QPainter& p, const QRectF& box, const QColor& c, qreal width);
void checkBadge(QPainter& p, QPointF centre, qreal radius);

// Fills the whole picture: JPG has no transparency, so corners outside a
// rounded face must show the colour of the screen behind it.
void fillBackdrop(QPainter& p, const QSize& size, const QColor& c);

// Copy of the part of a painted screen that lies under a control, used as the
// backdrop of that control's picture so its rounded corners blend in.
QImage cutOut(const QImage& screen, const QRect& area);

// Vehicles, shown on the category buttons and tiles.
enum class Vehicle { Car, Truck, Bus, Motorcycle, Safe };
// Draws the pictogram centred in `box` (kept to its own aspect ratio).
// `cut` is the colour of windows, wheel gaps and hubs.
void vehicle(QPainter& p, const QRectF& box, Vehicle v, const QColor& fill, const QColor& cut);

// Line icons for buttons, drawn in a square box.
enum class Icon {
    Sequence,
    Chapter,
    Special,
    Error,
    Exam,
    Strong,
    Info,
    Power,
    Chat,
    Home,
    Reset,
    Trash,
    Left,
    Right,
    Flag,
    Pen,
    Wheel,
    Book
};
void icon(QPainter& p, const QRectF& box, Icon i, const QColor& c);

// A "×" close mark for dialog title bands.
void closeMark(QPainter& p, const QRectF& box, const QColor& c);

}  // namespace kit
