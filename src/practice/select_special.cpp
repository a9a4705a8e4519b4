#include "practice/select_special.h"

#include "core/app_context.h"
#include "practice/tile_list.h"

namespace trelvo {

namespace {

// The label array of a topic tile that holds its title (the counts follow it).
constexpr int label_title = 0;

}  // namespace

SelectSpecial::SelectSpecial(AppContext& app)
    : SelectionScreen(app, QStringLiteral("select_special"), special_list_tiles(), 10050, 12390,
                      9210, QStringLiteral("专项")) {
    setWindowTitle(QStringLiteral("选择专项"));
}

void SelectSpecial::init(const QString& table_name) {
    table_name_ = table_name;
    build_special_list();
}

void SelectSpecial::build_special_list() {
    QuestionBank& bank = app_.bank();
    const QString list = bank.table(table_name_);
    // No ORDER BY: the topics are shown in the order they are stored.
    QList<ListEntry> read = read_list_entries(
        bank, QStringLiteral("SELECT special_detail, special_table_name FROM %1").arg(list));
    build(std::move(read), label_title);
}

void SelectSpecial::open_special(int index) {
    // The clicked topic's own title, whichever tile the pointer last passed over.
    open_unit_list(index, entries()[index].title);
}

}  // namespace trelvo
