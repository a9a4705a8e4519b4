// Chapter selection, special-topic selection and the about screen, driven as a learner drives them.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/navigation.h"
#include "core/app_context.h"
#include "core/application.h"
#include "core/bank_schema.h"
#include "core/car_type.h"
#include "core/message.h"
#include "core/picture_box.h"
#include "core/twips.h"
#include "fixture.h"
#include "info/about.h"
#include "menu/main_control.h"
#include "practice/select_chapter.h"
#include "practice/select_special.h"
#include "practice/study.h"
#include "practice/study_unit.h"
#include "practice/tile_list.h"
#include "screen_helpers.h"

using namespace trelvo;
using namespace trelvo::test;

namespace {

// The notices the screens gave, instead of message boxes.
QList<Message> messages;

void settle() {
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The rectangle a widget covers on its screen, after any scrolling.
QRect on_screen(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

QStringList texts(QObject* screen, const QString& array, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << label(screen, QStringLiteral("%1_%2").arg(array).arg(i))->text();
    return out;
}

// One row of a chapter or topic list: its text, its practice table (a Null QVariant for a Null
// column), and, when the table is to exist, its size and how many rows are answered.
struct Entry {
    QVariant title;
    QVariant table;
    int rows = 0;
    int answered = 0;
    bool make_table = true;
};

struct Program {
    ProgramFolder folder;
    std::unique_ptr<AppContext> app;
    int ended = 0;
    QList<QUrl> opened;
    bool open_succeeds = true;

    explicit Program(int selected_row = 0) {
        folder.paint_skins();
        folder.create_bank(four_categories(selected_row));
        app = std::make_unique<AppContext>(folder.path());
        app->show_message = [](QWidget*, const Message& m) {
            messages.append(m);
            return false;
        };
        install_navigation(*app);
        app->end_program = [this] { ++ended; };
        app->open_url = [this](const QUrl& url) {
            opened.append(url);
            return open_succeeds;
        };
    }

    // Replaces a list's rows. Chapters are stored in reverse order of their chapter_id, so that
    // only the ORDER BY shows them in order; topics keep their stored order.
    void fill_list(const QString& list, const QList<Entry>& entries) const {
        const bool chapters = list.endsWith(QLatin1String("_chapter"));
        folder.exec(QStringLiteral("DELETE FROM %1").arg(list));
        for (int i = int(entries.size()) - 1; i >= 0; --i) {
            const int k = chapters ? i : int(entries.size()) - 1 - i;
            const Entry& e = entries[k];
            if (chapters)
                folder.exec(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?)").arg(list),
                            {10 * (k + 1), e.title, e.table});
            else
                folder.exec(QStringLiteral("INSERT INTO %1 VALUES (?, ?)").arg(list),
                            {e.title, e.table});
        }
        for (const Entry& e : entries) {
            if (!e.make_table || e.table.isNull()) continue;
            const QString table = e.table.toString();
            folder.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
            folder.exec(bank_schema::practice_table(table));
            folder.set_practice_rows(table, e.rows);
            folder.exec(QStringLiteral("UPDATE %1 SET type_answer = 2, answer = 'A' WHERE id < %2")
                            .arg(table)
                            .arg(e.answered));
        }
    }

    // n entries, entry i with i + 1 questions of which i / 2 are answered.
    void fill_list(const QString& list, int n) const {
        QList<Entry> entries;
        for (int i = 0; i < n; ++i)
            entries.append({QStringLiteral("条目%1").arg(i + 1),
                            QStringLiteral("%1_t%2").arg(list).arg(i), i + 1, i / 2});
        fill_list(list, entries);
    }

    SelectionScreen* open_list(const QString& kind, const QString& list) {
        SelectionScreen* screen = nullptr;
        if (kind == QLatin1String("chapter")) {
            auto* s = new SelectChapter(*app);
            s->setWindowTitle(QStringLiteral("菜单 章节练习"));
            s->init(list);
            screen = s;
        } else {
            auto* s = new SelectSpecial(*app);
            s->setWindowTitle(QStringLiteral("菜单 专项练习"));
            s->init(list);
            screen = s;
        }
        screen->show();
        settle();
        return screen;
    }
};

QString tile_array(const QString& kind) {
    return kind == QLatin1String("chapter") ? QStringLiteral("img_select_chapter")
                                            : QStringLiteral("img_select_special");
}

}  // namespace

class TestLists final : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        set_car_type(0);
        messages.clear();
    }
    void cleanup() {
        close_all_screens();
        settle();
    }

    void layout_data();
    void layout();
    void counts_and_order_data();
    void counts_and_order();
    void caption_names_the_clicked_entry_data();
    void caption_names_the_clicked_entry();
    void broken_rows_show_and_cannot_be_opened();
    void buttons_hover_return_and_exit();
    void main_menu_opens_the_lists_data();
    void main_menu_opens_the_lists();
    void practice_there_changes_the_count_data();
    void practice_there_changes_the_count();

    void about_texts_and_geometry();
    void about_panel_loads_once_per_entry();
    void about_opens_the_guide();
    void open_address_refuses_and_explains_data();
    void open_address_refuses_and_explains();
    void about_return_and_exit();
    void guide_is_in_the_program_folder();
};

