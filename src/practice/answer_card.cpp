#include "practice/answer_card.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/screen.h"
#include "core/twips.h"

namespace trelvo {

namespace {

constexpr int pitch = 730;

QRect to_px(const QRect& t) {
    return twips_rect(t.x(), t.y(), t.width(), t.height());
}

}  // namespace

AnswerCard::AnswerCard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("answer_card"));
    colors_.fill(answer_card_colors(not_answered, false));
    setFont(song_font(12));
}

QRect AnswerCard::cell_background_twips(int i) {
    return {85 + pitch * (i % columns), 200 + pitch * (i / columns), 745, 745};
}

QRect AnswerCard::cell_number_twips(int i) {
    return {250 + pitch * (i % columns), 500 + pitch * (i / columns), 360, 210};
}

void AnswerCard::set_cell_count(int count) {
    count_ = std::clamp(count, 0, int(positions));
    update();
}

void AnswerCard::set_colors(int index, CellColors c) {
    if (index < 0 || index >= positions) return;
    colors_[index] = c;
    update(to_px(cell_background_twips(index)).adjusted(-1, -1, 1, 1));
}

void AnswerCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor window_text = palette().color(QPalette::WindowText);
    for (int i = 0; i < count_; ++i) {
        const QRect bg = to_px(cell_background_twips(i));
        p.fillRect(bg, colors_[i].background);
        p.setPen(colors_[i].number.isValid() ? colors_[i].number : window_text);
        // The number is centred on its label's centre; the text may be wider than the label.
        const QRect label = to_px(cell_number_twips(i));
        p.drawText(QRect(label.center() - QPoint(20, 10), QSize(41, 21)), Qt::AlignCenter,
                   QString::number(i + 1));
    }
    // Every grid position gets its lines, whatever the run's length; lines lie over the cells.
    // They are drawn on whole device pixels with a whole-pixel width, so that at a pixel ratio of
    // 1.25 or 1.5 every line is as sharp and as thick as the others.
    const qreal r = devicePixelRatioF();
    auto dev = [r](int twip) { return int(std::lround(px(twip) * r)); };
    p.setWorldTransform(QTransform::fromScale(1 / r, 1 / r), true);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int width = std::max(1, int(std::floor(r)));
    const QColor line(0x80, 0x80, 0x80);
    auto vertical = [&](int x, int y1, int y2) {
        p.fillRect(QRect(dev(x), dev(y1), width, dev(y2) - dev(y1) + width), line);
    };
    auto horizontal = [&](int y, int x1, int x2) {
        p.fillRect(QRect(dev(x1), dev(y), dev(x2) - dev(x1) + width, width), line);
    };
    for (int k = 0; k <= rows; ++k) horizontal(200 + pitch * k, 100, 14700);
    for (int i = 0; i < positions; ++i) {
        const int x = 100 + pitch * (i % columns);
        const int y = 200 + pitch * (i / columns);
        vertical(x, y, y + 730);
    }
    vertical(14700, 200, 200 + 730 * 5);
}

void AnswerCard::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < count_; ++i) {
        if (to_px(cell_background_twips(i)).contains(at)) {
            emit cell_pressed(i);
            return;
        }
    }
}

}  // namespace trelvo
