// The main menu and the licence category selection, driven as a learner drives them.
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "app/navigation.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/car_type.h"
#include "core/message.h"
#include "core/picture_box.h"
#include "core/twips.h"
#include "fixture.h"
#include "menu/main_control.h"
#include "menu/select_car.h"
#include "practice/study_unit.h"
#include "screen_helpers.h"

using namespace trelvo;
using namespace trelvo::test;

namespace {

void move_over(QWidget* w, QPoint at = {3, 3}) {
    QTest::mouseMove(w, at);
}

// A point of the screen's own background, clear of every control.
void move_over_background(QWidget* screen) {
    QTest::mouseMove(screen, QPoint(2, 2));
}

struct Program {
    test::ProgramFolder folder;
    std::unique_ptr<AppContext> app;
    int ended = 0;
    QList<QUrl> opened;
    bool open_succeeds = true;
    MessageLog messages;

    explicit Program(const QList<test::CarRow>& cars) {
        folder.paint_skins();
        folder.create_bank(cars);
        restart();
    }
    void restart() {
        app = std::make_unique<AppContext>(folder.path());
        install_navigation(*app);
        messages.install(*app);
        app->end_program = [this] { ++ended; };
        app->open_url = [this](const QUrl& url) {
            opened.append(url);
            return open_succeeds;
        };
    }
    ~Program() { close_all_screens(); }
    int selected_row() const {
        const QVariantList rows = folder.column("SELECT id FROM car WHERE is_selected = TRUE");
        return rows.size() == 1 ? rows[0].toInt() : -100 - int(rows.size());
    }
};

}  // namespace

class TestMenu final : public QObject {
    Q_OBJECT

  private slots:
    void init() { set_car_type(0); }
    void cleanup() { close_all_screens(); }

    void main_menu_shows_the_selected_category_data();
    void main_menu_shows_the_selected_category();
    void main_menu_geometry();
    void main_menu_without_a_selected_category_stops();
    void main_menu_hover_and_restore();
    void main_menu_missing_hover_picture_stops();
    void main_menu_buttons();
    void main_menu_keyboard();

    void category_tiles_four_rows();
    void category_tiles_five_rows_stay_clear_of_the_buttons();
    void category_hover_and_restore();
    void choosing_a_category_saves_it_and_returns();
    void returning_rewrites_the_same_selection();
    void failed_save_keeps_the_old_selection();
    void exit_saves_and_ends();
};

void TestMenu::main_menu_shows_the_selected_category_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::newRow("small car") << 0 << "小车类"
                               << "imgs/btn_type_xiaoche.jpg";
    QTest::newRow("truck") << 1 << "货车类"
                           << "imgs/btn_type_huoche.jpg";
    QTest::newRow("safe") << 3 << "安全文明驾驶常识类"
                          << "imgs/btn_type_safe.jpg";
}

void TestMenu::main_menu_shows_the_selected_category() {
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    Program program(test::four_categories(row));
    auto* menu = new MainControl(*program.app);
    menu->show();
    QCOMPARE(menu->windowTitle(), product_title() + " " + name);
    QCOMPARE(box(menu, "img_type_car")->picture_path(), picture);
    QCOMPARE(car_type_name(), name);
    QCOMPARE(box(menu, "img_exam")->picture_path(), QStringLiteral("imgs/btn_exam.jpg"));
    QVERIFY(!box(menu, "img_strong")->isVisible());
    QVERIFY(!label(menu, "label_qq")->isVisible());
    QCOMPARE(program.app->bank().times_opened(), 1);
}

void TestMenu::main_menu_geometry() {
    Program program(test::four_categories(0));
    auto* menu = new MainControl(*program.app);
    const struct {
        const char* name;
        int l, t, w, h;
    } expected[] = {
        {"img_title", 1110, 600, 2340, 525},     {"img_type_car", 1110, 2040, 1965, 765},
        {"img_sequence", 4680, 2040, 2535, 765}, {"img_chapter", 8640, 2040, 2535, 765},
        {"img_special", 4680, 3990, 2535, 765},  {"img_error", 8640, 3990, 2535, 765},
        {"img_exam", 8640, 6030, 2535, 765},     {"img_about", 8220, 8940, 1635, 465},
        {"img_exit", 10350, 8940, 1635, 465},    {"img_qq", 1110, 9045, 1215, 360},
        {"label_qq", 1110, 8640, 2715, 285},
    };
    for (const auto& e : expected) {
        auto* w = menu->findChild<QWidget*>(e.name);
        QVERIFY2(w != nullptr, e.name);
        QCOMPARE(w->geometry(), twips_rect(e.l, e.t, e.w, e.h));
    }
    QCOMPARE(menu->size(), QSize(px(14910), px(10140)));
    menu->close();
}

