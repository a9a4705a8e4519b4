// The tile list and the unit list, driven as a learner drives them.
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "app/navigation.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "fixture.h"
#include "menu/main_control.h"
#include "menu/select_car.h"
#include "practice/study.h"
#include "practice/study_unit.h"
#include "practice/tile_list.h"
#include "screen_helpers.h"

using namespace trelvo;
using namespace trelvo::test;

namespace {

QStringList texts(QObject* screen, const QString& array, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << label(screen, QStringLiteral("%1_%2").arg(array).arg(i))->text();
    return out;
}

void settle() {
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The rectangle a widget covers on its screen, after any scrolling.
QRect on_screen(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

const QString sequence = QStringLiteral("xiaoche_sequence");

struct Program {
    test::ProgramFolder folder;
    std::unique_ptr<AppContext> app;
    int ended = 0;
    MessageLog messages;

    explicit Program(int selected_row = 0) {
        folder.paint_skins();
        folder.create_bank(test::four_categories(selected_row));
        app = std::make_unique<AppContext>(folder.path());
        install_navigation(*app);
        messages.install(*app);
        app->end_program = [this] { ++ended; };
        app->make_ticker = [](QObject* parent) -> Ticker* { return new ManualTicker(parent); };
    }

    StudyUnit* unit_list(const QString& table, int rows = -1) {
        if (rows >= 0) folder.set_practice_rows(table, rows);
        auto* screen = new StudyUnit(*app);
        screen->setWindowTitle(product_title() + QStringLiteral(" 小车类 顺序练习"));
        screen->init(table);
        screen->show();
        settle();
        return screen;
    }

    int count(const QString& sql) const { return folder.scalar(sql).toInt(); }
    ~Program() { close_all_screens(); }
};

ManualTicker* ticker(QObject* screen, const char* name) {
    return child<ManualTicker>(screen, QLatin1String(name));
}

}  // namespace

class TestUnitList final : public QObject {
    Q_OBJECT

  private slots:
    void init() { set_car_type(0); }
    void cleanup() { close_all_screens(); }

    void unit_split_data();
    void unit_split();
    void layout_rule_data();
    void layout_rule();
    void selection_screens_restore_once();

    void unit_list_geometry();
    void captions_and_counts_data();
    void captions_and_counts();
    void empty_table();
    void open_unit_data();
    void open_unit();
    void main_menu_opens_the_unit_list_data();
    void main_menu_opens_the_unit_list();
    void hover_and_restore();
    void clean_record();
    void failed_clean_record_keeps_the_table();
    void delete_error_book();
    void keys_move_open_and_go_back();
    void long_tables_scroll_data();
    void long_tables_scroll();
    void one_screen_per_click_data();
    void one_screen_per_click();
};

void TestUnitList::unit_split_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("last_size");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("0 rows") << 0 << 0 << 100 << -1 << 0 << 0;
    QTest::newRow("100 rows") << 100 << 1 << 100 << 0 << 0 << 99;
    QTest::newRow("101 rows, last unit") << 101 << 2 << 1 << 1 << 100 << 100;
    QTest::newRow("101 rows, first unit") << 101 << 2 << 1 << 0 << 0 << 99;
    QTest::newRow("250 rows, last unit") << 250 << 3 << 50 << 2 << 200 << 249;
    QTest::newRow("250 rows, middle unit") << 250 << 3 << 50 << 1 << 100 << 199;
    QTest::newRow("1000 rows") << 1000 << 10 << 100 << 9 << 900 << 999;
    QTest::newRow("1800 rows") << 1800 << 18 << 100 << 17 << 1700 << 1799;
}

void TestUnitList::unit_split() {
    QFETCH(int, total);
    QFETCH(int, units);
    QFETCH(int, last_size);
    QFETCH(int, unit);
    const UnitSplit split = UnitSplit::of(qint16(total));
    QCOMPARE(split.unit_count, units);
    QCOMPARE(split.last_unit_size, last_size);
    if (unit < 0) return;
    QTEST(int(split.first_id(unit)), "first");
    QTEST(int(split.last_id(unit)), "last");
}

void TestUnitList::layout_rule_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("car_type");
    QTest::addColumn<int>("shift");  // element 0 moved left before building
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("unit, one entry") << "unit" << 0 << 0 << 1 << 0 << 1110 << 390;
    QTest::newRow("unit, tile 2 ends row 1") << "unit" << 0 << 0 << 4 << 2 << 1110 + 9200 << 390;
    QTest::newRow("unit, tile 3 starts row 2") << "unit" << 0 << 0 << 4 << 3 << 1110 << 390 + 2300;
    QTest::newRow("chapter, one column") << "chapter" << 0 << 0 << 4 << 3 << 4830 << 1230 + 5400;
    QTest::newRow("chapter, two columns, tile 1")
        << "chapter" << 5 << 3900 << 3 << 1 << 930 + 7300 << 1230;
    QTest::newRow("chapter, two columns, tile 2")
        << "chapter" << 5 << 3900 << 3 << 2 << 930 << 1230 + 1800;
    QTest::newRow("special, tile 3") << "special" << 0 << 0 << 4 << 3 << 960 << 570 + 2000;
    QTest::newRow("special, thirteenth") << "special" << 0 << 0 << 13 << 12 << 960 << 570 + 8000;
}