void TestLists::layout_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("car_type");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("left");  // tile 0
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("0 chapters") << "chapter" << 0 << 0 << 1 << 4830 << 1230 << false;
    QTest::newRow("1 chapter") << "chapter" << 0 << 1 << 1 << 4830 << 1230 << false;
    QTest::newRow("4 chapters, one column") << "chapter" << 0 << 4 << 1 << 4830 << 1230 << false;
    QTest::newRow("9 chapters, one column") << "chapter" << 0 << 9 << 1 << 4830 << 1230 << true;
    QTest::newRow("7 chapters, two columns") << "chapter" << 5 << 7 << 2 << 930 << 1230 << false;
    QTest::newRow("8 chapters, two columns") << "chapter" << 5 << 8 << 2 << 930 << 1230 << false;
    QTest::newRow("9 chapters, two columns") << "chapter" << 5 << 9 << 2 << 930 << 1230 << true;
    QTest::newRow("12 chapters, two columns") << "chapter" << 5 << 12 << 2 << 930 << 1230 << true;
    QTest::newRow("0 topics") << "special" << 0 << 0 << 3 << 960 << 570 << false;
    QTest::newRow("4 topics") << "special" << 0 << 4 << 3 << 960 << 570 << false;
    QTest::newRow("12 topics") << "special" << 0 << 12 << 3 << 960 << 570 << false;
    QTest::newRow("13 topics") << "special" << 0 << 13 << 3 << 960 << 570 << true;
    QTest::newRow("20 topics") << "special" << 5 << 20 << 3 << 960 << 570 << true;
}

