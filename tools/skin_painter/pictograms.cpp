// Vehicle pictograms and small line icons. Each is drawn in its own design
// grid (vehicles 100x50 facing right, icons 24x24) and mapped onto the box.
#include <QtMath>

#include "paint_kit.h"

namespace kit {

namespace {

// Maps a design grid of gw x gh onto `box`, keeping the aspect ratio, centred.
void mapGrid(QPainter& p, const QRectF& box, qreal gw, qreal gh) {
    const qreal s = std::min(box.width() / gw, box.height() / gh);
    p.translate(box.center().x() - gw * s / 2, box.center().y() - gh * s / 2);
    p.scale(s, s);
}

void wheel(QPainter& p, QPointF c, qreal r, const QColor& fill, const QColor& cut) {
    p.setPen(Qt::NoPen);
    p.setBrush(cut);
    p.drawEllipse(c, r + 2.2, r + 2.2);
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.setBrush(cut);
    p.drawEllipse(c, r * 0.42, r * 0.42);
}

void car(QPainter& p, const QColor& fill, const QColor& cut) {
    QPainterPath body;
    body.moveTo(3, 37);
    body.lineTo(3, 27);
    body.quadTo(4, 22, 10, 21);
    body.lineTo(22, 20);
    body.lineTo(33, 10);
    body.quadTo(34, 9, 36, 9);
    body.lineTo(59, 9);
    body.quadTo(61, 9, 63, 11);
    body.lineTo(73, 20);
    body.lineTo(90, 23);
    body.quadTo(97, 25, 97, 31);
    body.lineTo(97, 37);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body);
    // Side windows.
    p.setBrush(cut);
    QPolygonF rear{{35.5, 12.5}, {46, 12.5}, {46, 20}, {27.5, 20}};
    QPolygonF front{{49, 12.5}, {59, 12.5}, {67, 20}, {49, 20}};
    p.drawPolygon(rear);
    p.drawPolygon(front);
    // Lamp and door line.
    p.drawRect(QRectF(92, 26, 4, 2.5));
    p.setPen(QPen(cut, 1.0));
    p.drawLine(QPointF(47.5, 21), QPointF(47.5, 35));
    wheel(p, {24, 37}, 7.5, fill, cut);
    wheel(p, {77, 37}, 7.5, fill, cut);
}

void truck(QPainter& p, const QColor& fill, const QColor& cut) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 5, 63, 30), 1.5, 1.5);  // cargo box
    QPainterPath cab;
    cab.moveTo(68, 36);
    cab.lineTo(68, 13);
    cab.quadTo(68, 11, 70, 11);
    cab.lineTo(85, 11);
    cab.lineTo(95, 22);
    cab.quadTo(97, 24, 97, 27);
    cab.lineTo(97, 36);
    cab.closeSubpath();
    p.drawPath(cab);
    p.drawRect(QRectF(2, 34, 95, 4));  // chassis
    p.setBrush(cut);
    p.drawPolygon(QPolygonF{{72, 14.5}, {84, 14.5}, {92, 23}, {72, 23}});  // cab window
    p.setPen(QPen(cut, 1.0));
    for (qreal x = 14; x < 64; x += 12)  // box ribs
        p.drawLine(QPointF(x, 8), QPointF(x, 32));
    wheel(p, {15, 38}, 6.5, fill, cut);
    wheel(p, {31, 38}, 6.5, fill, cut);
    wheel(p, {84, 38}, 6.5, fill, cut);
}

void bus(QPainter& p, const QColor& fill, const QColor& cut) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    QPainterPath body;
    body.moveTo(3, 38);
    body.lineTo(3, 10);
    body.quadTo(3, 6, 7, 6);
    body.lineTo(88, 6);
    body.quadTo(94, 6, 95.5, 12);
    body.lineTo(97, 22);
    body.lineTo(97, 38);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(cut);
    for (int i = 0; i < 5; ++i)  // passenger windows
        p.drawRoundedRect(QRectF(8 + i * 14.5, 11, 11.5, 10), 1.2, 1.2);
    p.drawPolygon(QPolygonF{{82, 11}, {91, 11}, {93.5, 21}, {82, 21}});  // windscreen
    p.drawRect(QRectF(3, 25, 94, 1.6));                                  // waist stripe
    p.drawRect(QRectF(82, 23, 1.4, 13));                                 // door
    wheel(p, {23, 38}, 7, fill, cut);
    wheel(p, {77, 38}, 7, fill, cut);
}