// Every list places tile i by column and row pitch, and its labels by tile i's position and
// tile 0's picture size.
void TestUnitList::layout_rule() {
    QFETCH(QString, list);
    QFETCH(int, car_type);
    QFETCH(int, shift);
    QFETCH(int, n);
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    Program program;
    const TileListLayout layout = list == "unit"      ? unit_list_tiles()
                                  : list == "chapter" ? chapter_list_tiles(CarType(car_type))
                                                      : special_list_tiles();
    Screen host(QStringLiteral("host"));
    TileList tiles(*program.app, layout, &host);
    if (shift != 0) tiles.move_first_tile(layout.left - shift, layout.top);
    tiles.build(n, [](int a, int i) { return QStringLiteral("%1/%2").arg(a).arg(i); });
    host.show();

    const QString tile_name = QLatin1String(layout.tile_name);
    PictureBox* tile = box(&host, QStringLiteral("%1_%2").arg(tile_name).arg(index));
    const QSize natural = program.app->pictures().skin(QLatin1String(layout.picture)).size();
    QCOMPARE(tile->geometry(), QRect(QPoint(px(left), px(top)), natural));
    QVERIFY(tile->isVisible());
    QCOMPARE(tile->picture_path(), QLatin1String(layout.picture));
    for (int a = 0; a < int(layout.labels.size()); ++a) {
        const TileLabelSpec& s = layout.labels[a];
        TextLabel* l = label(&host, QStringLiteral("%1_%2").arg(QLatin1String(s.name)).arg(index));
        QCOMPARE(l->geometry(),
                 twips_rect(left + s.fx * twips(natural.width()),
                            top + s.fy * twips(natural.height()), s.width, s.height));
        QCOMPARE(l->text(), QStringLiteral("%1/%2").arg(a).arg(index));
        QVERIFY(l->isVisible());
        // Drawn over the tile, so the label takes its clicks.
        QCOMPARE(l->parentWidget()->childAt(l->geometry().topLeft() + QPoint(1, 1)), l);
    }
    QVERIFY(host.findChild<QWidget*>(QStringLiteral("%1_%2").arg(tile_name).arg(n)) == nullptr);
}

