#pragma once

#include <QString>

#include "core/screen.h"

namespace trelvo {

class AppContext;
class PictureBox;
class TextLabel;
class Ticker;
class TileList;

// A practice table cut into units of 100 rows by id: unit k holds the ids 100k … 100k + 99, the
// last unit what is left over.
struct UnitSplit {
    static constexpr int unit_size = 100;

    qint16 unit_count = 0;
    qint16 last_unit_size = unit_size;  // also 100 for an empty table

    static UnitSplit of(qint16 total);
    qint16 first_id(int unit) const;
    qint16 last_id(int unit) const;  // inclusive
};

// The unit list: one tile per unit of a practice table with its number, its size and how many of
// its questions are not answered yet. A unit opens the practice screen on exactly its rows. The
// screen also resets the table's progress and, for the wrong-answer book, empties the book.
class StudyUnit final : public Screen {
    Q_OBJECT
  public:
    explicit StudyUnit(AppContext& app);

    void init(const QString& table_name);
    // The wrong-answer book can be emptied; the main menu asks for the button after init.
    void show_delete_error();

    void open_unit(int unit);
    // Every question unanswered with an empty answer, the resume marker on the first row.
    void clean_record();
    void delete_error();
    // The buttons: each asks first, and writes nothing unless the learner agrees. True when done.
    bool ask_and_clean_record();
    bool ask_and_delete_error();

    const QString& table_name() const { return table_name_; }
    const UnitSplit& units() const { return units_; }
    const TileList& tiles() const { return *tiles_; }

  private:
    void build_unit_list(const QList<qint16>& not_answered);
    void hover_button(PictureBox* button, const QString& base);
    void restore_pictures();
    void set_button_picture(PictureBox* button, const QString& base);
    void show_note(TextLabel* note, Ticker* timer);
    void return_to_menu();
    bool confirm(const QString& text);
    QString mode_name() const;

    AppContext& app_;
    QString table_name_;
    UnitSplit units_;

    TileList* tiles_;
    PictureBox* img_delete_error;
    PictureBox* img_clean_record;
    PictureBox* img_return;
    PictureBox* img_exit;
    TextLabel* label_delete_error;
    TextLabel* label_clean_record;
    TextLabel* label_empty;  // says why there are no units
    Ticker* timer_delete_error;
    Ticker* timer_clean_record;
};

}  // namespace trelvo
