#pragma once

#include <QColor>
#include <QWidget>
#include <array>

namespace trelvo {

// The exam's answer sheet: one cell per paper slot, 10 to a row, each with its number on top and
// the given answer below. 100 cells on the tall sheet (frame_xiaoche), 50 on the short one
// (frame_safe). Painted as one control; a click on a cell reports its slot.
class AnswerSheet final : public QWidget {
    Q_OBJECT
  public:
    AnswerSheet(int cells, QWidget* parent);

    int cell_count() const { return cells_; }

    // In twips, relative to the sheet.
    static QRect shape_twips(int cells, int slot);
    static QRect number_twips(int cells, int slot);
    static QRect answer_twips(int cells, int slot);

    // The number's background: white, or cyan while its slot is on screen.
    void highlight(int previous_slot, int slot);
    QColor number_background(int slot) const { return backgrounds_[slot]; }
    void set_answer(int slot, const QString& text);
    const QString& answer_text(int slot) const { return answers_[slot]; }
    // The answer turns red once its slot has been left while wrong, and stays red.
    void mark_wrong(int slot);
    bool is_marked_wrong(int slot) const { return wrong_[slot]; }
    // Centre of a cell in pixels, for pointing at it.
    QPoint cell_center(int slot) const;

  signals:
    void cell_clicked(int slot);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int slot_at(QPoint pos) const;

    int cells_;
    int pressed_ = -1;
    std::array<QColor, 100> backgrounds_;
    std::array<QString, 100> answers_;
    std::array<bool, 100> wrong_{};
};

}  // namespace trelvo