// The selection screens give the hovered tile back its picture once per hover, not at every
// background movement; a click on any part of an entry opens that entry.
void TestUnitList::selection_screens_restore_once() {
    Program program;
    Screen host(QStringLiteral("host"));
    TileList tiles(*program.app, special_list_tiles(), &host);
    connect(&host, &Screen::background_mouse_moved, &tiles, &TileList::restore_hovered_tile);
    tiles.build(4, [](int, int i) { return QString::number(i); });
    host.show();
    PictureLoader& pictures = program.app->pictures();
    const QString normal = QStringLiteral("imgs/select_special.jpg");

    QTest::mouseMove(box(&host, "img_select_special_1"), QPoint(5, 5));
    QCOMPARE(tiles.tile(1)->picture_path(), QStringLiteral("imgs/select_special_move.jpg"));
    QVERIFY(!tiles.hover_restored());
    QTest::mouseMove(&host, QPoint(2, 2));
    QCOMPARE(tiles.tile(1)->picture_path(), normal);
    QVERIFY(tiles.hover_restored());
    const int loads = pictures.requests(normal);
    QTest::mouseMove(&host, QPoint(4, 4));
    QCOMPARE(pictures.requests(normal), loads);

    // A label re-arms the restore without changing a picture.
    QTest::mouseMove(label(&host, "label_title_3"), QPoint(3, 3));
    QVERIFY(!tiles.hover_restored());
    QCOMPARE(label(&host, "label_title_3")->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&host, QPoint(2, 2));
    QCOMPARE(pictures.requests(normal), loads + 1);

    QSignalSpy opened(&tiles, &TileList::opened);
    click(label(&host, "label_num_total_2"));
    click(box(&host, "img_select_special_0"));
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0][0].toInt(), 2);
    QCOMPARE(opened[1][0].toInt(), 0);
}

void TestUnitList::unit_list_geometry() {
    Program program;
    // A tile picture larger than the design's: tiles take the picture's size, labels follow it.
    QImage big(240, 90, QImage::Format_RGB32);
    big.fill(Qt::yellow);
    big.save(program.folder.path() + "/imgs/unit_chapter.jpg", "JPG");
    StudyUnit* screen = program.unit_list(sequence, 600);

    QCOMPARE(screen->size(), QSize(px(14910), px(10140)));
    QCOMPARE(screen->tiles().count(), 6);
    QCOMPARE(box(screen, "img_unit_0")->geometry(), twips_rect(1110, 390, 3600, 1350));
    QCOMPARE(box(screen, "img_unit_3")->geometry(), twips_rect(1110, 390 + 2300, 3600, 1350));
    const struct {
        const char* name;
        double fx, fy;
        int w, h;
    } labels5[] = {{"label_unit_5", 0.5, 0.2, 855, 525},
                   {"label_num_5", 0.34, 0.75, 675, 525},
                   {"label_num_not_5", 0.58, 0.75, 675, 525}};
    for (const auto& l : labels5)
        QCOMPARE(label(screen, l.name)->geometry(),
                 twips_rect(1110 + 9200 + l.fx * 3600, 390 + 2300 + l.fy * 1350, l.w, l.h));
    QCOMPARE(label(screen, "label_unit_4")->font().pointSizeF(), 21.75);
    QCOMPARE(label(screen, "label_num_4")->color(), QColor(0, 0, 255));
    QCOMPARE(label(screen, "label_num_not_4")->color(), QColor(255, 0, 0));

    const struct {
        const char* name;
        int l, t, w, h;
        bool visible;
    } buttons[] = {{"img_delete_error", 5580, 9300, 1755, 495, false},
                   {"img_clean_record", 7890, 9300, 1755, 495, true},
                   {"img_return", 10230, 9300, 1755, 495, true},
                   {"img_exit", 12540, 9300, 1755, 495, true}};
    for (const auto& b : buttons) {
        QCOMPARE(box(screen, b.name)->geometry(), twips_rect(b.l, b.t, b.w, b.h));
        QCOMPARE(box(screen, b.name)->isVisible(), b.visible);
    }
    // The notes keep their corner and are large enough for their text.
    for (const char* name : {"label_delete_error", "label_clean_record"}) {
        TextLabel* note = label(screen, name);
        const QFontMetrics fm(note->font());
        QVERIFY(note->width() >= fm.horizontalAdvance(note->text()));
        QVERIFY(note->height() >= fm.height());
        QVERIFY(note->geometry().bottom() < box(screen, "img_return")->geometry().top());
    }
    QCOMPARE(label(screen, "label_clean_record")->pos(), twips_rect(8250, 8880, 0, 0).topLeft());

    // Everything fits: no scroll bar, and tile positions are screen positions.
    auto* area = child<QScrollArea>(screen, "tile_area");
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QCOMPARE(on_screen(box(screen, "img_unit_5")), box(screen, "img_unit_5")->geometry());
}