void motorcycle(QPainter& p, const QColor& fill, const QColor& cut) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF rear(20, 36), front(80, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(fill, 4.2));
    p.drawEllipse(rear, 10, 10);
    p.drawEllipse(front, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(rear, 2.6, 2.6);
    p.drawEllipse(front, 2.6, 2.6);
    p.setPen(QPen(fill, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(rear, QPointF(44, 31));             // swing arm
    p.drawLine(front, QPointF(68, 14));            // fork
    p.drawLine(QPointF(63, 11), QPointF(71, 12));  // handlebar
    p.setPen(Qt::NoPen);
    QPainterPath body;  // seat, tank, engine
    body.moveTo(18, 22);
    body.quadTo(20, 18, 28, 19);
    body.lineTo(44, 20);
    body.quadTo(48, 14, 58, 14);
    body.lineTo(68, 16);
    body.lineTo(64, 25);
    body.lineTo(56, 36);
    body.lineTo(42, 36);
    body.lineTo(36, 27);
    body.lineTo(22, 26);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(cut);
    p.drawRect(QRectF(44, 27, 9, 1.6));  // engine fins
    p.drawRect(QRectF(44, 31, 9, 1.6));
    p.setBrush(fill);
    p.drawEllipse(QPointF(72, 19), 3.2, 3.2);  // headlight
}

// Safe driving: a shield carrying a steering wheel. Grid 50x50.
void shieldWheel(QPainter& p, const QColor& fill, const QColor& cut) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(25, 2);
    shield.quadTo(36, 8, 46, 8);
    shield.quadTo(47, 32, 25, 48);
    shield.quadTo(3, 32, 4, 8);
    shield.quadTo(14, 8, 25, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shield);
    const QPointF c(25, 23);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cut, 3.2));
    p.drawEllipse(c, 11, 11);
    p.setPen(QPen(cut, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.5, 21), QPointF(35.5, 21));
    p.drawLine(c + QPointF(0, 2), QPointF(25, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(cut);
    p.drawEllipse(c + QPointF(0, -1), 4, 4);
}

void drawVehicle(QPainter& p, const QRectF& box, Vehicle v, const QColor& fill, const QColor& cut);

}  // namespace

void vehicle(QPainter& p, const QRectF& box, Vehicle v, const QColor& fill, const QColor& cut) {
    if (cut.alpha() == 0 && p.device()->devType() == QInternal::Image) {
        // Real holes: draw on a layer where the cut colour replaces pixels,
        // so windows and wheel gaps show whatever lies below (gradients too).
        const QRect area = box.toAlignedRect();
        const qreal ratio = p.device()->devicePixelRatioF();
        QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(ratio);
        layer.fill(Qt::transparent);
        {
            QPainter lp(&layer);
            lp.translate(-area.topLeft());
            lp.setCompositionMode(QPainter::CompositionMode_Source);
            drawVehicle(lp, box, v, fill, QColor(0, 0, 0, 0));
        }
        p.drawImage(area.topLeft(), layer);
        return;
    }
    drawVehicle(p, box, v, fill, cut);
}

namespace {
void drawVehicle(QPainter& p, const QRectF& box, Vehicle v, const QColor& fill, const QColor& cut) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (v == Vehicle::Safe) {
        mapGrid(p, box, 50, 50);
        shieldWheel(p, fill, cut);
    } else {
        mapGrid(p, box, 100, 48);
        switch (v) {
            case Vehicle::Car:
                car(p, fill, cut);
                break;
            case Vehicle::Truck:
                truck(p, fill, cut);
                break;
            case Vehicle::Bus:
                bus(p, fill, cut);
                break;
            case Vehicle::Motorcycle:
                motorcycle(p, fill, cut);
                break;
            case Vehicle::Safe:
                break;
        }
    }
    p.restore();
}
}  // namespace

