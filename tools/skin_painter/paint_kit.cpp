#include "paint_kit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QStringList>

namespace kit {

namespace {
QFont makeFont(const QString& family, int px, bool bold) {
    QFont f;
    f.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
}  // namespace

QFont sans(int px, bool bold) {
    return makeFont(QStringLiteral("Noto Sans CJK SC"), px, bold);
}
QFont song(int px, bool bold) {
    return makeFont(QStringLiteral("Noto Sans CJK SC"), px, bold);
}
QFont kai(int px, bool bold) {
    return makeFont(QStringLiteral("AR PL UKai CN"), px, bold);
}

QFont fitFont(QFont base, const QString& text, const QSizeF& box, int minPx) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int px = base.pixelSize(); px >= minPx; --px) {
        base.setPixelSize(px);
        const QFontMetricsF fm(base);
        qreal w = 0;
        for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
        const qreal h = fm.height() * lines.size() - fm.leading();
        // Ink is centred, so judge the height by ink when a single line.
        const qreal inkH = lines.size() == 1 ? fm.tightBoundingRect(text).height() : h;
        if (w <= box.width() && inkH <= box.height()) return base;
    }
    base.setPixelSize(minPx);
    return base;
}

void fittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& base,
                const QColor& color, Qt::Alignment align, bool shadow, int minPx) {
    const QFont f = fitFont(base, text, box.size(), minPx);
    const QFontMetricsF fm(f);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal lineH = fm.height();
    // Ink box of the whole block: first line's ink top to last line's ink bottom.
    const QRectF firstInk = fm.tightBoundingRect(lines.first());
    const QRectF lastInk = fm.tightBoundingRect(lines.last());
    const qreal blockTop = firstInk.top();  // relative to first baseline
    const qreal blockBottom = (lines.size() - 1) * lineH + lastInk.bottom();
    qreal baseline0;
    if (align & Qt::AlignTop)
        baseline0 = box.top() - blockTop;
    else if (align & Qt::AlignBottom)
        baseline0 = box.bottom() - blockBottom;
    else
        baseline0 = box.center().y() - (blockTop + blockBottom) / 2.0;

    p.save();
    p.setFont(f);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qreal w = fm.horizontalAdvance(line);
        qreal x;
        if (align & Qt::AlignLeft)
            x = box.left();
        else if (align & Qt::AlignRight)
            x = box.right() - w;
        else if (lines.size() == 1 && line.size() == 1) {
            // A lone glyph (answer keys): centre its ink, not its advance.
            const QRectF ink = fm.tightBoundingRect(line);
            x = box.center().x() - ink.center().x();
        } else
            x = box.center().x() - w / 2.0;
        const QPointF at(x, baseline0 + i * lineH);
        if (shadow) {
            p.setPen(QColor(0, 0, 0, 70));
            p.drawText(at + QPointF(0, 1), line);
        }
        p.setPen(color);
        p.drawText(at, line);
    }
    p.restore();
}

void textAt(QPainter& p, QPointF baseline, const QString& text, const QFont& font,
            const QColor& color) {
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(baseline, text);
    p.restore();
}

qreal textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QLinearGradient vGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void glowRing(QPainter& p, const QRectF& r, qreal radius, const QColor& c, int rings) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = rings; i >= 1; --i) {
        QColor k = c;
        k.setAlpha(200 / (i + 1));
        p.setPen(QPen(k, 1.0));
        const qreal d = i;
        p.drawPath(rounded(r.adjusted(-d, -d, d, d), radius + d));
    }
    p.restore();
}

void softShadow(QPainter& p, const QRectF& r, qreal radius, int depth) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = depth; i >= 1; --i) {
        p.setBrush(QColor(20, 50, 90, 10));
        p.drawPath(rounded(r.translated(0, 2).adjusted(-i, -i + 1, i, i), radius + i));
    }
    p.restore();
}