void TestUnitList::captions_and_counts_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("answered");  // rows answered, right or wrong
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QStringList>("not_answered");
    QTest::newRow("100 rows") << 100 << "0" << QStringList{"01"} << QStringList{"100"}
                              << QStringList{"100"};
    QTest::newRow("101 rows") << 101 << "id = 100" << QStringList{"01", "02"}
                              << QStringList{"100", "1"} << QStringList{"100", "0"};
    QTest::newRow("250 rows") << 250 << "id < 100 OR id BETWEEN 150 AND 159"
                              << QStringList{"01", "02", "03"} << QStringList{"100", "100", "50"}
                              << QStringList{"0", "90", "50"};
    QStringList units, sizes, counts;
    for (int i = 1; i <= 10; ++i) units << (i < 10 ? QStringLiteral("0%1").arg(i) : "10");
    for (int i = 0; i < 10; ++i) sizes << "100", counts << "99";
    QTest::newRow("1000 rows") << 1000 << "id % 100 = 7" << units << sizes << counts;
}

void TestUnitList::captions_and_counts() {
    QFETCH(int, rows);
    QFETCH(QString, answered);
    QFETCH(QStringList, units);
    Program program;
    program.folder.set_practice_rows(sequence, rows);
    program.folder.exec(
        "UPDATE xiaoche_sequence SET type_answer = 1 + id % 2, answer = 'A' WHERE " + answered);
    StudyUnit* screen = program.unit_list(sequence);
    const int n = int(units.size());
    QCOMPARE(screen->tiles().count(), n);
    QCOMPARE(texts(screen, "label_unit", n), units);
    QTEST(texts(screen, "label_num", n), "sizes");
    QTEST(texts(screen, "label_num_not", n), "not_answered");
    QVERIFY(box(screen, QStringLiteral("img_unit_%1").arg(n - 1))->isVisible());
    QVERIFY(screen->findChild<QWidget*>(QStringLiteral("img_unit_%1").arg(n)) == nullptr);
}

void TestUnitList::empty_table() {
    Program program;
    StudyUnit* screen = program.unit_list("xiaoche_error");
    QCOMPARE(screen->tiles().count(), 0);
    for (const char* name : {"img_unit_0", "label_unit_0", "label_num_0", "label_num_not_0"})
        QVERIFY2(!child(screen, name)->isVisible(), name);
    QVERIFY(label(screen, "label_empty")->isVisible());  // the screen says why it is empty

    // The buttons still work: the reset runs on nothing and confirms.
    click(box(screen, "img_clean_record"));
    QVERIFY(label(screen, "label_clean_record")->isVisible());
    QPointer<StudyUnit> list = screen;
    click(box(screen, "img_return"));
    settle();
    QVERIFY(list.isNull());
    QCOMPARE(open_screens<MainControl>().size(), 1);

    click(box(program.unit_list("xiaoche_error"), "img_exit"));
    QCOMPARE(program.ended, 1);
}

void TestUnitList::open_unit_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("100 rows, the only tile") << 100 << "img_unit_0" << 0 << 99 << "第1单元";
    QTest::newRow("101 rows, count of the last")
        << 101 << "label_num_not_1" << 100 << 100 << "第2单元";
    QTest::newRow("250 rows, the last tile") << 250 << "img_unit_2" << 200 << 249 << "第3单元";
    QTest::newRow("250 rows, number of the middle")
        << 250 << "label_unit_1" << 100 << 199 << "第2单元";
    QTest::newRow("250 rows, size of the first") << 250 << "label_num_0" << 0 << 99 << "第1单元";
}

void TestUnitList::open_unit() {
    QFETCH(int, rows);
    QFETCH(QString, part);
    QFETCH(QString, suffix);
    Program program;
    QPointer<StudyUnit> screen = program.unit_list(sequence, rows);
    const QString caption = screen->windowTitle();
    click(child(screen, part));
    settle();

    QVERIFY(screen.isNull());
    const QList<Study*> studies = open_screens<Study>();
    QCOMPARE(studies.size(), 1);
    QCOMPARE(studies[0]->windowTitle(), caption + " " + suffix);
    QCOMPARE(studies[0]->table_name(), sequence);
    QTEST(int(studies[0]->first_id()), "first");
    QTEST(int(studies[0]->last_id()), "last");
}

