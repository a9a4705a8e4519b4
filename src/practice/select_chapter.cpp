#include "practice/select_chapter.h"

#include <QFontMetrics>

#include "core/app_context.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "practice/tile_list.h"

namespace trelvo {

namespace {

// The label arrays of a chapter tile that hold its number and its description (the counts
// follow them).
enum ChapterLabel { label_index = 0, lable_select_chapter = 1 };

// The two-column list starts this much further left so that both columns fit.
constexpr int two_column_shift = 3900;

}  // namespace

SelectChapter::SelectChapter(AppContext& app)
    : SelectionScreen(app, QStringLiteral("select_chapter"), chapter_list_tiles(0), 10350, 12690,
                      9300, QStringLiteral("章节")) {
    setWindowTitle(QStringLiteral("选择章节"));
}

void SelectChapter::init(const QString& table_name) {
    table_name_ = table_name;
    const TileListLayout layout = chapter_list_tiles(get_car_type());
    if (layout.columns == 2) tiles_->move_first_tile(layout.left - two_column_shift, layout.top);
    build_chapter_list(layout.columns);
}

void SelectChapter::build_chapter_list(int columns) {
    tiles_->set_columns(columns);
    QuestionBank& bank = app_.bank();
    const QString list = bank.table(table_name_);
    QList<ListEntry> read = read_list_entries(
        bank,
        QStringLiteral("SELECT chapter_detail, chapter_table_name FROM %1 ORDER BY chapter_id ASC")
            .arg(list));
    build(std::move(read), lable_select_chapter, label_index);
    // The number sits between the tile's drawn 第 and 章: from chapter 10 on it is drawn smaller
    // rather than cut to its first digit.
    for (int i = 0; i < tiles_->count(); ++i) {
        TextLabel* number = tiles_->label(label_index, i);
        QFont font = number->font();
        while (font.pointSizeF() > 8 &&
               QFontMetrics(font).horizontalAdvance(number->text()) > number->width())
            font.setPointSizeF(font.pointSizeF() - 0.5);
        if (font == number->font()) continue;
        number->setFont(font);
        number->set_alignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void SelectChapter::open_chapter(int index) {
    open_unit_list(index, chapter_caption(qint16(index)));
}

}  // namespace trelvo
