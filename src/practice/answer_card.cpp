#include "practice/answer_card.h"

#include <QMouseEvent>
#include <QPainter>

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
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    for (int k = 0; k <= rows; ++k)
        p.drawLine(px(100), px(200 + pitch * k), px(14700), px(200 + pitch * k));
    for (int i = 0; i < positions; ++i) {
        const int x = px(100 + pitch * (i % columns));
        const int y = 200 + pitch * (i / columns);
        p.drawLine(x, px(y), x, px(y + 730));
    }
    p.drawLine(px(14700), px(200), px(14700), px(200 + 730 * 5));
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