void TestUnitList::main_menu_opens_the_unit_list_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("tiles");
    QTest::addColumn<bool>("can_delete");
    QTest::newRow("sequence") << "img_sequence"
                              << "huoche_sequence"
                              << "顺序练习" << 1 << false;
    QTest::newRow("wrong answers") << "img_error"
                                   << "huoche_error"
                                   << "错题练习" << 2 << true;
}

void TestUnitList::main_menu_opens_the_unit_list() {
    QFETCH(QString, button);
    QFETCH(QString, table);
    QFETCH(QString, mode);
    QFETCH(bool, can_delete);
    Program program(1);  // the truck
    program.folder.set_practice_rows("huoche_error", 150);
    QPointer<MainControl> menu = new MainControl(*program.app);
    menu->show();
    click(box(menu, button));
    settle();

    QVERIFY(menu.isNull());
    const QList<StudyUnit*> lists = open_screens<StudyUnit>();
    QCOMPARE(lists.size(), 1);
    StudyUnit* list = lists[0];
    QCOMPARE(list->windowTitle(), product_title() + " 货车类 " + mode);
    QCOMPARE(list->table_name(), table);
    QTEST(list->tiles().count(), "tiles");
    QCOMPARE(box(list, "img_delete_error")->isVisible(), can_delete);
}

