#pragma once

#include <QList>
#include <QString>
#include <array>

#include "core/car_type.h"
#include "core/screen.h"

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;

// The licence category list from table car: one picture tile per category with its title, detail
// line and number of questions. A click on any part of a tile selects it, saves the choice and
// returns to the main menu.
class SelectCar final : public Screen {
    Q_OBJECT
  public:
    static constexpr int max_entries = 5;

    explicit SelectCar(AppContext& app);

    void init(const QString& table_name);

    void select_car_entry(int index);
    void save_selection();

    int entry_count() const { return entry_count_; }
    int selected_index() const { return selected_index_; }
    int hover_index() const { return hover_index_; }
    bool hover_restored() const { return hover_restored_; }
    // Row pitch of the tiles in twips: the design's 2000 for four rows, tighter for five.
    int row_pitch() const { return entry_count_ > 4 ? 1600 : 2000; }

  private:
    enum class TilePicture { not_selected, not_selected_move, selected, selected_move };

    void build_car_list();
    void set_tile_picture(int index, TilePicture which);
    void hover_tile(int index, QWidget* part);
    void background_moved();
    void return_to_menu();
    void exit_program();

    AppContext& app_;
    QString table_name_;
    int entry_count_ = 0;
    std::array<bool, max_entries> entry_selected_{};
    std::array<CarType, max_entries> entry_car_type_{};
    int selected_index_ = 0;
    int hover_index_ = 0;
    bool hover_restored_ = false;

    QList<PictureBox*> img_select_car;
    QList<TextLabel*> label_select_car_title;
    QList<TextLabel*> label_select_car_detail;
    QList<TextLabel*> label_num;
    PictureBox* img_return;
    PictureBox* img_exit;
};

}  // namespace trelvo