void buttonFace(QPainter& p, const QRectF& outer, Look look, qreal radius, qreal inset) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Every state keeps the same face size; the glow uses the inset.
    const QRectF r = outer.adjusted(inset, inset, -inset, -inset);
    QColor top = pal::blueTop, bottom = pal::blueBottom, border = pal::blueBorder;
    if (look == Look::Hover) {
        top = pal::hoverTop;
        bottom = pal::hoverBottom;
        border = pal::hoverBorder;
    } else if (look == Look::Selected) {
        top = pal::greenTop;
        bottom = pal::greenBottom;
        border = pal::greenBorder;
    } else if (look == Look::SelectedHover) {
        top = pal::greenTop.lighter(118);
        bottom = pal::greenBottom.lighter(118);
        border = pal::hoverBorder;
    }
    if (isHover(look))
        glowRing(p, r, radius, pal::glow, 2);
    else if (inset >= 2)
        softShadow(p, r, radius, 2);

    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(0.5, top.darker(108));
    g.setColorAt(0.52, bottom.lighter(112));
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.0));
    p.setBrush(g);
    p.drawPath(rounded(r, radius));

    // Gloss: a faint light band on the upper half and a light inner edge.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(rounded(QRectF(r.left() + 1.5, r.top() + 1.5, r.width() - 3, r.height() / 2 - 1),
                       std::max<qreal>(0, radius - 1.5)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawPath(rounded(r.adjusted(1, 1, -1, -1), std::max<qreal>(0, radius - 1)));
    p.restore();
}

void tileFace(QPainter& p, const QRectF& outer, Look look, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = outer.adjusted(2.5, 2.5, -2.5, -2.5);
    QColor top = pal::tileTop, bottom = pal::tileBottom, border = pal::tileBorder;
    qreal borderW = 1.0;
    if (look == Look::Hover) {
        top = pal::hoverTileTop;
        bottom = pal::hoverTileBottom;
        border = pal::hoverBorder;
        borderW = 1.5;
    } else if (look == Look::Selected) {
        top = QColor(0xf1, 0xfb, 0xf1);
        bottom = QColor(0xd3, 0xef, 0xd5);
        border = pal::greenBorder;
        borderW = 2.0;
    } else if (look == Look::SelectedHover) {
        top = QColor(0xf6, 0xfd, 0xec);
        bottom = QColor(0xdd, 0xf2, 0xc6);
        border = pal::greenBorder;
        borderW = 2.0;
    }
    if (isHover(look))
        glowRing(p, r, radius, pal::glow, 2);
    else
        softShadow(p, r, radius, 2);
    p.setPen(QPen(border, borderW));
    p.setBrush(vGradient(r, top, bottom));
    p.drawPath(rounded(r, radius));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.0));
    p.drawPath(rounded(r.adjusted(borderW, borderW, -borderW, -borderW), radius - 1));
    p.restore();
}

void checkMark(QPainter& p, const QRectF& b, const QColor& c, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(b.left() + b.width() * 0.10, b.top() + b.height() * 0.55);
    path.lineTo(b.left() + b.width() * 0.40, b.top() + b.height() * 0.85);
    path.lineTo(b.left() + b.width() * 0.92, b.top() + b.height() * 0.15);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void crossMark(QPainter& p, const QRectF& b, const QColor& c, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(b.topLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomLeft());
    p.restore();
}

void checkBadge(QPainter& p, QPointF c, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2.0));
    const QRectF disc(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    p.setBrush(vGradient(disc, pal::greenTop, pal::greenBottom));
    p.drawEllipse(disc);
    p.setPen(QPen(pal::greenBorder, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(-1, -1, 1, 1));
    const qreal k = radius * 0.55;
    checkMark(p, QRectF(c.x() - k, c.y() - k * 0.8, 2 * k, 1.6 * k), Qt::white,
              std::max<qreal>(2.0, radius * 0.22));
    p.restore();
}

void fillBackdrop(QPainter& p, const QSize& size, const QColor& c) {
    p.fillRect(QRect(QPoint(0, 0), size), c);
}

QImage cutOut(const QImage& screen, const QRect& area) {
    return screen.copy(area);
}

void closeMark(QPainter& p, const QRectF& box, const QColor& c) {
    const qreal s = std::min(box.width(), box.height());
    const QRectF sq(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    crossMark(p, sq.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12), c,
              std::max<qreal>(2.0, s / 7));
}

}  // namespace kit