void TestUnitList::hover_and_restore() {
    Program program;
    StudyUnit* screen = program.unit_list(sequence, 600);
    PictureLoader& pictures = program.app->pictures();
    PictureBox* tile2 = box(screen, "img_unit_2");
    PictureBox* tile4 = box(screen, "img_unit_4");
    const QString normal = "imgs/unit_chapter.jpg", hover = "imgs/unit_chapter_move.jpg";

    QTest::mouseMove(tile2, QPoint(5, 5));
    QCOMPARE(tile2->picture_path(), hover);
    QCOMPARE(tile2->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(tile4, QPoint(5, 5));
    QCOMPARE(tile2->picture_path(), normal);
    QCOMPARE(tile4->picture_path(), hover);
    QCOMPARE(screen->tiles().hover_index(), 4);

    // Its own labels keep the tile's hover picture and show the hand.
    QTest::mouseMove(label(screen, "label_num_4"), QPoint(3, 3));
    QCOMPARE(tile4->picture_path(), hover);
    QCOMPARE(label(screen, "label_num_4")->cursor().shape(), Qt::BitmapCursor);

    // The background between the tiles restores it, and does so at every movement.
    QTest::mouseMove(screen, QPoint(5, 200));
    QCOMPARE(tile4->picture_path(), normal);
    const int loads = pictures.requests(normal);
    QTest::mouseMove(screen, QPoint(6, 200));
    QCOMPARE(pictures.requests(normal), loads + 1);

    PictureBox* clean = box(screen, "img_clean_record");
    QTest::mouseMove(clean, QPoint(5, 5));
    QCOMPARE(clean->picture_path(), QStringLiteral("imgs/btn_clean_record_move.jpg"));
    QCOMPARE(clean->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(screen, QPoint(5, px(9700)));  // beside the buttons, below the tiles
    QCOMPARE(clean->picture_path(), QStringLiteral("imgs/btn_clean_record.jpg"));
    QCOMPARE(box(screen, "img_delete_error")->picture_path(),
             QStringLiteral("imgs/btn_delete_error.jpg"));
}

void TestUnitList::clean_record() {
    Program program;
    program.folder.set_practice_rows(sequence, 250);
    program.folder.exec("UPDATE xiaoche_sequence SET type_answer = 2, answer = 'A' WHERE id < 120");
    program.folder.exec("UPDATE xiaoche_sequence SET position_prev = TRUE WHERE id = 57");
    StudyUnit* screen = program.unit_list(sequence);
    QCOMPARE(texts(screen, "label_num_not", 3), (QStringList{"0", "80", "50"}));

    // Asked first, naming the practice and how many answers go; 取消 changes nothing. Neither a
    // right nor a middle click is a click.
    QTest::mouseClick(box(screen, "img_clean_record"), Qt::RightButton, {}, QPoint(4, 4));
    QTest::mouseClick(box(screen, "img_clean_record"), Qt::MiddleButton, {}, QPoint(4, 4));
    QCOMPARE(program.messages.shown.size(), 0);
    click(box(screen, "img_clean_record"));
    QCOMPARE(program.messages.shown.size(), 1);
    const Message& question = program.messages.shown[0];
    QCOMPARE(question.kind, Message::Kind::confirm);
    QVERIFY2(question.text.contains(QStringLiteral("小车类 顺序练习")), qPrintable(question.text));
    QVERIFY2(question.text.contains(QStringLiteral("已作答的 120 道题")),
             qPrintable(question.text));
    QCOMPARE(program.count("SELECT count(*) FROM xiaoche_sequence WHERE type_answer <> 0"), 120);
    QCOMPARE(program.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev = TRUE"),
             QVariantList{57});
    QVERIFY(!label(screen, "label_clean_record")->isVisible());

    program.messages.answer = [](const Message&) { return true; };
    click(box(screen, "img_clean_record"));
    QCOMPARE(program.count(
                 "SELECT count(*) FROM xiaoche_sequence WHERE type_answer <> 0 OR answer <> ''"),
             0);
    QCOMPARE(program.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev = TRUE"),
             QVariantList{0});
    QCOMPARE(texts(screen, "label_num_not", 3), (QStringList{"100", "100", "50"}));

    TextLabel* note = label(screen, "label_clean_record");
    ManualTicker* timer = ticker(screen, "timer_clean_record");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("清除成功"));
    QCOMPARE(timer->interval(), 300);
    click(box(screen, "img_clean_record"));  // a second click starts the interval again
    QCOMPARE(timer->starts(), 2);
    QVERIFY(timer->fire());
    QVERIFY(!note->isVisible());
    QVERIFY(!timer->is_active());
}

void TestUnitList::failed_clean_record_keeps_the_table() {
    Program program;
    program.folder.set_practice_rows(sequence, 250);
    program.folder.exec("UPDATE xiaoche_sequence SET type_answer = 1, answer = 'B' WHERE id < 120");
    program.folder.exec("UPDATE xiaoche_sequence SET position_prev = TRUE WHERE id = 57");
    // The second statement of the reset fails after the first has run.
    program.folder.exec(
        "CREATE TRIGGER refuse BEFORE UPDATE OF position_prev ON xiaoche_sequence "
        "WHEN NEW.position_prev = 0 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    StudyUnit* screen = program.unit_list(sequence);

    QVERIFY_THROWS_EXCEPTION(AppError, screen->clean_record());
    QCOMPARE(program.count(
                 "SELECT count(*) FROM xiaoche_sequence WHERE type_answer = 1 AND answer = 'B'"),
             120);
    QCOMPARE(program.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev = TRUE"),
             QVariantList{57});
    QCOMPARE(texts(screen, "label_num_not", 3), (QStringList{"0", "80", "50"}));

    // From the button: agreed to, the reset fails; 取消 leaves the screen as it was, with no note.
    program.messages.answer = [](const Message& m) { return m.kind == Message::Kind::confirm; };
    click(box(screen, "img_clean_record"));
    QCOMPARE(program.messages.count(Message::Kind::retry), 1);
    QVERIFY(!label(screen, "label_clean_record")->isVisible());
    QCOMPARE(texts(screen, "label_num_not", 3), (QStringList{"0", "80", "50"}));
    QCOMPARE(program.count("SELECT count(*) FROM xiaoche_sequence WHERE type_answer = 1"), 120);
    QVERIFY(screen->isVisible());
}

void TestUnitList::delete_error_book() {
    Program program;
    program.folder.set_practice_rows("xiaoche_error", 150);
    StudyUnit* screen = new StudyUnit(*program.app);
    screen->init("xiaoche_error");
    screen->show_delete_error();
    screen->show();
    QVERIFY(!label(screen, "label_empty")->isVisible());

    click(box(screen, "img_delete_error"));  // answered 取消
    QCOMPARE(program.messages.count(Message::Kind::confirm), 1);
    QVERIFY2(program.messages.shown[0].text.contains(QStringLiteral("全部 150 道错题")),
             qPrintable(program.messages.shown[0].text));
    QCOMPARE(program.count("SELECT count(*) FROM xiaoche_error"), 150);
    QVERIFY(!label(screen, "label_empty")->isVisible());

    program.messages.answer = [](const Message&) { return true; };
    click(box(screen, "img_delete_error"));
    QVERIFY(label(screen, "label_empty")->isVisible());
    QVERIFY(label(screen, "label_empty")->text().startsWith(QStringLiteral("错题本中还没有题目")));
    QCOMPARE(program.count("SELECT count(*) FROM xiaoche_error"), 0);
    for (int i = 0; i < 2; ++i)
        for (const char* array : {"img_unit", "label_unit", "label_num", "label_num_not"})
            QVERIFY(!child(screen, QStringLiteral("%1_%2").arg(array).arg(i))->isVisible());
    TextLabel* note = label(screen, "label_delete_error");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("删除成功"));
    QCOMPARE(ticker(screen, "timer_delete_error")->interval(), 300);
    QVERIFY(ticker(screen, "timer_delete_error")->fire());
    QVERIFY(!note->isVisible());
    QVERIFY(screen->isVisible());
}

void TestUnitList::keys_move_open_and_go_back() {
    Program program;
    QPointer<StudyUnit> screen = program.unit_list(sequence, 1000);  // ten tiles, three columns
    QVERIFY(QTest::qWaitForWindowActive(screen));
    const TileList& tiles = screen->tiles();
    auto* ring = child(screen, "tile_focus");
    QVERIFY(!ring->isVisible());
    QTest::keyClick(screen, Qt::Key_Return);  // nothing has the ring yet
    QVERIFY(!screen.isNull());
    QTest::keyClick(screen, Qt::Key_Right);  // the first press shows it on tile 0
    QCOMPARE(tiles.focus_index(), 0);
    QVERIFY(ring->isVisible());
    QVERIFY(ring->geometry().contains(tiles.tile(0)->geometry()));
    QTest::keyClick(screen, Qt::Key_Left);
    QCOMPARE(tiles.focus_index(), 0);
    const std::pair<int, int> moves[] = {{Qt::Key_Down, 3}, {Qt::Key_Down, 6}, {Qt::Key_Right, 7},
                                         {Qt::Key_Down, 9},  // into the short last row
                                         {Qt::Key_Down, 9}, {Qt::Key_Up, 6},   {Qt::Key_Right, 7}};
    for (const auto& [key, index] : moves) {
        QTest::keyClick(screen, Qt::Key(key));
        QCOMPARE(tiles.focus_index(), index);
    }
    QVERIFY(ring->geometry().contains(tiles.tile(7)->geometry()));
    QTest::keyClick(screen, Qt::Key_Return);
    settle();
    QVERIFY(screen.isNull());
    QCOMPARE(open_screens<Study>().size(), 1);
    QCOMPARE(int(open_screens<Study>()[0]->first_id()), 700);

    QPointer<StudyUnit> again = program.unit_list(sequence);
    QVERIFY(QTest::qWaitForWindowActive(again));
    QTest::keyClick(again, Qt::Key_Escape);
    settle();
    QVERIFY(again.isNull());
    QCOMPARE(open_screens<MainControl>().size(), 1);
}

void TestUnitList::long_tables_scroll_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("12 units fit") << 1200 << false;
    QTest::newRow("13 units") << 1201 << true;
    QTest::newRow("more than 1700 rows") << 1850 << true;
}