// Tiles by column and row pitch from tile 0; every one can be brought into view clear of the
// buttons, and an empty list says why it is empty.
void TestLists::layout() {
    QFETCH(QString, kind);
    QFETCH(int, car_type);
    QFETCH(int, n);
    QFETCH(int, columns);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, scrolls);
    Program program(car_type == 5 ? 3 : 0);
    set_car_type(CarType(car_type));
    const QString list = table_prefix(CarType(car_type)) + QLatin1Char('_') + kind;
    program.fill_list(list, n);
    SelectionScreen* screen = program.open_list(kind, list);
    const TileListLayout layout =
        kind == "chapter" ? chapter_list_tiles(CarType(car_type)) : special_list_tiles();

    QCOMPARE(screen->size(), QSize(px(14910), px(10140)));
    QCOMPARE(screen->tiles().count(), n);
    QCOMPARE(label(screen, "label_empty")->isVisible(), n == 0);
    QCOMPARE(box(screen, tile_array(kind) + "_0")->isVisible(), n > 0);
    const bool chapter = kind == "chapter";
    QCOMPARE(box(screen, "img_return")->geometry(),
             chapter ? twips_rect(10350, 9300, 1755, 495) : twips_rect(10050, 9210, 1755, 495));
    QCOMPARE(box(screen, "img_exit")->geometry(),
             chapter ? twips_rect(12690, 9300, 1755, 495) : twips_rect(12390, 9210, 1755, 495));

    auto* area = child<QScrollArea>(screen, "tile_area");
    QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);
    const QRect buttons = box(screen, "img_return")->geometry();
    for (int i = 0; i < n; ++i) {
        PictureBox* tile = box(screen, QStringLiteral("%1_%2").arg(tile_array(kind)).arg(i));
        QCOMPARE(tile->pos(),
                 twips_rect(left + i % columns * layout.dx, top + i / columns * layout.dy, 0, 0)
                     .topLeft());
        area->ensureWidgetVisible(tile, 0, 0);
        const QRect shown = on_screen(tile);
        QVERIFY2(shown.bottom() < buttons.top() && shown.top() >= 0,
                 qPrintable(QStringLiteral("tile %1 at %2").arg(i).arg(shown.top())));
        QVERIFY(shown.right() < screen->width());
        QCOMPARE(screen->childAt(shown.topLeft() + QPoint(3, 3)), tile);
    }
    if (chapter && n > 0) {
        QCOMPARE(label(screen, QStringLiteral("label_index_%1").arg(n - 1))->text(),
                 QString::number(n));
        // A number is made smaller only as far as it must to fit: one digit stays near the design
        // size, and a longer number is never drawn larger than a shorter one.
        const double first = label(screen, "label_index_0")->drawn_font().pointSizeF();
        QVERIFY2(first >= 18 && first <= 21.75, qPrintable(QString::number(first)));
        QVERIFY(label(screen, QStringLiteral("label_index_%1").arg(n - 1))
                    ->drawn_font()
                    .pointSizeF() <= first);
    }
    // No text of a tile is cut off at its label's edge, two-digit chapter numbers included.
    for (TextLabel* l : child(screen, "tile_content")->findChildren<TextLabel*>()) {
        if (!l->isVisible()) continue;
        const int needed = QFontMetrics(l->drawn_font()).horizontalAdvance(l->text());
        QVERIFY2(needed <= l->width(), qPrintable(QStringLiteral("%1 \"%2\": %3 px in %4")
                                                      .arg(l->objectName(), l->text())
                                                      .arg(needed)
                                                      .arg(l->width())));
    }
}

void TestLists::counts_and_order_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("chapters by chapter_id") << "chapter" << QStringList{"甲章", "乙章", "丙章"};
    QTest::newRow("topics in stored order")
        << "special" << QStringList{"判断题", "图片题", "动画题"};
}

// Each entry shows its text, its table's size and how many of its questions are unanswered.
void TestLists::counts_and_order() {
    QFETCH(QString, kind);
    QFETCH(QStringList, titles);
    Program program;
    const QString list = "xiaoche_" + kind;
    program.fill_list(list, {{titles[0], list + "_a", 12, 12},
                             {titles[1], list + "_b", 250, 7},
                             {titles[2], list + "_c", 3, 0}});
    SelectionScreen* screen = program.open_list(kind, list);
    const QString text_array = kind == "chapter" ? "lable_select_chapter" : "label_title";
    QCOMPARE(texts(screen, text_array, 3), titles);
    QCOMPARE(texts(screen, "label_num_total", 3), (QStringList{"12", "250", "3"}));
    QCOMPARE(texts(screen, "label_num_not", 3), (QStringList{"0", "243", "3"}));
    if (kind == "chapter") QCOMPARE(texts(screen, "label_index", 3), (QStringList{"1", "2", "3"}));
    QCOMPARE(label(screen, "label_num_not_1")->color(), QColor(255, 0, 0));
}

void TestLists::caption_names_the_clicked_entry_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("hovered");  // the tile whose picture the pointer passed over last
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("chapter label, another tile hovered")
        << "chapter" << 4 << 0 << "label_num_total_2" << 2 << "第3章节";
    QTest::newRow("chapter tile") << "chapter" << 4 << 3 << "img_select_chapter_3" << 3
                                  << "第4章节";
    QTest::newRow("seventh chapter") << "chapter" << 8 << 0 << "label_index_6" << 6 << "第7章节";
    QTest::newRow("ninth chapter")
        << "chapter" << 9 << 0 << "lable_select_chapter_8" << 8 << "第9章节";
    QTest::newRow("topic label, another tile hovered")
        << "special" << 5 << 4 << "label_num_not_1" << 1 << "条目2";
    QTest::newRow("topic title") << "special" << 5 << 0 << "label_title_4" << 4 << "条目5";
}

