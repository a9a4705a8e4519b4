#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/screen.h"

namespace trelvo {

class AppContext;
class PictureBox;
class QuestionBank;
class TextLabel;
class TileList;
struct TileListLayout;

// One chapter or topic as read from its list table, with the counts of its practice table.
struct ListEntry {
    QString title;           // empty when the stored text is Null
    QString table_name;      // as stored; empty when Null
    bool reachable = false;  // the practice table exists, so the entry can be opened
    qint16 total = 0;
    qint16 not_answered = 0;
};

// Reads every row of a list; `sql` selects the title and the practice table's name, in the order
// the list is shown. An entry whose table is missing or Null shows zero counts and cannot be
// opened, rather than stopping the program.
QList<ListEntry> read_list_entries(QuestionBank& bank, const QString& sql);

// What the chapter and the special-topic selection share: a tile list of entries above the
// return and exit buttons, the restore-once hover of the selection screens, and a note in place
// of an empty list. A click on an entry that has no practice table says so instead of opening it.
class SelectionScreen : public Screen {
    Q_OBJECT
  public:
    const TileList& tiles() const { return *tiles_; }
    const QList<ListEntry>& entries() const { return entries_; }

  protected:
    // `button_top` is the buttons' row; `kind` names an entry in messages ("章节", "专项").
    SelectionScreen(AppContext& app, const QString& object_name, const TileListLayout& layout,
                    int return_left, int exit_left, int button_top, QString kind);

    // Fills the tiles: label array `title_array` shows each entry's text, `index_array` (if any)
    // its number from 1, and the arrays named label_num_total and label_num_not its counts.
    void build(QList<ListEntry> entries, int title_array, int index_array = -1);
    // Opens the unit list on entry i's table with this caption suffix.
    void open_unit_list(int index, const QString& suffix);
    virtual void open_entry(int index) = 0;

    AppContext& app_;
    TileList* tiles_;

  private:
    void entry_clicked(int index);
    void set_button_picture(PictureBox* button, const QString& file);
    void restore_pictures();

    QString kind_;
    QList<ListEntry> entries_;
    PictureBox* img_return;
    PictureBox* img_exit;
    TextLabel* label_empty;
};

}  // namespace trelvo
