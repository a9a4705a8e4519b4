#include "menu/select_car.h"

#include <QPalette>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/picture_box.h"
#include "core/twips.h"

namespace trelvo {

namespace {

constexpr Placement placements[] = {
    {"img_return", 10050, 9000, 1755, 495},
    {"img_exit", 12390, 9000, 1755, 495},
};

// Tile 0 as designed; the other tiles are placed below it.
constexpr int tile_left = 4110, tile_top = 870, tile_width = 6705, tile_height = 1260;
constexpr int title_left = 6540, title_top = 1140, title_width = 4095, title_height = 375;
constexpr int detail_left = 6540, detail_top = 1680, detail_width = 4095, detail_height = 435;
constexpr int num_left = 7530, num_top = 1140, num_width = 735, num_height = 375;

const QString return_file = QStringLiteral("imgs/btn_return.jpg");
const QString exit_file = QStringLiteral("imgs/btn_exit.jpg");

// The count sits after the title, whose length differs by category.
int num_offset(CarType code) {
    if (code == 3) return 250;
    if (code == 5) return 1400;
    return 0;
}

}  // namespace

SelectCar::SelectCar(AppContext& app) : Screen(QStringLiteral("select_car")), app_(app) {
    set_background(design_picture(QStringLiteral("select_car.jpg")));
    setWindowTitle(QStringLiteral(" 车型选择"));
    img_return = new PictureBox(QStringLiteral("img_return"), this);
    img_exit = new PictureBox(QStringLiteral("img_exit"), this);
    apply_geometry(this, placements);

    // Load step.
    center_window(this);
    img_return->set_picture(app_.pictures().skin(return_file), return_file);
    img_exit->set_picture(app_.pictures().skin(exit_file), exit_file);
    hover_restored_ = false;

    connect(img_return, &PictureBox::mouse_moved, this, [this] {
        img_return->setCursor(app_.pictures().hand_cursor());
        const QString f = QStringLiteral("imgs/btn_return_move.jpg");
        img_return->set_picture(app_.pictures().skin(f), f);
    });
    connect(img_exit, &PictureBox::mouse_moved, this, [this] {
        img_exit->setCursor(app_.pictures().hand_cursor());
        const QString f = QStringLiteral("imgs/btn_exit_move.jpg");
        img_exit->set_picture(app_.pictures().skin(f), f);
    });
    connect(img_return, &PictureBox::clicked, this, &SelectCar::return_to_menu);
    connect(img_exit, &PictureBox::clicked, this, &SelectCar::exit_program);
    connect(this, &Screen::background_mouse_moved, this, &SelectCar::background_moved);
}

void SelectCar::init(const QString& table_name) {
    table_name_ = table_name;
    build_car_list();
}

void SelectCar::build_car_list() {
    QuestionBank& bank = app_.bank();
    const QString table = bank.table(table_name_);

    struct Entry {
        QString count_table, title, detail;
        bool selected;
        CarType code;
    };
    QList<Entry> entries;
    {
        Rows rows =
            bank.query(QStringLiteral("SELECT table_name, car_title, car_detail, is_selected, "
                                      "car_type FROM %1 ORDER BY id ASC")
                           .arg(table));
        while (entries.size() < max_entries && rows.next()) {
            entries.append(
                {rows.text(0), rows.text(1), rows.text(2), rows.yes_no(3), rows.int16(4)});
        }
    }
    if (entries.isEmpty()) {
        throw AppError(QStringLiteral("驾照类型列表为空"),
                       QStringLiteral("表 %1 中没有数据行").arg(table_name_));
    }
    entry_count_ = int(entries.size());

    const QFont title_font = song_font(12);
    for (int i = 0; i < entry_count_; ++i) {
        const Entry& e = entries[i];
        entry_selected_[i] = e.selected;
        entry_car_type_[i] = e.code;
        const int dy = row_pitch() * i;

        auto* tile = new PictureBox(QStringLiteral("img_select_car_%1").arg(i), this);
        tile->setGeometry(twips_rect(tile_left, tile_top + dy, tile_width, tile_height));
        img_select_car.append(tile);
        set_tile_picture(i, TilePicture::not_selected);

        auto* title = new TextLabel(QStringLiteral("label_select_car_title_%1").arg(i), this);
        title->setGeometry(twips_rect(title_left, title_top + dy, title_width, title_height));
        title->setFont(title_font);
        title->set_text(e.title);
        label_select_car_title.append(title);

        auto* detail = new TextLabel(QStringLiteral("label_select_car_detail_%1").arg(i), this);
        detail->setGeometry(twips_rect(detail_left, detail_top + dy, detail_width, detail_height));
        detail->set_text(e.detail);
        label_select_car_detail.append(detail);

        auto* num = new TextLabel(QStringLiteral("label_num_%1").arg(i), this);
        num->setGeometry(
            twips_rect(num_left + num_offset(e.code), num_top + dy, num_width, num_height));
        num->setFont(title_font);
        num->set_color(palette().color(QPalette::WindowText));
        num->set_text(QString::number(bank.count_rows(e.count_table)));
        label_num.append(num);

        for (QWidget* part : std::initializer_list<QWidget*>{tile, title, detail, num}) {
            part->show();
            if (auto* box = qobject_cast<PictureBox*>(part)) {
                connect(box, &PictureBox::mouse_moved, this,
                        [this, i, box] { hover_tile(i, box); });
                connect(box, &PictureBox::clicked, this, [this, i] { select_car_entry(i); });
            } else if (auto* label = qobject_cast<TextLabel*>(part)) {
                connect(label, &TextLabel::mouse_moved, this,
                        [this, i, label] { hover_tile(i, label); });
                connect(label, &TextLabel::clicked, this, [this, i] { select_car_entry(i); });
                label->raise();
            }
        }
    }

    for (int i = 0; i < entry_count_; ++i) {
        if (entry_selected_[i]) {
            set_tile_picture(i, TilePicture::selected_move);
            selected_index_ = i;
        }
    }
}

void SelectCar::set_tile_picture(int index, TilePicture which) {
    const QString prefix = table_prefix(entry_car_type_[index]);
    if (prefix.isEmpty()) return;  // codes without pictures keep what they show
    static const char* const stems[] = {"select_car_not_selected_", "select_car_not_selected_move_",
                                        "select_car_selected_", "select_car_selected_move_"};
    const QString file = QStringLiteral("imgs/") + QLatin1String(stems[int(which)]) + prefix +
                         QStringLiteral(".jpg");
    img_select_car[index]->set_picture(app_.pictures().skin(file), file);
}

void SelectCar::hover_tile(int index, QWidget* part) {
    part->setCursor(app_.pictures().hand_cursor());
    set_tile_picture(index, entry_selected_[index] ? TilePicture::selected_move
                                                   : TilePicture::not_selected_move);
    hover_index_ = index;
    hover_restored_ = false;
}

void SelectCar::background_moved() {
    img_return->set_picture(app_.pictures().skin(return_file), return_file);
    img_exit->set_picture(app_.pictures().skin(exit_file), exit_file);
    if (!hover_restored_ && hover_index_ < entry_count_) {
        set_tile_picture(hover_index_, entry_selected_[hover_index_] ? TilePicture::selected
                                                                     : TilePicture::not_selected);
        hover_restored_ = true;
    }
}

void SelectCar::select_car_entry(int index) {
    if (selected_index_ != index) {
        set_tile_picture(selected_index_, TilePicture::not_selected);
        entry_selected_[selected_index_] = false;
    }
    if (!entry_selected_[index]) {
        set_tile_picture(index, TilePicture::selected_move);
        entry_selected_[index] = true;
    }
    selected_index_ = index;
    set_car_type(entry_car_type_[index]);
    return_to_menu();
}

void SelectCar::save_selection() {
    QuestionBank& bank = app_.bank();
    const QString table = bank.table(QStringLiteral("car"));
    // Clearing and setting go together: a failure in between must not leave car without a
    // selected row, which would stop every later start-up.
    QuestionBank::Transaction transaction(bank);
    bank.exec(
        QStringLiteral("UPDATE %1 SET is_selected = FALSE WHERE is_selected = TRUE").arg(table));
    bank.exec(QStringLiteral("UPDATE %1 SET is_selected = TRUE WHERE id = ?").arg(table),
              {selected_index_});
    transaction.commit();
}

void SelectCar::return_to_menu() {
    begin_leaving();
    if (!app_.save(this, QStringLiteral("保存车型选择"), [this] { save_selection(); })) {
        stay();
        return;
    }
    app_.open_main_menu(this);
}

void SelectCar::exit_program() {
    begin_leaving();
    if (!app_.save(this, QStringLiteral("保存车型选择"), [this] { save_selection(); })) {
        stay();
        return;
    }
    app_.end_program();
}

}  // namespace trelvo