// The unit list is captioned and filled by the entry that was clicked.
void TestLists::caption_names_the_clicked_entry() {
    QFETCH(QString, kind);
    QFETCH(int, n);
    QFETCH(int, hovered);
    QFETCH(QString, clicked);
    QFETCH(int, entry);
    Program program;
    const QString list = "xiaoche_" + kind;
    program.fill_list(list, n);
    QPointer<SelectionScreen> screen = program.open_list(kind, list);
    QTest::mouseMove(box(screen, QStringLiteral("%1_%2").arg(tile_array(kind)).arg(hovered)),
                     QPoint(5, 5));
    QWidget* target = child(screen, clicked);
    child<QScrollArea>(screen, "tile_area")->ensureWidgetVisible(target);
    click(target, QPoint(2, 2));
    settle();

    QVERIFY(screen.isNull());
    const QList<StudyUnit*> lists = open_screens<StudyUnit>();
    QCOMPARE(lists.size(), 1);
    QFETCH(QString, suffix);
    const QString menu_caption = kind == "chapter" ? "菜单 章节练习" : "菜单 专项练习";
    QCOMPARE(lists[0]->windowTitle(), menu_caption + " " + suffix);
    QCOMPARE(lists[0]->table_name(), QStringLiteral("%1_t%2").arg(list).arg(entry));
    QCOMPARE(lists[0]->tiles().count(), 1);
}

// A Null text shows empty; a Null or missing table shows zero counts, and a click on it says why
// it cannot be practised instead of stopping the program.
void TestLists::broken_rows_show_and_cannot_be_opened() {
    Program program;
    program.fill_list("xiaoche_chapter", {{QVariant(), "xiaoche_chapter_a", 5, 1},
                                          {"无表名", QVariant(), 0, 0},
                                          {"表不存在", "gone", 0, 0, false},
                                          {"正常", "xiaoche_chapter_d", 2, 0}});
    QPointer<SelectionScreen> screen = program.open_list("chapter", "xiaoche_chapter");
    QCOMPARE(screen->tiles().count(), 4);
    QCOMPARE(texts(screen, "lable_select_chapter", 4),
             (QStringList{"", "无表名", "表不存在", "正常"}));
    QCOMPARE(texts(screen, "label_num_total", 4), (QStringList{"5", "0", "0", "2"}));
    QCOMPARE(texts(screen, "label_num_not", 4), (QStringList{"4", "0", "0", "2"}));

    click(box(screen, "img_select_chapter_2"));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].text.contains(QStringLiteral("“gone”")));
    click(label(screen, "label_index_1"));
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[1].text.contains(QStringLiteral("没有设置练习表")));
    settle();
    QVERIFY(!screen.isNull() && screen->isVisible());
    QVERIFY(open_screens<StudyUnit>().isEmpty());

    // The entry with a Null text but a table is practised as usual.
    click(box(screen, "img_select_chapter_0"));
    settle();
    QCOMPARE(open_screens<StudyUnit>().value(0)->table_name(), QStringLiteral("xiaoche_chapter_a"));
}

