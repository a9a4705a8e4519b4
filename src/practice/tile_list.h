#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <span>

#include "core/car_type.h"

class QScrollArea;
class QWidget;

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;

enum class TileLabelColor { window_text, blue, red };
enum class TileLabelFont { screen, song_large, song_large_bold, song_small, kai_large_bold };

// One label array of a tile list: where its labels sit on their tile (fractions of tile 0's size)
// and how they look.
struct TileLabelSpec {
    const char* name;  // the label array, e.g. "label_num"
    double fx, fy;
    int width, height;  // twips
    TileLabelColor color;
    TileLabelFont font;
};

// The unit list moves its hovered tile back on every background movement; the two selection
// screens do it once, remembered by hover_restored.
enum class HoverStyle { unit_list, selection };

// The constants of one list screen.
struct TileListLayout {
    const char* tile_name;  // the tile array, e.g. "img_unit"
    const char* picture;
    const char* hover_picture;
    int left, top, width, height;  // tile 0 as designed, twips
    int columns;
    int dx, dy;       // pitch, twips
    int area_bottom;  // top of the screen's button row: the tiles scroll above it
    HoverStyle hover;
    std::span<const TileLabelSpec> labels;
};

const TileListLayout& unit_list_tiles();
// One column, or two for the safe-driving subject (code 5), whose chapters are many and short.
TileListLayout chapter_list_tiles(CarType car_type);
const TileListLayout& special_list_tiles();

// The line that takes the place of an empty tile list, so that the learner sees why there is
// nothing to choose; hidden until the list turns out empty.
TextLabel* empty_list_note(QWidget* screen, const QString& text);

// The grid of picture tiles of a list screen, each with its parallel labels. Element 0 exists
// from the start at its design position; build() places the others by column and row pitch,
// labels over their tile. The tiles lie in a viewport above the screen's button row that scrolls
// only when they do not fit, so a long list stays reachable while a short one keeps its design
// geometry exactly. A click on any part of entry i is reported as opened(i).
class TileList final : public QObject {
    Q_OBJECT
  public:
    TileList(AppContext& app, const TileListLayout& layout, QWidget* screen);

    // Moves element 0 before building (the two-column chapter list starts further left).
    void move_first_tile(int left, int top);
    // The chapter list learns its columns from the category when it is filled, not when made.
    void set_columns(int columns);
    // Lays out n entries; caption(a, i) is the text of label array a of entry i. With n = 0
    // element 0 is hidden and nothing is created.
    void build(int n, const std::function<QString(int, int)>& caption);

    int count() const { return count_; }
    PictureBox* tile(int i) const { return tiles_[i]; }
    TextLabel* label(int array, int i) const { return labels_[array][i]; }
    // The index of a label array by its name, -1 when the list has none of that name.
    int label_array(const char* name) const;
    void hide_entries();

    int hover_index() const { return hover_index_; }
    bool hover_restored() const { return hover_restored_; }
    // The tile part of the screen's background handler.
    void restore_hovered_tile();

    QScrollArea* area() const { return area_; }

    // Keyboard: the arrow keys move a ring from tile to tile (the first press shows it on tile
    // 0), Enter opens the tile with the ring and Esc goes back to the main menu.
    int focus_index() const { return focus_index_; }
    void move_focus(int key);

  signals:
    void opened(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void set_tile_picture(int i, bool hover);
    void hover_tile(int i);
    void hover_label(TextLabel* label);
    QPointF tile_origin(int i) const;  // twips
    PictureBox* make_tile(int i);
    TextLabel* make_label(int array, int i);
    void place_labels(int i, double tile_width, double tile_height);
    void fit_content();
    void install_keys(QWidget* screen);

    AppContext& app_;
    TileListLayout layout_;
    QScrollArea* area_;
    QWidget* content_;
    int left_, top_;  // tile 0, twips
    int count_ = 0;
    int hover_index_ = 0;
    bool hover_restored_ = false;
    int focus_index_ = -1;
    QWidget* focus_ring_;
    QList<PictureBox*> tiles_;
    QList<QList<TextLabel*>> labels_;
};

}  // namespace trelvo