// However long the table, every unit is shown and the last one can be brought into view and
// opened; a list that fits keeps its design positions.
void TestUnitList::long_tables_scroll() {
    QFETCH(int, rows);
    QFETCH(bool, scrolls);
    Program program;
    StudyUnit* screen = program.unit_list(sequence, rows);
    const int n = (rows + 99) / 100;
    const int last = n - 1;
    QCOMPARE(screen->tiles().count(), n);
    QCOMPARE(label(screen, QStringLiteral("label_unit_%1").arg(last))->text(), QString::number(n));
    QCOMPARE(label(screen, QStringLiteral("label_num_%1").arg(last))->text(),
             QString::number(rows - 100 * last));
    PictureBox* last_tile = box(screen, QStringLiteral("img_unit_%1").arg(last));
    QCOMPARE(last_tile->pos(),
             twips_rect(1110 + last % 3 * 4600, 390 + last / 3 * 2300, 0, 0).topLeft());

    auto* area = child<QScrollArea>(screen, "tile_area");
    QScrollBar* bar = area->verticalScrollBar();
    const QRect buttons = box(screen, "img_return")->geometry();
    QVERIFY(area->geometry().bottom() < buttons.top());
    QCOMPARE(bar->isVisible(), scrolls);
    if (scrolls) {
        QVERIFY(!area->viewport()->rect().contains(last_tile->geometry()));
        // The wheel turns the list even over a tile, which keeps every other pointer event.
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box(screen, "img_unit_0"), &wheel);
        QVERIFY(bar->value() > 0);
        bar->setValue(bar->maximum());
    }
    const QRect viewport(area->mapTo(screen, QPoint(0, 0)), area->viewport()->size());
    QVERIFY(viewport.contains(on_screen(last_tile)));
    for (const char* array : {"label_unit", "label_num", "label_num_not"})
        QVERIFY(viewport.contains(
            on_screen(child(screen, QStringLiteral("%1_%2").arg(array).arg(last)))));

    click(last_tile);
    settle();
    const QList<Study*> studies = open_screens<Study>();
    QCOMPARE(studies.size(), 1);
    QCOMPARE(int(studies[0]->first_id()), 100 * last);
    QCOMPARE(int(studies[0]->last_id()), rows - 1);
}