void TestLists::buttons_hover_return_and_exit() {
    Program program;
    SelectionScreen* screen = program.open_list("special", "xiaoche_special");
    PictureBox* back = box(screen, "img_return");
    QTest::mouseMove(back, QPoint(5, 5));
    QCOMPARE(back->picture_path(), QStringLiteral("imgs/btn_return_move.jpg"));
    QCOMPARE(back->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(box(screen, "img_select_special_0"), QPoint(5, 5));
    QCOMPARE(box(screen, "img_select_special_0")->picture_path(),
             QStringLiteral("imgs/select_special_move.jpg"));
    QTest::mouseMove(screen, QPoint(5, px(9800)));
    QCOMPARE(back->picture_path(), QStringLiteral("imgs/btn_return.jpg"));
    QCOMPARE(box(screen, "img_select_special_0")->picture_path(),
             QStringLiteral("imgs/select_special.jpg"));

    click(box(screen, "img_exit"));
    QCOMPARE(program.ended, 1);
    QPointer<SelectionScreen> chapters = program.open_list("chapter", "xiaoche_chapter");
    click(box(chapters, "img_return"));
    settle();
    QVERIFY(chapters.isNull());
    QCOMPARE(open_screens<MainControl>().size(), 1);
}

void TestLists::main_menu_opens_the_lists_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("table");
    QTest::newRow("truck chapters") << 1 << "img_chapter"
                                    << " Trelvo驾考软件 v2013.03 货车类 章节练习"
                                    << "huoche_chapter";
    QTest::newRow("safe-driving topics") << 3 << "img_special"
                                         << " Trelvo驾考软件 v2013.03 安全文明驾驶常识类 专项练习"
                                         << "safe_special";
}

void TestLists::main_menu_opens_the_lists() {
    QFETCH(int, row);
    QFETCH(QString, button);
    Program program(row);
    QPointer<MainControl> menu = new MainControl(*program.app);
    menu->show();
    click(box(menu, button));
    settle();
    QVERIFY(menu.isNull());
    QList<SelectionScreen*> screens = open_screens<SelectionScreen>();
    QCOMPARE(screens.size(), 1);
    QTEST(screens[0]->windowTitle(), "caption");
    QFETCH(QString, table);
    if (auto* c = qobject_cast<SelectChapter*>(screens[0])) QCOMPARE(c->table_name(), table);
    if (auto* s = qobject_cast<SelectSpecial*>(screens[0])) QCOMPARE(s->table_name(), table);
    QCOMPARE(screens[0]->entries().size(), 1);
}

void TestLists::practice_there_changes_the_count_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("wrong_answer");
    QTest::addColumn<QString>("caption_end");
    QTest::newRow("chapter") << "img_chapter"
                             << "img_select_chapter_0"
                             << "xiaoche_chapter_1"
                             << "cmd_single_a"
                             << "章节练习 第1章节 第1单元";
    QTest::newRow("topic") << "img_special"
                           << "img_select_special_0"
                           << "xiaoche_special_1"
                           << "cmd_single_y"
                           << "专项练习 判断题 第1单元";
}

// From the main menu down to a practice run on the entry's own table and back: the list then
// shows one question fewer unanswered.
void TestLists::practice_there_changes_the_count() {
    QFETCH(QString, button);
    QFETCH(QString, tile);
    QFETCH(QString, table);
    Program program;
    const int before = program.folder.scalar("SELECT count(*) FROM " + table).toInt();
    auto* menu = new MainControl(*program.app);
    menu->show();
    click(box(menu, button));
    settle();
    SelectionScreen* list = open_screens<SelectionScreen>().value(0);
    QVERIFY(list != nullptr);
    QCOMPARE(label(list, "label_num_not_0")->text(), QString::number(before));
    click(box(list, tile));
    settle();
    click(box(open_screens<StudyUnit>().value(0), "img_unit_0"));
    settle();
    Study* study = open_screens<Study>().value(0);
    QVERIFY(study != nullptr);
    QFETCH(QString, caption_end);
    QVERIFY2(study->windowTitle().endsWith(caption_end), qPrintable(study->windowTitle()));
    QCOMPARE(study->table_name(), table);
    QFETCH(QString, wrong_answer);
    click(box(study, wrong_answer));
    click(box(study, "cmd_end"));
    settle();
    QCOMPARE(
        program.folder.scalar("SELECT count(*) FROM " + table + " WHERE type_answer = 2").toInt(),
        1);

    MainControl* again = open_screens<MainControl>().value(0);
    QVERIFY(again != nullptr);
    click(box(again, button));
    settle();
    QCOMPARE(label(open_screens<SelectionScreen>().value(0), "label_num_not_0")->text(),
             QString::number(before - 1));
}

