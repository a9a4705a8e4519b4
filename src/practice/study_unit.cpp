#include "practice/study_unit.h"

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "practice/study.h"
#include "practice/tile_list.h"

namespace trelvo {

namespace {

constexpr Placement placements[] = {
    {"img_delete_error", 5580, 9300, 1755, 495},  {"img_clean_record", 7890, 9300, 1755, 495},
    {"img_return", 10230, 9300, 1755, 495},       {"img_exit", 12540, 9300, 1755, 495},
    {"label_delete_error", 5940, 8880, 735, 165}, {"label_clean_record", 8250, 8880, 735, 165},
};

// The label arrays of a unit tile, in the order of the unit list's constants.
enum UnitLabel { label_unit = 0, label_num = 1, label_num_not = 2 };

constexpr int note_ms = 300;

}  // namespace

UnitSplit UnitSplit::of(qint16 total) {
    UnitSplit split;
    split.unit_count = qint16(total / unit_size);
    split.last_unit_size = qint16(total % unit_size);
    if (split.last_unit_size == 0)
        split.last_unit_size = unit_size;
    else
        ++split.unit_count;
    return split;
}

qint16 UnitSplit::first_id(int unit) const {
    return checked_int16(qlonglong(unit) * unit_size, QStringLiteral("单元的起始序号"));
}

qint16 UnitSplit::last_id(int unit) const {
    const int size = unit == unit_count - 1 ? last_unit_size : unit_size;
    return checked_int16(qlonglong(first_id(unit)) + size - 1, QStringLiteral("单元的结束序号"));
}

StudyUnit::StudyUnit(AppContext& app) : Screen(QStringLiteral("study_unit")), app_(app) {
    tiles_ = new TileList(app_, unit_list_tiles(), this);
    img_delete_error = new PictureBox(QStringLiteral("img_delete_error"), this);
    img_clean_record = new PictureBox(QStringLiteral("img_clean_record"), this);
    img_return = new PictureBox(QStringLiteral("img_return"), this);
    img_exit = new PictureBox(QStringLiteral("img_exit"), this);
    label_delete_error = new TextLabel(QStringLiteral("label_delete_error"), this);
    label_clean_record = new TextLabel(QStringLiteral("label_clean_record"), this);
    apply_geometry(this, placements);
    label_empty = empty_list_note(this, QStringLiteral("这里还没有题目。"));

    img_delete_error->hide();
    const struct {
        TextLabel* label;
        const char* text;
    } notes[] = {{label_delete_error, "删除成功"}, {label_clean_record, "清除成功"}};
    for (const auto& n : notes) {
        // The designed box is shorter than the font; the note keeps its corner and fits its text.
        n.label->set_auto_size(true);
        n.label->set_text(QString::fromUtf8(n.text));
        n.label->set_color(QColor(0, 128, 0));
        n.label->hide();
    }

    timer_delete_error = app_.make_ticker(this);
    timer_delete_error->setObjectName(QStringLiteral("timer_delete_error"));
    timer_clean_record = app_.make_ticker(this);
    timer_clean_record->setObjectName(QStringLiteral("timer_clean_record"));
    for (auto [note, timer] : {std::pair{label_delete_error, timer_delete_error},
                               std::pair{label_clean_record, timer_clean_record}}) {
        connect(timer, &Ticker::tick, this, [note, timer] {
            note->hide();
            timer->stop();
        });
    }

    // Load step.
    center_window(this);

    const struct {
        PictureBox* box;
        const char* base;
    } buttons[] = {{img_delete_error, "btn_delete_error"},
                   {img_clean_record, "btn_clean_record"},
                   {img_return, "btn_return"},
                   {img_exit, "btn_exit"}};
    for (const auto& b : buttons) {
        PictureBox* box = b.box;
        const QString base = QLatin1String(b.base);
        connect(box, &PictureBox::mouse_moved, this,
                [this, box, base] { hover_button(box, base); });
        connect(box, &PictureBox::mouse_left, this,
                [this, box, base] { set_button_picture(box, base); });
    }
    connect(this, &Screen::background_mouse_moved, this, &StudyUnit::restore_pictures);
    connect(tiles_, &TileList::opened, this, &StudyUnit::open_unit);
    connect(img_clean_record, &PictureBox::clicked, this, [this] {
        if (ask_and_clean_record()) show_note(label_clean_record, timer_clean_record);
    });
    connect(img_delete_error, &PictureBox::clicked, this, [this] {
        if (ask_and_delete_error()) show_note(label_delete_error, timer_delete_error);
    });
    connect(img_return, &PictureBox::clicked, this, &StudyUnit::return_to_menu);
    img_return->setToolTip(QStringLiteral("返回主页（Esc）。方向键选择单元，Enter 打开"));
    connect(img_exit, &PictureBox::clicked, this, [this] { app_.end_program(); });
}

void StudyUnit::init(const QString& table_name) {
    table_name_ = table_name;
    QuestionBank& bank = app_.bank();
    const QString table = bank.table(table_name_);
    units_ = UnitSplit::of(bank.count_rows(table));

    QList<qint16> not_answered;
    const QString count_sql =
        QStringLiteral("SELECT count(*) FROM %1 WHERE type_answer = 0 AND id >= ? AND id < ?")
            .arg(table);
    for (int k = 0; k < units_.unit_count; ++k) {
        const int first = k * UnitSplit::unit_size;
        not_answered.append(bank.scalar(count_sql, {first, first + UnitSplit::unit_size}));
    }

    set_button_picture(img_delete_error, QStringLiteral("btn_delete_error"));
    set_button_picture(img_clean_record, QStringLiteral("btn_clean_record"));
    set_button_picture(img_return, QStringLiteral("btn_return"));
    set_button_picture(img_exit, QStringLiteral("btn_exit"));

    build_unit_list(not_answered);
}

void StudyUnit::build_unit_list(const QList<qint16>& not_answered) {
    const int n = units_.unit_count;
    label_empty->setVisible(n == 0);
    tiles_->build(n, [&](int array, int i) -> QString {
        switch (array) {
            case label_unit:
                return i + 1 < 10 ? QStringLiteral("0%1").arg(i + 1) : QString::number(i + 1);
            case label_num:
                return QString::number(i == n - 1 ? units_.last_unit_size : UnitSplit::unit_size);
            case label_num_not:
                return QString::number(not_answered[i]);
        }
        return {};
    });
}

void StudyUnit::show_delete_error() {
    img_delete_error->show();
    label_empty->set_text(
        QStringLiteral("错题本中还没有题目。练习时点击“设为错题”，即可把题目加入错题本。"));
}

void StudyUnit::open_unit(int unit) {
    const QString caption = windowTitle() + QLatin1Char(' ') + unit_caption(qint16(unit));
    const qint16 first = units_.first_id(unit);
    const qint16 last = units_.last_id(unit);
    open_screen(this, new Study(app_), &caption,
                [&](Study& study) { study.init(table_name_, first, last); });
}

void StudyUnit::clean_record() {
    QuestionBank& bank = app_.bank();
    const QString table = bank.table(table_name_);
    // A half-done reset would leave answers without results or the table without its resume row.
    QuestionBank::Transaction transaction(bank);
    bank.exec(QStringLiteral("UPDATE %1 SET type_answer = 0, answer = ''").arg(table));
    bank.exec(QStringLiteral("UPDATE %1 SET position_prev = FALSE WHERE position_prev = TRUE")
                  .arg(table));
    bank.exec(QStringLiteral("UPDATE %1 SET position_prev = TRUE WHERE id = 0").arg(table));
    transaction.commit();

    // Every question is unanswered now: the counts need no second reading.
    for (int i = 0; i < tiles_->count(); ++i)
        tiles_->label(label_num_not, i)->set_text(tiles_->label(label_num, i)->text());
}

void StudyUnit::delete_error() {
    QuestionBank& bank = app_.bank();
    const QString table = bank.table(table_name_);
    QuestionBank::Transaction transaction(bank);
    bank.exec(QStringLiteral("DELETE FROM %1").arg(table));
    transaction.commit();
    // The list is not rebuilt: an empty book simply shows no units until the screen is left.
    tiles_->hide_entries();
    label_empty->show();
}

QString StudyUnit::mode_name() const {
    // The caption is the product title, the category and the mode; the question names the last two.
    QString name = windowTitle();
    if (name.startsWith(product_title())) name = name.mid(product_title().size());
    name = name.trimmed();
    return name.isEmpty() ? table_name_ : name;
}

bool StudyUnit::confirm(const QString& text) {
    Message m;
    m.kind = Message::Kind::confirm;
    m.title = QStringLiteral("Trelvo驾考软件 - 请确认");
    m.text = text;
    return app_.show_message(this, m);
}

bool StudyUnit::ask_and_clean_record() {
    QuestionBank& bank = app_.bank();
    const qint16 answered =
        bank.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE type_answer <> 0")
                        .arg(bank.table(table_name_)));
    // With nothing answered there is nothing to lose, and nothing to ask.
    if (answered > 0 &&
        !confirm(QStringLiteral("确定要清除“%1”的全部答题记录吗？\n\n"
                                "已作答的 %2 道题将全部恢复为未作答，练习位置回到第一题。"
                                "清除后无法恢复。")
                     .arg(mode_name())
                     .arg(answered)))
        return false;
    return app_.save(this, QStringLiteral("清除答题记录"), [this] { clean_record(); });
}