void icon(QPainter& p, const QRectF& box, Icon i, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    mapGrid(p, box, 24, 24);
    const QPen line(c, 2.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    switch (i) {
        case Icon::Sequence:
            for (int k = 0; k < 3; ++k) {
                const qreal y = 5 + k * 7;
                p.setPen(Qt::NoPen);
                p.setBrush(c);
                p.drawEllipse(QPointF(4.5, y), 2.1, 2.1);
                p.setBrush(Qt::NoBrush);
                p.setPen(line);
                p.drawLine(QPointF(9, y), QPointF(21, y));
            }
            break;
        case Icon::Chapter:
        case Icon::Book: {
            QPainterPath left, right;
            left.moveTo(12, 6);
            left.quadTo(7, 3.5, 2, 4.5);
            left.lineTo(2, 19.5);
            left.quadTo(7, 18.5, 12, 21);
            right.moveTo(12, 6);
            right.quadTo(17, 3.5, 22, 4.5);
            right.lineTo(22, 19.5);
            right.quadTo(17, 18.5, 12, 21);
            p.drawPath(left);
            p.drawPath(right);
            p.drawLine(QPointF(12, 6), QPointF(12, 21));
            if (i == Icon::Chapter) {
                p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(5, 9), QPointF(9.5, 9.8));
                p.drawLine(QPointF(5, 13), QPointF(9.5, 13.8));
                p.drawLine(QPointF(14.5, 9.8), QPointF(19, 9));
                p.drawLine(QPointF(14.5, 13.8), QPointF(19, 13));
            }
            break;
        }
        case Icon::Special:
            p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            p.drawEllipse(QPointF(12, 12), 5, 5);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(12, 12), 1.9, 1.9);
            break;
        case Icon::Error: {
            p.drawRoundedRect(QRectF(4, 2.5, 16, 19), 2, 2);
            p.drawLine(QPointF(8, 7), QPointF(16, 7));
            p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 11.5), QPointF(15, 17.5));
            p.drawLine(QPointF(15, 11.5), QPointF(9, 17.5));
            break;
        }
        case Icon::Exam:
            p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(8.5, 2, 7, 4), 1, 1);
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF{{8, 13.5}, {11, 16.5}, {16.5, 10.5}});
            break;
        case Icon::Strong: {
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(QPolygonF{{14, 1.5},
                                    {4.5, 13.5},
                                    {11, 13.5},
                                    {9, 22.5},
                                    {19.5, 9.5},
                                    {13, 9.5},
                                    {15.5, 1.5}});
            break;
        }
        case Icon::Info:
            p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(12, 7.2), 1.5, 1.5);
            break;
        case Icon::Power:
            p.drawArc(QRectF(3, 4, 18, 18), (90 + 40) * 16, (360 - 80) * 16);
            p.drawLine(QPointF(12, 2), QPointF(12, 11));
            break;
        case Icon::Chat: {
            QPainterPath bubble;
            bubble.addRoundedRect(QRectF(2, 4, 20, 13), 4, 4);
            QPainterPath tail;
            tail.moveTo(6, 16);
            tail.lineTo(5, 21.5);
            tail.lineTo(11.5, 16.5);
            tail.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(bubble.united(tail));
            break;
        }
        case Icon::Home:
            p.drawPolyline(QPolygonF{{2.5, 12}, {12, 3}, {21.5, 12}});
            p.drawPolyline(QPolygonF{{5.5, 10}, {5.5, 21}, {18.5, 21}, {18.5, 10}});
            p.drawRect(QRectF(10, 14.5, 4, 6.5));
            break;
        case Icon::Reset: {
            p.drawArc(QRectF(3.5, 3.5, 17, 17), 60 * 16, 280 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            // Arrow head at the upper end of the arc.
            const qreal a = qDegreesToRadians(60.0);
            const QPointF tip(12 + 8.5 * std::cos(a), 12 - 8.5 * std::sin(a));
            p.drawPolygon(QPolygonF{tip + QPointF(-5.5, -2.5), tip + QPointF(2.5, -4.5),
                                    tip + QPointF(1.0, 3.5)});
            break;
        }
        case Icon::Trash:
            p.drawLine(QPointF(3, 6), QPointF(21, 6));
            p.drawPolyline(QPolygonF{{9, 6}, {9.5, 3}, {14.5, 3}, {15, 6}});
            p.drawPolyline(QPolygonF{{5.5, 6}, {7, 21.5}, {17, 21.5}, {18.5, 6}});
            p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 10), QPointF(10.3, 18));
            p.drawLine(QPointF(14, 10), QPointF(13.7, 18));
            break;
        case Icon::Left:
        case Icon::Right: {
            p.save();
            if (i == Icon::Left) {
                p.translate(24, 0);
                p.scale(-1, 1);
            }
            p.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(3, 12), QPointF(20, 12));
            p.drawPolyline(QPolygonF{{13, 5}, {20, 12}, {13, 19}});
            p.restore();
            break;
        }
        case Icon::Flag:
            p.drawLine(QPointF(5, 2.5), QPointF(5, 22));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(QPolygonF{{6, 3}, {20, 3}, {16, 8.5}, {20, 14}, {6, 14}});
            break;
        case Icon::Pen: {
            p.translate(12, 12);
            p.rotate(45);
            p.drawRoundedRect(QRectF(-3.2, -11, 6.4, 15), 1, 1);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(QPolygonF{{-3.2, 5}, {3.2, 5}, {0, 11}});
            break;
        }
        case Icon::Wheel:
            p.setPen(QPen(c, 2.6));
            p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            p.setPen(QPen(c, 2.4));
            p.drawLine(QPointF(3, 11), QPointF(21, 11));
            p.drawLine(QPointF(12, 13), QPointF(12, 21));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(12, 12), 3.3, 3.3);
            break;
    }
    p.restore();
}

}  // namespace kit