void TestLists::about_texts_and_geometry() {
    Program program(1);
    auto* menu = new MainControl(*program.app);
    menu->show();
    click(box(menu, "img_about"));
    settle();
    About* about = open_screens<About>().value(0);
    QVERIFY(about != nullptr);
    QCOMPARE(open_screens<MainControl>().size(), 0);
    // No category in the caption.
    QCOMPARE(about->windowTitle(), product_title() + QStringLiteral(" 关于软件"));
    QCOMPARE(about->size(), QSize(px(14910), px(10140)));

    const struct {
        const char* name;
        int l, t, w, h;
    } expected[] = {
        {"img_about", 1680, 1620, 11385, 5835},    {"label_about_0", 2130, 1980, 2325, 465},
        {"label_about_1", 2130, 2610, 9075, 1185}, {"label_about_2", 2130, 4560, 2325, 465},
        {"label_about_3", 2130, 5220, 9075, 1485}, {"img_return", 10170, 9000, 1755, 495},
        {"img_exit", 12510, 9000, 1755, 495},
    };
    for (const auto& e : expected)
        QCOMPARE(child(about, e.name)->geometry(), twips_rect(e.l, e.t, e.w, e.h));
    QCOMPARE(box(about, "img_about")->picture_path(), QStringLiteral("imgs/about.jpg"));
    QCOMPARE(label(about, "label_about_0")->text(), QStringLiteral("软件说明："));
    QCOMPARE(label(about, "label_about_2")->text(), QStringLiteral("联系方式："));
    QCOMPARE(label(about, "label_about_0")->color(), QColor(0, 0, 0x80));
    QCOMPARE(label(about, "label_about_1")->text(),
             QStringLiteral("本软件为一款驾考系统，适合多种类型驾照考生进行理论学习"));
    const QStringList contact = label(about, "label_about_3")->text().split('\n');
    QCOMPARE(contact.size(), 3);
    QCOMPARE(contact[0], QStringLiteral("邮箱: feedback@trelvo.example"));
    QCOMPARE(contact[1], QString());
    QCOMPARE(contact[2], "网址: " + web_address(program.folder.path()).toString());
    // The texts lie on the panel and take its clicks.
    for (int i = 0; i < 4; ++i) {
        TextLabel* l = label(about, QStringLiteral("label_about_%1").arg(i));
        QVERIFY(box(about, "img_about")->geometry().contains(l->geometry()));
        QCOMPARE(about->childAt(l->geometry().topLeft() + QPoint(2, 2)), l);
    }
}

