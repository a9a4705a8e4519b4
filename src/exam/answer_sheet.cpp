#include "exam/answer_sheet.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/screen.h"
#include "core/twips.h"

namespace trelvo {

namespace {

constexpr int column_step = 350;
constexpr int answer_offset = 200;

int row_step(int cells) {
    return cells == 50 ? 600 : 450;
}
int cell_height(int cells) {
    return cells == 50 ? 555 : 420;
}

QRect to_px(const QRect& t) {
    return twips_rect(t.left(), t.top(), t.width(), t.height());
}

}  // namespace

AnswerSheet::AnswerSheet(int cells, QWidget* parent)
    : QWidget(parent), cells_(std::clamp(cells, 0, 100)) {
    setObjectName(cells_ == 50 ? QStringLiteral("frame_safe") : QStringLiteral("frame_xiaoche"));
    backgrounds_.fill(Qt::white);
    setAttribute(Qt::WA_NoMousePropagation);
}

QRect AnswerSheet::shape_twips(int cells, int slot) {
    return QRect(30 + (slot % 10) * column_step, 150 + (slot / 10) * row_step(cells), 315,
                 cell_height(cells));
}

QRect AnswerSheet::number_twips(int cells, int slot) {
    return shape_twips(cells, slot);
}

QRect AnswerSheet::answer_twips(int cells, int slot) {
    const QRect s = shape_twips(cells, slot);
    return QRect(s.left(), s.top() + answer_offset, s.width(), s.height() - answer_offset);
}

void AnswerSheet::highlight(int previous_slot, int slot) {
    if (previous_slot >= 0 && previous_slot < cells_) backgrounds_[previous_slot] = Qt::white;
    if (slot >= 0 && slot < cells_) backgrounds_[slot] = QColor(0x00, 0xff, 0xff);
    update();
}

void AnswerSheet::set_answer(int slot, const QString& text) {
    if (slot < 0 || slot >= cells_) return;
    answers_[slot] = text;
    update(to_px(shape_twips(cells_, slot)));
}

void AnswerSheet::mark_wrong(int slot) {
    if (slot < 0 || slot >= cells_) return;
    wrong_[slot] = true;
    update(to_px(shape_twips(cells_, slot)));
}

QPoint AnswerSheet::cell_center(int slot) const {
    return to_px(shape_twips(cells_, slot)).center();
}

int AnswerSheet::slot_at(QPoint pos) const {
    for (int i = 0; i < cells_; ++i)
        if (to_px(shape_twips(cells_, i)).contains(pos)) return i;
    return -1;
}

void AnswerSheet::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QFont number_font = song_font(9);
    QFont answer_font = song_font(9, true);
    for (int i = 0; i < cells_; ++i) {
        const QRect shape = to_px(shape_twips(cells_, i));
        if (!event->rect().intersects(shape)) continue;
        p.fillRect(shape, backgrounds_[i]);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(shape.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.setFont(number_font);
        p.drawText(shape.adjusted(1, 0, -1, 0), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(i + 1));
        if (answers_[i].isEmpty()) continue;
        const QRect area = to_px(answer_twips(cells_, i));
        // Three letters must fit the narrow cell: the bold font gives way before the text does.
        QFont f = answer_font;
        for (double points = 9; points > 5; points -= 0.5) {
            f.setPointSizeF(points);
            const QRect need = QFontMetrics(f).boundingRect(area, Qt::AlignCenter, answers_[i]);
            if (need.width() <= area.width() && need.height() <= area.height()) break;
        }
        p.setFont(f);
        p.setPen(wrong_[i] ? QColor(0xff, 0x00, 0x00) : QColor(Qt::black));
        p.drawText(area, Qt::AlignCenter, answers_[i]);
    }
}

void AnswerSheet::mousePressEvent(QMouseEvent* event) {
    pressed_ = slot_at(event->position().toPoint());
    event->accept();
}

void AnswerSheet::mouseReleaseEvent(QMouseEvent* event) {
    const int slot = slot_at(event->position().toPoint());
    event->accept();
    if (slot >= 0 && slot == pressed_) {
        pressed_ = -1;
        emit cell_clicked(slot);
    }
    pressed_ = -1;
}

}  // namespace trelvo
