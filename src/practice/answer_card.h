#pragma once

#include <QWidget>
#include <array>

#include "practice/practice_run.h"

namespace trelvo {

// The answer card: a grid of 20 × 5 positions at a pitch of 730 twips with one numbered cell per
// question of the run, grid lines drawn over the cells. Pressing a cell reports its index.
class AnswerCard final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int columns = 20, rows = 5, positions = columns * rows;

    explicit AnswerCard(QWidget* parent);

    void set_cell_count(int count);
    int cell_count() const { return count_; }
    void set_colors(int index, CellColors colors);
    CellColors colors(int index) const { return colors_[index]; }

    // In twips, relative to the card's frame.
    static QRect cell_background_twips(int index);  // 745 × 745
    static QRect cell_number_twips(int index);      // 360 × 210

  signals:
    void cell_pressed(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int count_ = 0;
    std::array<CellColors, positions> colors_;
};

}  // namespace trelvo