// The panel's picture changes only on entering and leaving the panel; moving within it, or
// between it and its texts, loads nothing.
void TestLists::about_panel_loads_once_per_entry() {
    Program program;
    auto* about = new About(*program.app);
    about->show();
    PictureLoader& pictures = program.app->pictures();
    PictureBox* panel = box(about, "img_about");
    const QString normal = "imgs/about.jpg", hover = "imgs/about_move.jpg";
    QVERIFY(!about->about_normal_shown() && !about->about_hover_shown());
    const int normal_loads = pictures.requests(normal);

    // The first background movement reloads the normal picture once: both flags start False.
    QTest::mouseMove(about, QPoint(100, 540));
    QCOMPARE(pictures.requests(normal), normal_loads + 1);
    QVERIFY(about->about_normal_shown());
    QTest::mouseMove(about, QPoint(101, 540));
    QCOMPARE(pictures.requests(normal), normal_loads + 1);

    QTest::mouseMove(panel, QPoint(15, 12));
    QCOMPARE(panel->picture_path(), hover);
    QCOMPARE(panel->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(about->about_hover_shown() && !about->about_normal_shown());
    QTest::mouseMove(panel, QPoint(700, 20));
    QTest::mouseMove(label(about, "label_about_0"), QPoint(3, 3));
    QTest::mouseMove(label(about, "label_about_3"), QPoint(3, 3));
    QCOMPARE(pictures.requests(hover), 1);
    QCOMPARE(label(about, "label_about_3")->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseMove(about, QPoint(100, 560));
    QCOMPARE(panel->picture_path(), normal);
    QVERIFY(!about->about_hover_shown() && about->about_normal_shown());
    QCOMPARE(pictures.requests(normal), normal_loads + 2);
    QTest::mouseMove(label(about, "label_about_2"), QPoint(3, 3));
    QCOMPARE(pictures.requests(hover), 2);

    QTest::mouseMove(box(about, "img_exit"), QPoint(5, 5));
    QCOMPARE(box(about, "img_exit")->picture_path(), QStringLiteral("imgs/btn_exit_move.jpg"));
    QTest::mouseMove(about, QPoint(101, 560));
    QCOMPARE(box(about, "img_exit")->picture_path(), QStringLiteral("imgs/btn_exit.jpg"));
}

// A click on the panel or a text hands the guide's address to the desktop; the screen stays.
void TestLists::about_opens_the_guide() {
    Program program;
    const QUrl guide = web_address(program.folder.path());
    QDir(program.folder.path()).mkpath("guide");
    QFile file(guide.toLocalFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto* about = new About(*program.app);
    about->show();
    click(box(about, "img_about"), QPoint(15, 12));
    click(label(about, "label_about_1"));
    QCOMPARE(program.opened, (QList<QUrl>{guide, guide}));
    QVERIFY(messages.isEmpty());
    QVERIFY(about->isVisible());

    // No browser: the address is shown to copy.
    program.open_succeeds = false;
    click(label(about, "label_about_3"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].copyable, guide.toString());
    QVERIFY(about->isVisible());
}

void TestLists::open_address_refuses_and_explains_data() {
    QTest::addColumn<QString>("address");  // "guide" stands for the program folder's guide
    QTest::addColumn<bool>("handed_over");
    QTest::addColumn<QString>("says");
    QTest::newRow("web page") << "https://trelvo.example/" << true << "";
    QTest::newRow("plain http") << "http://trelvo.example/a" << true << "";
    QTest::newRow("mail") << "mailto:a@trelvo.example" << true << "";
    QTest::newRow("no address") << "" << false << "没有设置";
    QTest::newRow("missing file") << "file:///usr/share/missing-page.html" << false << "找不到";
    QTest::newRow("a program") << "file:///bin/sh" << false << "不会打开";
    QTest::newRow("other scheme") << "smb://host/share" << false << "不会打开";
    QTest::newRow("script") << "javascript:alert(1)" << false << "不会打开";
    QTest::newRow("missing guide") << "guide" << false << "找不到";
}

void TestLists::open_address_refuses_and_explains() {
    QFETCH(QString, address);
    QFETCH(bool, handed_over);
    QFETCH(QString, says);
    Program program;
    const QUrl url = address == "guide" ? web_address(program.folder.path()) : QUrl(address);
    open_address(*program.app, nullptr, url, QStringLiteral("使用说明"));
    QCOMPARE(program.opened.size(), handed_over ? 1 : 0);
    QCOMPARE(messages.size(), handed_over ? 0 : 1);
    if (!handed_over) {
        QVERIFY2(messages[0].text.contains(says), qPrintable(messages[0].text));
        QVERIFY(messages[0].text.contains(QStringLiteral("使用说明")));
    }
}

void TestLists::about_return_and_exit() {
    Program program;
    QPointer<About> about = new About(*program.app);
    about->show();
    click(box(about, "img_exit"));
    QCOMPARE(program.ended, 1);
    click(box(about, "img_return"));
    settle();
    QVERIFY(about.isNull());
    QCOMPARE(open_screens<MainControl>().size(), 1);
}

// The build lays the guide into the program folder, where the about screen's address points.
void TestLists::guide_is_in_the_program_folder() {
    const QString folder = QStringLiteral(TRELVO_DIR);
    QFile guide(web_address(folder).toLocalFile());
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    const QString html = QString::fromUtf8(guide.readAll());
    for (const char* heading : {"章节练习", "专项练习", "清除记录", "bankctl check", "快捷键",
                                "<kbd>PgDn</kbd>", "答错提示在前 5 秒内"})
        QVERIFY2(html.contains(QString::fromUtf8(heading)), heading);
    QVERIFY(!html.contains(QString::fromUtf8("稍后补充")));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    init_screens();
    TestLists test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lists.moc"