void TestUnitList::one_screen_per_click_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("opened");
    QTest::newRow("顺序练习") << "main_control"
                              << "img_sequence"
                              << "study_unit";
    QTest::newRow("错题练习") << "main_control"
                              << "img_error"
                              << "study_unit";
    QTest::newRow("切换车型") << "main_control"
                              << "img_type_car"
                              << "select_car";
    QTest::newRow("a category tile") << "select_car"
                                     << "img_select_car_2"
                                     << "main_control";
    QTest::newRow("a unit tile") << "study_unit"
                                 << "img_unit_0"
                                 << "study";
    QTest::newRow("a unit's label") << "study_unit"
                                    << "label_num_not_0"
                                    << "study";
    QTest::newRow("unit list 返回主页") << "study_unit"
                                        << "img_return"
                                        << "main_control";
    QTest::newRow("practice 返回主页") << "study"
                                       << "cmd_end"
                                       << "main_control";
}

// A quick double click queues its second click before the first is handled: the screen that the
// first click sends away must not act on the second.
void TestUnitList::one_screen_per_click() {
    QFETCH(QString, start);
    QFETCH(QString, control);
    QFETCH(QString, opened);
    Program program;
    program.folder.exec("CREATE TABLE writes (n INTEGER)");
    for (const char* table : {"car", "xiaoche_sequence"})
        program.folder.exec(QStringLiteral("CREATE TRIGGER count_%1 AFTER UPDATE ON %1 "
                                           "BEGIN INSERT INTO writes VALUES (1); END")
                                .arg(QLatin1String(table)));
    QWidget* screen = nullptr;
    if (start == "main_control") screen = new MainControl(*program.app);
    if (start == "study_unit") screen = program.unit_list(sequence);
    if (start == "select_car") {
        auto* s = new SelectCar(*program.app);
        s->init("car");
        screen = s;
    }
    if (start == "study") {
        auto* s = new Study(*program.app);
        s->init(sequence, 0, 11);
        screen = s;
    }
    screen->show();
    settle();

    queue_clicks(child(screen, control), 2);
    settle();
    QStringList open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) open << w->objectName();
    QCOMPARE(open, QStringList{opened});
    // Each save runs as one transaction of several updates; a second save would double them.
    const int writes = program.count("SELECT count(*) FROM writes");
    if (start == "study")
        QCOMPARE(writes, 12 + 1);
    else if (start == "select_car")
        QCOMPARE(writes, 2);
    else
        QCOMPARE(writes, 0);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    init_screens();
    TestUnitList test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_unit_list.moc"