void TestMenu::main_menu_without_a_selected_category_stops() {
    Program program(test::four_categories(-1));
    try {
        new MainControl(*program.app);
        QFAIL("the main menu opened without a selected category");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QStringLiteral("题库中没有选定的驾照类型"));
    }
}

void TestMenu::main_menu_hover_and_restore() {
    Program program(test::four_categories(0));
    auto* menu = new MainControl(*program.app);
    menu->show();
    PictureLoader& pictures = program.app->pictures();
    SkinImages& skins = program.app->skins();
    PictureBox* exam = box(menu, "img_exam");

    // Every movement over a button loads its hover picture again, with the hand cursor.
    for (int i = 1; i <= 3; ++i) {
        move_over(exam, QPoint(3 + i, 3));
        QCOMPARE(pictures.requests("imgs/btn_exam_move.jpg"), i);
    }
    QCOMPARE(exam->picture_path(), QStringLiteral("imgs/btn_exam_move.jpg"));
    QCOMPARE(exam->cursor().shape(), Qt::BitmapCursor);

    // Jumping straight onto another control restores it too, from the cache.
    move_over(box(menu, "img_sequence"));
    QCOMPARE(exam->picture_path(), QStringLiteral("imgs/btn_exam.jpg"));
    QCOMPARE(box(menu, "img_sequence")->picture_path(),
             QStringLiteral("imgs/btn_sequence_move.jpg"));
    // So does leaving the window.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(menu, &leave);
    QCOMPARE(box(menu, "img_sequence")->picture_path(), QStringLiteral("imgs/btn_sequence.jpg"));
    move_over(exam);
    move_over_background(menu);
    QCOMPARE(exam->picture_path(), QStringLiteral("imgs/btn_exam.jpg"));
    QCOMPARE(box(menu, "img_sequence")->picture_path(), QStringLiteral("imgs/btn_sequence.jpg"));
    QCOMPARE(pictures.file_reads("imgs/btn_exam.jpg"), 1);
    QCOMPARE(exam->picture().cacheKey(), skins.cached_picture(SkinImages::exam).cacheKey());

    // Only the current category's slot was ever filled.
    QVERIFY(skins.is_filled(SkinImages::type_xiaoche));
    QVERIFY(!skins.is_filled(SkinImages::type_huoche));

    // The category button hovers with its own category's picture.
    move_over(box(menu, "img_type_car"));
    QCOMPARE(box(menu, "img_type_car")->picture_path(),
             QStringLiteral("imgs/btn_type_xiaoche_move.jpg"));

    // The contact button shows its hint while the pointer is over it.
    move_over(box(menu, "img_qq"));
    QVERIFY(label(menu, "label_qq")->isVisible());
    QCOMPARE(box(menu, "img_qq")->picture_path(), QStringLiteral("imgs/qq_move.jpg"));
    move_over_background(menu);
    QVERIFY(!label(menu, "label_qq")->isVisible());
    QCOMPARE(box(menu, "img_qq")->picture_path(), QStringLiteral("imgs/qq.jpg"));
    QCOMPARE(box(menu, "img_type_car")->picture_path(),
             QStringLiteral("imgs/btn_type_xiaoche.jpg"));
}

void TestMenu::main_menu_missing_hover_picture_stops() {
    Program program(test::four_categories(0));
    program.folder.remove("imgs/btn_about_move.jpg");
    auto* menu = new MainControl(*program.app);
    menu->show();
    QVERIFY_THROWS_EXCEPTION(AppError, move_over(box(menu, "img_about")));
}

