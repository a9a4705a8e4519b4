#include "practice/selection_screen.h"

#include "core/app_context.h"
#include "core/message.h"
#include "core/picture_box.h"
#include "core/question_bank.h"
#include "core/twips.h"
#include "practice/study_unit.h"
#include "practice/tile_list.h"

namespace trelvo {

QList<ListEntry> read_list_entries(QuestionBank& bank, const QString& sql) {
    QList<ListEntry> entries;
    Rows rows = bank.query(sql);
    while (rows.next()) {
        ListEntry e;
        e.title = rows.text_or_empty(0);
        e.table_name = rows.text_or_empty(1);
        entries.append(e);
    }
    for (ListEntry& e : entries) {
        e.reachable = bank.has_table(e.table_name);
        if (!e.reachable) continue;
        const QString table = bank.table(e.table_name);
        e.total = bank.count_rows(table);
        e.not_answered =
            bank.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE type_answer = 0").arg(table));
    }
    return entries;
}

SelectionScreen::SelectionScreen(AppContext& app, const QString& object_name,
                                 const TileListLayout& layout, int return_left, int exit_left,
                                 int button_top, QString kind)
    : Screen(object_name), app_(app), kind_(std::move(kind)) {
    tiles_ = new TileList(app_, layout, this);
    img_return = new PictureBox(QStringLiteral("img_return"), this);
    img_exit = new PictureBox(QStringLiteral("img_exit"), this);
    const Placement placements[] = {{"img_return", return_left, button_top, 1755, 495},
                                    {"img_exit", exit_left, button_top, 1755, 495}};
    apply_geometry(this, placements);
    label_empty = empty_list_note(
        this, QStringLiteral("题库中还没有%1。可以按使用说明编辑题库后再来练习。").arg(kind_));

    // Load step.
    center_window(this);
    set_button_picture(img_return, QStringLiteral("imgs/btn_return.jpg"));
    set_button_picture(img_exit, QStringLiteral("imgs/btn_exit.jpg"));

    connect(img_return, &PictureBox::mouse_moved, this, [this] {
        img_return->setCursor(app_.pictures().hand_cursor());
        set_button_picture(img_return, QStringLiteral("imgs/btn_return_move.jpg"));
    });
    connect(img_exit, &PictureBox::mouse_moved, this, [this] {
        img_exit->setCursor(app_.pictures().hand_cursor());
        set_button_picture(img_exit, QStringLiteral("imgs/btn_exit_move.jpg"));
    });
    connect(this, &Screen::background_mouse_moved, this, &SelectionScreen::restore_pictures);
    connect(tiles_, &TileList::opened, this, &SelectionScreen::entry_clicked);
    connect(img_return, &PictureBox::clicked, this, [this] { app_.open_main_menu(this); });
    connect(img_exit, &PictureBox::clicked, this, [this] { app_.end_program(); });
}

void SelectionScreen::build(QList<ListEntry> entries, int title_array, int index_array) {
    entries_ = std::move(entries);
    label_empty->setVisible(entries_.isEmpty());
    const int total_array = tiles_->label_array("label_num_total");
    const int not_array = tiles_->label_array("label_num_not");
    tiles_->build(int(entries_.size()), [&](int array, int i) -> QString {
        const ListEntry& e = entries_[i];
        if (array == title_array) return e.title;
        if (array == index_array) return QString::number(i + 1);
        if (array == total_array) return QString::number(e.total);
        if (array == not_array) return QString::number(e.not_answered);
        return {};
    });
    // A long title is drawn smaller rather than cut off at the tile's edge; the counts' boxes
    // are designed lower than their font, so they grow to their digits.
    for (int i = 0; i < tiles_->count(); ++i) {
        tiles_->label(title_array, i)->set_shrink_to_fit(true);
        for (TextLabel* count : {tiles_->label(total_array, i), tiles_->label(not_array, i)})
            count->set_auto_size(true);
    }
}

void SelectionScreen::entry_clicked(int index) {
    const ListEntry& e = entries_[index];
    if (e.reachable) return open_entry(index);
    const QString text =
        e.table_name.isEmpty()
            ? QStringLiteral("这个%1在题库中没有设置练习表，暂时无法练习。").arg(kind_)
            : QStringLiteral("这个%1的练习表“%2”在题库中不存在，暂时无法练习。")
                  .arg(kind_, e.table_name);
    (void)app_.show_message(
        this, notice(text + QStringLiteral("可以用题库工具 bankctl check 检查题库。")));
}

void SelectionScreen::open_unit_list(int index, const QString& suffix) {
    const QString caption = windowTitle() + QLatin1Char(' ') + suffix;
    const QString table = entries_[index].table_name;
    open_screen(this, new StudyUnit(app_), &caption,
                [&](StudyUnit& target) { target.init(table); });
}

void SelectionScreen::set_button_picture(PictureBox* button, const QString& file) {
    button->set_picture(app_.pictures().skin(file), file);
}

void SelectionScreen::restore_pictures() {
    set_button_picture(img_return, QStringLiteral("imgs/btn_return.jpg"));
    set_button_picture(img_exit, QStringLiteral("imgs/btn_exit.jpg"));
    tiles_->restore_hovered_tile();
}

}  // namespace trelvo
