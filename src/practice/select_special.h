#pragma once

#include "practice/selection_screen.h"

namespace trelvo {

// The special topics of the current category in their stored order, three to a row, each with
// its title and counts; a topic opens the unit list on its own practice table.
class SelectSpecial final : public SelectionScreen {
    Q_OBJECT
  public:
    explicit SelectSpecial(AppContext& app);

    void init(const QString& table_name);
    void open_special(int index);

    const QString& table_name() const { return table_name_; }

  protected:
    void open_entry(int index) override { open_special(index); }

  private:
    void build_special_list();

    QString table_name_;
};

}  // namespace trelvo
