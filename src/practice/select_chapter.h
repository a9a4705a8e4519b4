#pragma once

#include "practice/selection_screen.h"

namespace trelvo {

// The chapters of the current category, one tile each with its number, description and counts;
// a chapter opens the unit list on its own practice table. One column, or two for the
// safe-driving subject, whose chapters are many.
class SelectChapter final : public SelectionScreen {
    Q_OBJECT
  public:
    explicit SelectChapter(AppContext& app);

    void init(const QString& table_name);
    void open_chapter(int index);

    const QString& table_name() const { return table_name_; }

  protected:
    void open_entry(int index) override { open_chapter(index); }

  private:
    void build_chapter_list(int columns);

    QString table_name_;
};

}  // namespace trelvo