void TestMenu::main_menu_buttons() {
    Program program(test::four_categories(0));
    auto* menu = new MainControl(*program.app);
    menu->show();

    // The contact address goes to the desktop; when nothing there can open it, the learner is
    // shown the address to copy and the menu stays.
    click(box(menu, "img_qq"));
    QCOMPARE(program.opened, QList<QUrl>{feedback_address()});
    QVERIFY(program.messages.shown.isEmpty());
    program.open_succeeds = false;
    click(box(menu, "img_qq"));
    QCOMPARE(program.opened.size(), 2);
    QCOMPARE(program.messages.shown.size(), 1);
    QCOMPARE(program.messages.shown[0].copyable, QStringLiteral("feedback@trelvo.example"));
    QVERIFY(program.messages.shown[0].text.contains(QStringLiteral("意见反馈")));
    QVERIFY(menu->isVisible());

    // The category button replaces the menu with the category selection.
    QPointer<MainControl> old_menu = menu;
    click(box(menu, "img_type_car"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old_menu.isNull());
    QCOMPARE(open_screens<SelectCar>().size(), 1);
    QCOMPARE(open_screens<SelectCar>()[0]->windowTitle(), QStringLiteral(" 车型选择"));
    QCOMPARE(open_screens<MainControl>().size(), 0);

    // Exit closes the menu and ends the program.
    auto* second = new MainControl(*program.app);
    second->show();
    click(box(second, "img_exit"));
    QCOMPARE(program.ended, 1);
    QCOMPARE(open_screens<MainControl>().size(), 0);
}

void TestMenu::main_menu_keyboard() {
    Program program(test::four_categories(0));
    QPointer<MainControl> menu = new MainControl(*program.app);
    menu->show();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    // Tab walks the buttons in reading order, round and round.
    const QStringList expected = {"img_type_car", "img_sequence", "img_chapter",
                                  "img_special",  "img_error",    "img_exam",
                                  "img_about",    "img_exit",     "img_qq"};
    QStringList seen;
    for (int i = 0; i < 2 * int(expected.size()); ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : menu.data(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    const int first = int(seen.indexOf("img_type_car"));
    QVERIFY(first >= 0);
    QCOMPARE(seen.mid(first, expected.size()), expected);
    // Enter opens the button with the ring.
    while (QApplication::focusWidget()->objectName() != QLatin1String("img_sequence"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(menu.isNull());
    QCOMPARE(open_screens<StudyUnit>().size(), 1);
}

void TestMenu::category_tiles_four_rows() {
    Program program({{0}, {1}, {3}, {5, true}});
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    screen->show();
    QCOMPARE(screen->entry_count(), 4);
    QCOMPARE(screen->selected_index(), 3);
    const int num_offsets[] = {0, 0, 250, 1400};
    const char* prefixes[] = {"xiaoche", "huoche", "motuoche", "safe"};
    for (int i = 0; i < 4; ++i) {
        const int dy = 2000 * i;
        PictureBox* tile = box(screen, QStringLiteral("img_select_car_%1").arg(i));
        QCOMPARE(tile->geometry(), twips_rect(4110, 870 + dy, 6705, 1260));
        QCOMPARE(label(screen, QStringLiteral("label_select_car_title_%1").arg(i))->geometry(),
                 twips_rect(6540, 1140 + dy, 4095, 375));
        QCOMPARE(label(screen, QStringLiteral("label_select_car_detail_%1").arg(i))->geometry(),
                 twips_rect(6540, 1680 + dy, 4095, 435));
        TextLabel* num = label(screen, QStringLiteral("label_num_%1").arg(i));
        QCOMPARE(num->geometry(), twips_rect(7530 + num_offsets[i], 1140 + dy, 735, 375));
        QCOMPARE(num->text(), QStringLiteral("12"));
        const QString state = i == 3 ? "selected_move_" : "not_selected_";
        QCOMPARE(tile->picture_path(), "imgs/select_car_" + state + prefixes[i] + ".jpg");
    }
    QCOMPARE(label(screen, "label_select_car_title_2")->text(), QStringLiteral("摩托车类"));
    QCOMPARE(label(screen, "label_select_car_detail_1")->text(), QStringLiteral("货车类的说明"));
}

void TestMenu::category_tiles_five_rows_stay_clear_of_the_buttons() {
    Program program({{0, true}, {1}, {2}, {3}, {5}});
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    QCOMPARE(screen->entry_count(), 5);
    const QRect buttons = box(screen, "img_return")->geometry();
    QRect previous;
    for (int i = 0; i < 5; ++i) {
        const QRect tile = box(screen, QStringLiteral("img_select_car_%1").arg(i))->geometry();
        QCOMPARE(tile.left(), px(4110));
        QCOMPARE(tile.size(), twips_rect(0, 0, 6705, 1260).size());
        QVERIFY(!tile.intersects(previous));
        QVERIFY2(tile.bottom() < buttons.top(), qPrintable(QStringLiteral("tile %1").arg(i)));
        previous = tile;
    }
    QCOMPARE(label(screen, "label_select_car_title_4")->text(),
             QStringLiteral("安全文明驾驶常识类"));
    screen->close();
}

void TestMenu::category_hover_and_restore() {
    Program program(test::four_categories(2));
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    screen->show();
    PictureBox* tile1 = box(screen, "img_select_car_1");
    PictureBox* tile2 = box(screen, "img_select_car_2");

    move_over(tile1);
    QCOMPARE(tile1->picture_path(), QStringLiteral("imgs/select_car_not_selected_move_huoche.jpg"));
    QCOMPARE(screen->hover_index(), 1);
    // The labels of a tile hover the tile itself.
    move_over(label(screen, "label_num_2"));
    QCOMPARE(tile2->picture_path(), QStringLiteral("imgs/select_car_selected_move_keche.jpg"));
    QCOMPARE(screen->hover_index(), 2);
    QCOMPARE(label(screen, "label_num_2")->cursor().shape(), Qt::BitmapCursor);

    // The background restores the last hovered tile once.
    move_over_background(screen);
    QCOMPARE(tile2->picture_path(), QStringLiteral("imgs/select_car_selected_keche.jpg"));
    QVERIFY(screen->hover_restored());
    const int requests = program.app->pictures().requests("imgs/select_car_selected_keche.jpg");
    move_over_background(screen);
    QCOMPARE(program.app->pictures().requests("imgs/select_car_selected_keche.jpg"), requests);
    // Tile 1 kept its hover picture: it was left for another control, not for the background.
    QCOMPARE(tile1->picture_path(), QStringLiteral("imgs/select_car_not_selected_move_huoche.jpg"));

    move_over(box(screen, "img_return"));
    QCOMPARE(box(screen, "img_return")->picture_path(), QStringLiteral("imgs/btn_return_move.jpg"));
    move_over_background(screen);
    QCOMPARE(box(screen, "img_return")->picture_path(), QStringLiteral("imgs/btn_return.jpg"));
}

void TestMenu::choosing_a_category_saves_it_and_returns() {
    Program program(test::four_categories(0));
    auto* menu = new MainControl(*program.app);
    menu->show();
    click(box(menu, "img_type_car"));
    SelectCar* screen = open_screens<SelectCar>().value(0);
    QVERIFY(screen != nullptr);

    click(box(screen, "img_select_car_2"));  // the bus
    QCOMPARE(program.selected_row(), 2);
    QCOMPARE(get_car_type(), CarType(2));
    QCOMPARE(open_screens<SelectCar>().size(), 0);
    const QList<MainControl*> menus = open_screens<MainControl>();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->windowTitle(), product_title() + QStringLiteral(" 客车类"));
    QCOMPARE(box(menus[0], "img_type_car")->picture_path(),
             QStringLiteral("imgs/btn_type_keche.jpg"));
    cleanup();

    // The choice survives a restart.
    set_car_type(0);
    program.restart();
    auto* after_restart = new MainControl(*program.app);
    QCOMPARE(after_restart->windowTitle(), product_title() + QStringLiteral(" 客车类"));
    after_restart->close();
}

void TestMenu::returning_rewrites_the_same_selection() {
    Program program(test::four_categories(3));
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    screen->show();
    move_over(box(screen, "img_select_car_0"));
    // Clicking the selected tile again changes no picture and still saves and returns.
    click(box(screen, "img_select_car_3"));
    QCOMPARE(program.selected_row(), 3);
    QCOMPARE(open_screens<MainControl>().size(), 1);
    cleanup();

    auto* again = new SelectCar(*program.app);
    again->init("car");
    again->show();
    move_over(box(again, "img_select_car_1"));
    click(box(again, "img_return"));
    QCOMPARE(program.selected_row(), 3);
    QCOMPARE(open_screens<MainControl>().size(), 1);
}

void TestMenu::failed_save_keeps_the_old_selection() {
    Program program(test::four_categories(1));
    // Make the second statement of the save fail.
    program.folder.exec(
        "CREATE TRIGGER refuse BEFORE UPDATE OF is_selected ON car WHEN NEW.is_selected = 1 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    QVERIFY_THROWS_EXCEPTION(AppError, screen->save_selection());
    QCOMPARE(program.selected_row(), 1);

    // Chosen on the screen: the learner is asked, and 取消 stays on the category list.
    screen->show();
    click(box(screen, "img_select_car_2"));
    QCOMPARE(program.messages.count(Message::Kind::retry), 1);
    QCOMPARE(open_screens<SelectCar>(), QList<SelectCar*>{screen});
    QCOMPARE(open_screens<MainControl>().size(), 0);
    QCOMPARE(program.selected_row(), 1);
    // 重试 once the cause is gone saves the choice and goes back.
    program.messages.answer = [&](const Message&) {
        program.folder.exec("DROP TRIGGER refuse");
        return true;
    };
    click(box(screen, "img_select_car_2"));
    QCOMPARE(program.messages.count(Message::Kind::retry), 2);
    QCOMPARE(program.selected_row(), 2);
    QCOMPARE(open_screens<SelectCar>().size(), 0);
    QCOMPARE(open_screens<MainControl>().size(), 1);
}

void TestMenu::exit_saves_and_ends() {
    Program program(test::four_categories(0));
    auto* screen = new SelectCar(*program.app);
    screen->init("car");
    screen->show();
    click(box(screen, "img_exit"));
    QCOMPARE(program.ended, 1);
    QCOMPARE(program.selected_row(), 0);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    init_screens();
    TestMenu test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_menu.moc"