bool StudyUnit::ask_and_delete_error() {
    QuestionBank& bank = app_.bank();
    const qint16 wrong = bank.count_rows(table_name_);
    if (wrong > 0 && !confirm(QStringLiteral("确定要删除错题本中的全部 %1 道错题吗？\n\n"
                                             "删除后无法恢复。")
                                  .arg(wrong)))
        return false;
    return app_.save(this, QStringLiteral("删除错题"), [this] { delete_error(); });
}

void StudyUnit::show_note(TextLabel* note, Ticker* timer) {
    note->show();
    note->raise();
    timer->start(note_ms);
}

void StudyUnit::set_button_picture(PictureBox* button, const QString& base) {
    const QString file = QStringLiteral("imgs/%1.jpg").arg(base);
    button->set_picture(app_.pictures().skin(file), file);
}

void StudyUnit::hover_button(PictureBox* button, const QString& base) {
    button->setCursor(app_.pictures().hand_cursor());
    set_button_picture(button, base + QStringLiteral("_move"));
}

void StudyUnit::restore_pictures() {
    tiles_->restore_hovered_tile();
    set_button_picture(img_return, QStringLiteral("btn_return"));
    set_button_picture(img_exit, QStringLiteral("btn_exit"));
    set_button_picture(img_clean_record, QStringLiteral("btn_clean_record"));
    set_button_picture(img_delete_error, QStringLiteral("btn_delete_error"));
}

void StudyUnit::return_to_menu() {
    app_.open_main_menu(this);
}

}  // namespace trelvo
