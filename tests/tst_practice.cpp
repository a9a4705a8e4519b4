// The practice run: loading, moving, judging, the answer card, saving, the wrong-answer book,
// question pictures and animations, on the logic classes and on the real practice screen.
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <optional>
#include <utility>

#include "app/navigation.h"
#include "app/termination.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/picture_loader.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "fixture.h"
#include "info/enlarge_image.h"
#include "menu/main_control.h"
#include "practice/answer_card.h"
#include "practice/media_view.h"
#include "practice/practice_run.h"
#include "practice/question_media.h"
#include "practice/study.h"
#include "screen_helpers.h"

using namespace trelvo;
using namespace trelvo::test;

namespace {

// Fixture questions cycle through kinds: index % 3 == 0 single choice (right C), 1 multiple choice
// (right ABD), 2 true/false (right N).
constexpr int small_car = 1000;

void make_table(test::ProgramFolder& folder, const QString& table, int rows) {
    folder.exec(
        QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, position_prev BOOLEAN NOT NULL "
                       "DEFAULT FALSE, type_answer INTEGER NOT NULL DEFAULT 0, ref_id INTEGER "
                       "NOT NULL UNIQUE, answer TEXT NOT NULL DEFAULT '')")
            .arg(table));
    for (int i = 0; i < rows; ++i) {
        folder.exec(QStringLiteral(
                        "INSERT OR IGNORE INTO questions (id, question, question_a, question_b, "
                        "question_c, question_d, answer, type_select, type_picture, "
                        "answer_analysis, name_media) VALUES (?, ?, '甲', '乙', '丙', '丁', 'C', "
                        "0, 3, '解析', '')"),
                    {20000 + i, QStringLiteral("大表第%1题").arg(i + 1)});
        folder.exec(QStringLiteral("INSERT INTO %1 (id, ref_id) VALUES (?, ?)").arg(table),
                    {i, 20000 + i});
    }
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

QByteArray png_bytes(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A one-frame GIF, enough for the movie to accept it.
const QByteArray tiny_gif = QByteArray::fromHex(
    "474946383961010001008000000000ffffff21f90400000000002c00000000010001000002024401003b");

struct Practice {
    test::ProgramFolder folder;
    std::unique_ptr<AppContext> app;
    QList<ManualTicker*> tickers;
    MessageLog messages;

    Practice() {
        folder.paint_skins();
        folder.create_bank(test::four_categories(0));
        app = std::make_unique<AppContext>(folder.path());
        install_navigation(*app);
        messages.install(*app);
        app->end_program = [] {};
        app->make_ticker = [this](QObject* parent) -> Ticker* {
            auto* t = new ManualTicker(parent);
            tickers.append(t);
            return t;
        };
    }
    Study* open(const QString& table = "xiaoche_sequence", qint16 first = 0, qint16 last = 11) {
        auto* s = new Study(*app);
        s->setWindowTitle("练习");
        s->init(table, first, last);
        s->show();
        // The first pointer movement into a new window only enters it.
        QTest::mouseMove(s, QPoint(1, 1));
        return s;
    }
    // A picture question at run position `row` of xiaoche_sequence, stored as tr/<name>.
    void make_picture(int row, const QString& name, int w, int h) {
        folder.exec("UPDATE questions SET type_picture = 4, name_media = ? WHERE id = ?",
                    {name, small_car + row});
        write_file(folder.path() + "/tr/" + name, QByteArray(1, 'T') + png_bytes(w, h));
    }
    ~Practice() { close_all_screens(); }
};

}  // namespace

class TestPractice final : public QObject {
    Q_OBJECT

  private slots:
    void init() { set_car_type(0); }
    void cleanup() { close_all_screens(); }

    void run_starts_at_its_resume_marker();
    void run_stops_at_an_id_gap();
    void moving_stays_inside_the_run();
    void card_colors_data();
    void card_colors();
    void judging_single_choice();
    void judging_multiple_choice();
    void judging_true_false();
    void stored_answers_select_their_buttons();
    void save_progress_writes_everything_at_once();
    void failed_save_leaves_the_table_as_it_was();
    void wrong_answer_book();
    void failed_wrong_answer_insert_writes_nothing();

    void picture_fitting_data();
    void picture_fitting();
    void viewer_layout_data();
    void viewer_layout();
    void stored_picture_copies();
    void picture_copies_without_rs_data();
    void picture_copies_without_rs();

    void screen_layout_and_first_question();
    void screen_judges_and_jumps();
    void screen_answer_card_by_press();
    void screen_right_answer_and_analysis();
    void screen_wrong_answer_button();
    void screen_end_saves_and_resumes();
    void screen_hover_pictures();
    void screen_keys();
    void screen_picture_questions();
    void screen_picture_from_a_read_only_folder();
    void screen_animation_questions();
    void screen_damaged_media();
    void null_stem_is_an_error();

    void failed_save_keeps_the_run_data();
    void failed_save_keeps_the_run();
    void a_reader_never_fails_a_save_data();
    void a_reader_never_fails_a_save();
    void wal_bank_in_read_only_folder_still_runs();
    void closing_the_window_saves_the_run();
    void the_end_of_the_session_saves_the_run();
};

void TestPractice::run_starts_at_its_resume_marker() {
    Practice p;
    make_table(p.folder, "big", 100);
    make_table(p.folder, "small", 10);
    PracticeRun run(p.app->bank());
    QCOMPARE(run.load("big", 0, 99), 0);
    QCOMPARE(run.question_count(), 100);
    p.folder.exec("UPDATE big SET position_prev = TRUE WHERE id = 37");
    PracticeRun resumed(p.app->bank());
    QCOMPARE(resumed.load("big", 0, 99), 37);
    QCOMPARE(resumed.ref_id(37), qint16(20037));
    // A marker outside the range does not move the start.
    PracticeRun other(p.app->bank());
    p.folder.exec("UPDATE small SET position_prev = TRUE WHERE id = 9");
    QCOMPARE(other.load("small", 0, 4), 0);
}

void TestPractice::run_stops_at_an_id_gap() {
    Practice p;
    make_table(p.folder, "gappy", 10);
    p.folder.exec("DELETE FROM gappy WHERE id = 9");
    PracticeRun run(p.app->bank());
    run.load("gappy", 0, 9);
    QCOMPARE(run.question_count(), 9);
    QVERIFY_THROWS_EXCEPTION(AppError, PracticeRun(p.app->bank()).load("nosuchtable", 0, 9));
}

void TestPractice::moving_stays_inside_the_run() {
    Practice p;
    make_table(p.folder, "last_unit", 45);
    PracticeRun run(p.app->bank());
    run.load("last_unit", 0, 44);
    QVERIFY(!run.previous());
    QVERIFY(!run.go_to(0));
    QVERIFY(run.go_to(44));
    QVERIFY(!run.next());
    QCOMPARE(run.current_index(), 44);
    QVERIFY(!run.go_to(45));
}

void TestPractice::card_colors_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("number");
    const QColor white(0xFF, 0xFF, 0xFF), orange(0xFF, 0xC0, 0x80), cyan(0x80, 0xFF, 0xFF),
        red(0xC0, 0, 0);
    QTest::newRow("not answered") << 0 << false << white << QColor();
    QTest::newRow("right") << 1 << false << orange << QColor();
    QTest::newRow("wrong") << 2 << false << orange << red;
    QTest::newRow("current, not answered") << 0 << true << cyan << QColor();
    QTest::newRow("current, right") << 1 << true << cyan << QColor();
    QTest::newRow("current, wrong") << 2 << true << cyan << red;
}

void TestPractice::card_colors() {
    QFETCH(int, result);
    QFETCH(bool, highlighted);
    QFETCH(QColor, background);
    QFETCH(QColor, number);
    const CellColors c = answer_card_colors(qint16(result), highlighted);
    QCOMPARE(c.background, background);
    QCOMPARE(c.number, number);
}

void TestPractice::judging_single_choice() {
    Practice p;
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    run.read_question(0);
    auto changes = run.pick_option(Button::b);
    QCOMPARE(run.result(0), qint16(answered_wrong));
    QCOMPARE(run.answer(0), QStringLiteral("B"));
    QCOMPARE(changes.size(), 1);
    changes = run.pick_option(Button::c);
    QCOMPARE(run.result(0), qint16(answered_right));
    QCOMPARE(run.answer(0), QStringLiteral("C"));
    QCOMPARE(changes.size(), 2);  // B back to normal, C selected
    QCOMPARE(int(changes[0].button), int(Button::b));
    QCOMPARE(int(changes[0].picture), int(ButtonPicture::normal));
    QVERIFY(!run.selected(Button::b));
    QVERIFY(run.selected(Button::c));
    QCOMPARE(run.pick_option(Button::c).size(), 1);  // clicking the selected letter again
}

void TestPractice::judging_multiple_choice() {
    Practice p;
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    run.go_to(1);
    run.read_question(1);
    const struct {
        Button letter;
        int result;
        const char* answer;
    } steps[] = {{Button::d, 2, "D"},  {Button::a, 2, "AD"}, {Button::b, 1, "ABD"},
                 {Button::d, 2, "AB"}, {Button::b, 2, "A"},  {Button::a, 2, ""}};
    for (const auto& s : steps) {
        const auto changes = run.toggle_option(s.letter);
        QCOMPARE(run.result(1), qint16(s.result));
        QCOMPARE(run.answer(1), QString::fromLatin1(s.answer));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(int(changes[0].picture), int(run.selected(s.letter) ? ButtonPicture::selected_hover
                                                                     : ButtonPicture::hover));
    }
}

void TestPractice::judging_true_false() {
    Practice p;
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    run.go_to(2);
    run.read_question(2);
    run.pick_true_false(Button::y);
    QCOMPARE(run.result(2), qint16(answered_wrong));
    QCOMPARE(run.answer(2), QStringLiteral("Y"));
    const auto changes = run.pick_true_false(Button::n);
    QCOMPARE(run.result(2), qint16(answered_right));
    QCOMPARE(run.answer(2), QStringLiteral("N"));
    QVERIFY(!run.selected(Button::y));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(yes_no_text("Y"), QStringLiteral("对"));
    QCOMPARE(yes_no_text("N"), QStringLiteral("错"));
    QCOMPARE(yes_no_text("A"), QString());
}

void TestPractice::stored_answers_select_their_buttons() {
    Practice p;
    p.folder.exec("UPDATE xiaoche_sequence SET type_answer = 2, answer = 'AC' WHERE id = 1");
    p.folder.exec("UPDATE xiaoche_sequence SET type_answer = 2, answer = 'Y' WHERE id = 2");
    p.folder.exec("UPDATE xiaoche_sequence SET type_answer = 2, answer = 'AB' WHERE id = 3");
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    const struct {
        int index;
        std::array<bool, 6> selected;
    } cases[] = {
        {1, {true, false, true, false, false, false}},
        {2, {false, false, false, false, true, false}},
        {3, {false, false, false, false, false, false}}};  // "AB" is no single-choice answer
    for (const auto& c : cases) {
        run.read_question(c.index);
        run.show_selection(c.index);
        for (int b = 0; b < 6; ++b)
            if ((b < 4) == (run.question().kind != 2))
                QCOMPARE(run.selected(Button(b)), c.selected[b]);
    }
}

void TestPractice::save_progress_writes_everything_at_once() {
    Practice p;
    p.folder.exec("UPDATE xiaoche_sequence SET position_prev = TRUE WHERE id = 11");
    PracticeRun run(p.app->bank());
    QCOMPARE(run.load("xiaoche_sequence", 0, 5), 0);
    run.read_question(0);
    run.pick_option(Button::b);
    run.go_to(2);
    run.read_question(2);
    run.pick_true_false(Button::n);
    run.save_progress();
    QCOMPARE(
        p.folder.column(
            "SELECT type_answer || ':' || answer FROM xiaoche_sequence WHERE id <= 2 ORDER BY id"),
        QVariantList({"2:B", "0:", "1:N"}));
    // The marker moved from outside the run to the current question, and exists once.
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev"),
             QVariantList({2}));
}

void TestPractice::failed_save_leaves_the_table_as_it_was() {
    Practice p;
    p.folder.exec("UPDATE xiaoche_sequence SET position_prev = TRUE WHERE id = 4");
    p.folder.exec(
        "CREATE TRIGGER refuse BEFORE UPDATE OF position_prev ON xiaoche_sequence "
        "WHEN NEW.position_prev = 1 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    run.read_question(4);
    run.pick_option(Button::a);
    QVERIFY_THROWS_EXCEPTION(AppError, run.save_progress());
    QCOMPARE(
        p.folder.scalar("SELECT count(*) FROM xiaoche_sequence WHERE type_answer <> 0").toInt(), 0);
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev"),
             QVariantList({4}));
}

void TestPractice::wrong_answer_book() {
    Practice p;
    QuestionBank& bank = p.app->bank();
    mark_wrong_answer(bank, "xiaoche_error", 731, answered_wrong, "C");
    mark_wrong_answer(bank, "xiaoche_error", 1001, not_answered, "");
    mark_wrong_answer(bank, "xiaoche_error", 731, answered_right, "A");
    QCOMPARE(p.folder.column(
                 "SELECT id || ':' || type_answer || ':' || ref_id || ':' || answer || ':' || "
                 "position_prev FROM xiaoche_error ORDER BY id"),
             QVariantList({"0:1:731:A:0", "1:0:1001::0"}));
    p.folder.exec("DELETE FROM xiaoche_error");
    mark_wrong_answer(bank, "xiaoche_error", 5, answered_wrong, "Y");
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_error"), QVariantList({0}));
    QVERIFY_THROWS_EXCEPTION(AppError, mark_wrong_answer(bank, "", 5, 1, "A"));
}

void TestPractice::failed_wrong_answer_insert_writes_nothing() {
    Practice p;
    p.folder.exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON xiaoche_error BEGIN SELECT RAISE(ABORT, 'no'); "
        "END");
    QVERIFY_THROWS_EXCEPTION(AppError,
                             mark_wrong_answer(p.app->bank(), "xiaoche_error", 7, 2, "B"));
    QCOMPARE(p.folder.scalar("SELECT count(*) FROM xiaoche_error").toInt(), 0);
}

void TestPractice::picture_fitting_data() {
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<bool>("exam");
    QTest::addColumn<double>("fw");
    QTest::addColumn<double>("fh");
    QTest::newRow("small stays") << 3000.0 << 2000.0 << false << 3000.0 << 2000.0;
    QTest::newRow("wide: width decides") << 9000.0 << 4000.0 << false << 6240.0 << 2773.0;
    QTest::newRow("tall: height decides") << 6500.0 << 6000.0 << false << 3683.0 << 3400.0;
    QTest::newRow("too wide and too high: fitted, not squeezed")
        << 10000.0 << 7000.0 << false << 4857.0 << 3400.0;
    QTest::newRow("exactly the box width") << 6240.0 << 1000.0 << false << 6240.0 << 1000.0;
    QTest::newRow("exam: small stays") << 8000.0 << 3000.0 << true << 8000.0 << 3000.0;
    QTest::newRow("exam: wide") << 9000.0 << 3000.0 << true << 8750.0 << 2917.0;
    QTest::newRow("exam: tall") << 9000.0 << 5000.0 << true << 6300.0 << 3500.0;
}

void TestPractice::picture_fitting() {
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(bool, exam);
    QFETCH(double, fw);
    QFETCH(double, fh);
    const PictureSize fitted = fit_into_box({w, h}, exam ? exam_picture_box : practice_picture_box);
    QCOMPARE(fitted.width, fw);
    QCOMPARE(fitted.height, fh);
}

void TestPractice::viewer_layout_data() {
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<bool>("exam");
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<QSizeF>("window");
    QTest::newRow("small") << 3000.0 << 2000.0 << false << QSizeF(3000, 2000) << QSizeF(3000, 2300);
    QTest::newRow("large for the practice box only")
        << 7000.0 << 3000.0 << false << QSizeF(7000, 3000) << QSizeF(7090, 3360);
    QTest::newRow("same picture from the exam")
        << 7000.0 << 3000.0 << true << QSizeF(7000, 3000) << QSizeF(7000, 3300);
    QTest::newRow("wider than the screen")
        << 20000.0 << 9000.0 << false << QSizeF(14850, 6683) << QSizeF(14940, 7043);
    // The width overshoots by more twips, the height by the larger ratio: the height decides.
    QTest::newRow("far larger than the screen")
        << 30000.0 << 20000.0 << false << QSizeF(12000, 8000) << QSizeF(12090, 8360);
    QTest::newRow("higher than the screen")
        << 12000.0 << 10000.0 << true << QSizeF(9600, 8000) << QSizeF(9690, 8360);
}

void TestPractice::viewer_layout() {
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(bool, exam);
    QFETCH(QSizeF, image);
    QFETCH(QSizeF, window);
    const ViewerLayout layout =
        trelvo::viewer_layout({w, h}, exam ? exam_picture_box : practice_picture_box);
    QCOMPARE(QSizeF(layout.image.width, layout.image.height), image);
    QCOMPARE(QSizeF(layout.window.width, layout.window.height), window);
}

void TestPractice::stored_picture_copies() {
    test::ProgramFolder folder;
    const QString stored = folder.path() + "/tr/sign.png";
    write_file(stored, "Xabcdef");
    write_file(folder.path() + "/rs/sign.png", "a much longer stale copy");
    QVERIFY(copy_picture(folder.path(), "sign.png"));
    QFile copy(folder.path() + "/rs/sign.png");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("abcdef"));
    copy.close();
    write_file(folder.path() + "/tr/empty.png", "X");
    QVERIFY(!copy_picture(folder.path(), "empty.png"));
    QVERIFY(!copy_picture(folder.path(), "missing.png"));
    write_file(folder.path() + "/secret", "Xsecret");
    QVERIFY(!copy_picture(folder.path(), "../secret"));
    QVERIFY(!QFile::exists(folder.path() + "/secret2"));
    // The twice-as-large drawing travels with its picture and goes with it.
    write_file(folder.path() + "/tr/sign@2x.png", "Xhigh");
    QVERIFY(copy_picture(folder.path(), "sign.png"));
    QFile high(folder.path() + "/rs/sign@2x.png");
    QVERIFY(high.open(QIODevice::ReadOnly));
    QCOMPARE(high.readAll(), QByteArray("high"));
    delete_temp_picture(folder.path(), "sign.png");
    QVERIFY(!QFile::exists(folder.path() + "/rs/sign.png"));
    QVERIFY(!QFile::exists(folder.path() + "/rs/sign@2x.png"));
    QVERIFY(QFile::remove(folder.path() + "/tr/sign@2x.png"));
    QVERIFY(QDir(folder.path() + "/rs").removeRecursively());  // a lost rs/ folder is made again
    QVERIFY(copy_picture(folder.path(), "sign.png"));
    delete_temp_picture(folder.path(), "../tr/sign.png");
    QVERIFY(QFile::exists(stored));
}

void TestPractice::screen_layout_and_first_question() {
    Practice p;
    Study* s = p.open();
    QCOMPARE(s->windowTitle(), QStringLiteral("练习"));
    QCOMPARE(child<QWidget>(s, "frame_question")->geometry(), twips_rect(30, 30, 14835, 6045));
    QCOMPARE(child<QWidget>(s, "cmd_single_c")->geometry(), twips_rect(2430, 3990, 1100, 1100));
    QCOMPARE(child<QWidget>(s, "cmd_end")->geometry(), twips_rect(13050, 4440, 1600, 800));
    QCOMPARE(s->media_view()->geometry(), twips_rect(9000, 800, 5500, 3500));
    QCOMPARE(child<QGroupBox>(s, "frame_answer")->title(), QStringLiteral("答案信息"));
    QCOMPARE(label(s, "label_question")->text(), QStringLiteral("1. 第1题的题干"));
    QCOMPARE(label(s, "label_question_a")->text(), QStringLiteral("A、选项甲"));
    QVERIFY(box(s, "cmd_single_a")->isVisible());
    QVERIFY(!box(s, "cmd_single_y")->isVisible());
    QVERIFY(child<QCheckBox>(s, "chk_jump")->isChecked());
    QVERIFY(!child<QCheckBox>(s, "chk_answer")->isChecked());
    AnswerCard* card = s->answer_card();
    QCOMPARE(card->cell_count(), 12);
    QCOMPARE(card->colors(0), answer_card_colors(0, true));
    QCOMPARE(card->colors(1), answer_card_colors(0, false));
    QCOMPARE(AnswerCard::cell_background_twips(20).topLeft(), QPoint(85, 930));
    QCOMPARE(AnswerCard::cell_number_twips(20).topLeft(), QPoint(250, 1230));
    // A true/false question shows its option columns as stored and the 对/错 buttons.
    s->select_cell(2);
    QCOMPARE(label(s, "label_question_a")->text(), QString());
    QVERIFY(box(s, "cmd_single_y")->isVisible());
    QVERIFY(!box(s, "cmd_single_a")->isVisible());
}

void TestPractice::screen_judges_and_jumps() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_b"));
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("B"));
    QVERIFY(box(s, "img_error")->isVisible());
    QVERIFY(!box(s, "img_right")->isVisible());
    QCOMPARE(box(s, "cmd_single_b")->picture_path(),
             QStringLiteral("imgs/btn_single_b_select.jpg"));
    QCOMPARE(s->answer_card()->colors(0),
             answer_card_colors(0, true));  // not recoloured while current

    click(box(s, "cmd_single_c"));  // right: jumps on at once
    QCOMPARE(s->run().current_index(), 1);
    QCOMPARE(s->answer_card()->colors(0), answer_card_colors(1, false));
    QCOMPARE(label(s, "label_question")->text(), QStringLiteral("2. 第2题的题干"));

    // Multiple choice builds its answer in A–D order; the tick comes when it is complete.
    click(box(s, "cmd_single_d"));
    click(box(s, "cmd_single_a"));
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("AD"));
    QVERIFY(box(s, "img_error")->isVisible());
    child<QCheckBox>(s, "chk_jump")->setChecked(false);
    click(box(s, "cmd_single_b"));
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("ABD"));
    QVERIFY(box(s, "img_right")->isVisible());
    QCOMPARE(s->run().current_index(), 1);  // no jump while unchecked

    // True/false shows 对/错.
    s->next_question();
    click(box(s, "cmd_single_y"));
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("对"));
    QVERIFY(box(s, "img_error")->isVisible());

    // A right answer on the last question stays there.
    child<QCheckBox>(s, "chk_jump")->setChecked(true);
    s->select_cell(11);
    click(box(s, "cmd_single_n"));
    QCOMPARE(s->run().current_index(), 11);
    s->next_question();
    QCOMPARE(s->run().current_index(), 11);
}

void TestPractice::screen_answer_card_by_press() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_a"));  // wrong
    AnswerCard* card = s->answer_card();
    const QRect cell9 = twips_rect(85 + 730 * 9, 200, 745, 745);
    QTest::mouseClick(card, Qt::LeftButton, {}, cell9.center());
    QCOMPARE(s->run().current_index(), 9);
    QCOMPARE(card->colors(9), answer_card_colors(0, true));
    QCOMPARE(card->colors(0), answer_card_colors(2, false));
    QTest::mouseClick(card, Qt::RightButton, {}, cell9.center());  // the current cell: nothing
    QCOMPARE(s->run().current_index(), 9);
    QTest::mouseClick(card, Qt::LeftButton, {}, twips_rect(85 + 730 * 15, 200, 745, 745).center());
    QCOMPARE(s->run().current_index(), 9);  // no cell 16 in a 12-question run
    // Going back shows the stored answer and its mark.
    s->select_cell(0);
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("A"));
    QVERIFY(box(s, "img_error")->isVisible());
    QCOMPARE(box(s, "cmd_single_a")->picture_path(),
             QStringLiteral("imgs/btn_single_a_select.jpg"));
    // Unlike the buttons, the cells take any mouse button.
    QTest::mouseClick(card, Qt::RightButton, {}, twips_rect(85 + 730 * 2, 200, 745, 745).center());
    QCOMPARE(s->run().current_index(), 2);
}

void TestPractice::screen_right_answer_and_analysis() {
    Practice p;
    Study* s = p.open();
    auto* show_answer = child<QCheckBox>(s, "chk_answer");
    QTest::mouseClick(show_answer, Qt::LeftButton, {}, QPoint(8, show_answer->height() / 2));
    QVERIFY(show_answer->isChecked());
    QVERIFY(label(s, "label_answer_right_info")->isVisible());
    QCOMPARE(label(s, "label_answer_right_result")->text(), QStringLiteral("C"));
    s->select_cell(2);
    QCOMPARE(label(s, "label_answer_right_result")->text(), QStringLiteral("错"));
    QTest::mouseClick(show_answer, Qt::LeftButton, {}, QPoint(8, show_answer->height() / 2));
    QVERIFY(!label(s, "label_answer_right_result")->isVisible());

    auto* analysis = child<QCheckBox>(s, "chk_analysis");
    QTest::mouseClick(analysis, Qt::LeftButton, {}, QPoint(8, analysis->height() / 2));
    QVERIFY(child<QWidget>(s, "frame_analysis")->isVisible());
    QVERIFY(!child<QWidget>(s, "frame_answer")->isVisible());
    QCOMPARE(label(s, "label_analysis")->text(), QStringLiteral("第3题的解析"));
    s->next_question();
    QCOMPARE(label(s, "label_analysis")->text(), QStringLiteral("第4题的解析"));
    QTest::mouseClick(analysis, Qt::LeftButton, {}, QPoint(8, analysis->height() / 2));
    QVERIFY(child<QWidget>(s, "frame_answer")->isVisible());
    QVERIFY(!child<QWidget>(s, "frame_analysis")->isVisible());
}

void TestPractice::screen_wrong_answer_button() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_d"));
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(box(s, "cmd_set_error"), other, {}, QPoint(4, 4));
    QCOMPARE(p.folder.scalar("SELECT count(*) FROM xiaoche_error").toInt(), 0);
    QVERIFY(!label(s, "label_set_error")->isVisible());
    click(box(s, "cmd_set_error"));
    QCOMPARE(
        p.folder.column("SELECT ref_id || ':' || type_answer || ':' || answer FROM xiaoche_error"),
        QVariantList({"1000:2:D"}));
    QVERIFY(label(s, "label_set_error")->isVisible());
    ManualTicker* timer = qobject_cast<ManualTicker*>(s->set_error_timer());
    QCOMPARE(timer->interval(), 300);
    click(box(s, "cmd_set_error"));  // a second click starts the note's time anew, adds no row
    QCOMPARE(timer->starts(), 2);
    QCOMPARE(p.folder.scalar("SELECT count(*) FROM xiaoche_error").toInt(), 1);
    QVERIFY(timer->fire());
    QVERIFY(!label(s, "label_set_error")->isVisible());
    QVERIFY(!timer->fire());
}

void TestPractice::screen_end_saves_and_resumes() {
    Practice p;
    Study* s = p.open("xiaoche_sequence", 0, 11);
    click(box(s, "cmd_single_a"));  // question 1 wrong
    s->select_cell(6);
    click(box(s, "cmd_single_c"));  // question 7 right, jumps to 8
    QCOMPARE(s->run().current_index(), 7);
    click(box(s, "cmd_end"));
    QCOMPARE(open_screens<MainControl>().size(), 1);
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev"),
             QVariantList({7}));
    QCOMPARE(p.folder.column(
                 "SELECT type_answer FROM xiaoche_sequence WHERE type_answer <> 0 ORDER BY id"),
             QVariantList({2, 1}));
    cleanup();

    Study* again = p.open("xiaoche_sequence", 0, 11);
    QCOMPARE(again->run().current_index(), 7);
    QCOMPARE(label(again, "label_question")->text(), QStringLiteral("8. 第8题的题干"));
    QCOMPARE(again->answer_card()->colors(0), answer_card_colors(2, false));
    QCOMPARE(again->answer_card()->colors(6), answer_card_colors(1, false));
    QCOMPARE(again->answer_card()->colors(7), answer_card_colors(0, true));
}

void TestPractice::screen_hover_pictures() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_b"));
    QTest::mouseMove(box(s, "cmd_single_b"), QPoint(21, 22));
    QCOMPARE(box(s, "cmd_single_b")->picture_path(),
             QStringLiteral("imgs/btn_single_b_select_move.jpg"));
    QTest::mouseMove(box(s, "cmd_single_a"), QPoint(6, 6));
    QCOMPARE(box(s, "cmd_single_a")->picture_path(), QStringLiteral("imgs/btn_single_a_move.jpg"));
    // A jump straight from one key to the next leaves the first one resting.
    QCOMPARE(box(s, "cmd_single_b")->picture_path(),
             QStringLiteral("imgs/btn_single_b_select.jpg"));
    QTest::mouseMove(box(s, "cmd_next"), QPoint(6, 6));
    QCOMPARE(box(s, "cmd_next")->picture_path(), QStringLiteral("imgs/btn_next_move.jpg"));
    QCOMPARE(box(s, "cmd_next")->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(child<QWidget>(s, "frame_single_a_0"), QPoint(3, 3));
    QCOMPARE(box(s, "cmd_single_a")->picture_path(), QStringLiteral("imgs/btn_single_a.jpg"));
    QCOMPARE(box(s, "cmd_single_b")->picture_path(),
             QStringLiteral("imgs/btn_single_b_select.jpg"));
    QCOMPARE(box(s, "cmd_next")->picture_path(), QStringLiteral("imgs/btn_next.jpg"));
    QTest::mouseMove(box(s, "cmd_end"), QPoint(6, 6));
    QTest::mouseMove(child<QWidget>(s, "frame_set_error_0"), QPoint(3, 3));
    QCOMPARE(box(s, "cmd_end")->picture_path(), QStringLiteral("imgs/btn_end.jpg"));
    // Out of the window from a button: its resting picture.
    QTest::mouseMove(box(s, "cmd_prev"), QPoint(6, 6));
    QCOMPARE(box(s, "cmd_prev")->picture_path(), QStringLiteral("imgs/btn_prev_move.jpg"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box(s, "cmd_prev"), &leave);
    QCOMPARE(box(s, "cmd_prev")->picture_path(), QStringLiteral("imgs/btn_prev.jpg"));
}

void TestPractice::screen_keys() {
    Practice p;
    Study* s = p.open();
    QVERIFY(QTest::qWaitForWindowActive(s));
    // Single choice, right C: B is judged wrong and rests as chosen; 3 is C, right, and moves on.
    QTest::keyClick(s, Qt::Key_B);
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("B"));
    QVERIFY(box(s, "img_error")->isVisible());
    QCOMPARE(box(s, "cmd_single_b")->picture_path(),
             QStringLiteral("imgs/btn_single_b_select.jpg"));
    QTest::keyClick(s, Qt::Key_3);
    QCOMPARE(s->run().current_index(), 1);
    QCOMPARE(s->run().answer(0), QStringLiteral("C"));
    // Multiple choice, right ABD: the keys toggle, and the chosen keys rest as chosen.
    QTest::keyClick(s, Qt::Key_D);
    QCOMPARE(box(s, "cmd_single_d")->picture_path(),
             QStringLiteral("imgs/btn_single_d_select.jpg"));
    QTest::keyClick(s, Qt::Key_C);
    QTest::keyClick(s, Qt::Key_C);
    QCOMPARE(box(s, "cmd_single_c")->picture_path(), QStringLiteral("imgs/btn_single_c.jpg"));
    QTest::keyClick(s, Qt::Key_1);
    QCOMPARE(s->run().answer(1), QStringLiteral("AD"));
    QTest::keyClick(s, Qt::Key_B);
    QCOMPARE(s->run().current_index(), 2);
    QCOMPARE(s->run().result(1), qint16(answered_right));
    // True/false, right N: A and 3 mean nothing here; Y is 对 and wrong, 2 is 错 and right.
    QTest::keyClick(s, Qt::Key_A);
    QTest::keyClick(s, Qt::Key_3);
    QCOMPARE(s->run().result(2), qint16(not_answered));
    QTest::keyClick(s, Qt::Key_Y);
    QCOMPARE(label(s, "label_answer_result")->text(), QStringLiteral("对"));
    QCOMPARE(s->run().result(2), qint16(answered_wrong));
    QTest::keyClick(s, Qt::Key_2);
    QCOMPARE(s->run().current_index(), 3);
    // Moving.
    QTest::keyClick(s, Qt::Key_Left);
    QCOMPARE(s->run().current_index(), 2);
    QTest::keyClick(s, Qt::Key_PageDown);
    QTest::keyClick(s, Qt::Key_Return);
    QCOMPARE(s->run().current_index(), 4);
    QTest::keyClick(s, Qt::Key_PageUp);
    QCOMPARE(s->run().current_index(), 3);
    // Esc saves as the button does and goes back to the main menu.
    QPointer<Study> screen = s;
    QTest::keyClick(s, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
    QCOMPARE(open_screens<MainControl>().size(), 1);
    QCOMPARE(p.folder.scalar("SELECT answer FROM xiaoche_sequence WHERE id = 1").toString(),
             QStringLiteral("ABD"));
    QCOMPARE(p.folder.scalar("SELECT id FROM xiaoche_sequence WHERE position_prev").toInt(), 3);
}

void TestPractice::picture_copies_without_rs_data() {
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only rs/") << "read-only";
    QTest::newRow("rs is a file") << "file";
}

// rs/ cannot be written: the copies go to a folder of the user's own and leave rs/ as it was.
void TestPractice::picture_copies_without_rs() {
    QFETCH(QString, cause);
    test::ProgramFolder folder;
    const QString rs = folder.path() + "/rs";
    write_file(folder.path() + "/tr/sign.png", "Xabcdef");
    write_file(folder.path() + "/tr/sign@2x.png", "Xhigh");
    if (cause == "file") {
        QVERIFY(QDir(rs).removeRecursively());
        write_file(rs, "not a folder");
    }
    std::optional<AsOrdinaryUser> user;
    if (cause == "read-only") {
        user.emplace(folder);
        set_writable(rs, false);
    }
    QVERIFY(copy_picture(folder.path(), "sign.png"));
    const QString copy = temp_picture_path(folder.path(), "sign.png");
    QVERIFY2(!copy.startsWith(folder.path() + "/"), qPrintable(copy));
    QCOMPARE(temp_picture_source(folder.path(), "sign.png"), copy);
    QFile picture(copy);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    QCOMPARE(picture.readAll(), QByteArray("abcdef"));
    picture.close();
    QFile high(high_resolution_path(copy));
    QVERIFY(high.open(QIODevice::ReadOnly));
    QCOMPARE(high.readAll(), QByteArray("high"));
    high.close();
    // The folder holding the copies is the user's and no one else may even look into it.
    const QFileInfo own(QFileInfo(QFileInfo(copy).path()).path());
    QCOMPARE(own.ownerId(), uint(geteuid()));
    QCOMPARE(own.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                  QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());
    delete_temp_picture(folder.path(), "sign.png");
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFile::exists(high_resolution_path(copy)));
    // Later pictures follow; a missing stored picture still has no copy.
    QVERIFY(!copy_picture(folder.path(), "missing.png"));
    QVERIFY(copy_picture(folder.path(), "sign.png"));
    QCOMPARE(temp_picture_path(folder.path(), "sign.png"), copy);
    delete_temp_picture(folder.path(), "sign.png");
    if (cause == "file") {
        QFile left(rs);
        QVERIFY(left.open(QIODevice::ReadOnly));
        QCOMPARE(left.readAll(), QByteArray("not a folder"));
    } else {
        QVERIFY(QDir(rs).isEmpty());
    }
}

void TestPractice::screen_picture_questions() {
    Practice p;
    p.make_picture(0, "small.png", 200, 100);  // 3000 × 1500 twips: unscaled
    p.make_picture(1, "wide.png", 667, 467);   // 10005 × 7005: fitted by the height
    p.make_picture(3, "tall.png", 400, 400);   // 6000 × 6000: scaled by the height
    p.make_picture(4, "gone.png", 10, 10);
    QFile::remove(p.folder.path() + "/tr/gone.png");
    Study* s = p.open();
    PictureBox* img = box(s, "img_question");
    QVERIFY(img->isVisible());
    QCOMPARE(img->size(), QSize(200, 100));
    QCOMPARE(img->pos(), QPoint(px(8280), px(900)));
    QVERIFY(QFile::exists(p.folder.path() + "/rs/small.png"));
    QCOMPARE(QFileInfo(p.folder.path() + "/rs/small.png").size(),
             QFileInfo(p.folder.path() + "/tr/small.png").size() - 1);
    QVERIFY(!s->media_view()->isVisible());

    // The enlarged view opens on the readable copy and closes with one click.
    bool viewed = false;
    QTimer::singleShot(0, [&] {
        auto* viewer = qobject_cast<EnlargeImage*>(QApplication::activeModalWidget());
        QVERIFY(viewer != nullptr);
        viewed = true;
        QCOMPARE(viewer->windowTitle(), QStringLiteral(" 图片原图"));
        QCOMPARE(viewer->size(), QSize(200, 100));
        click(viewer->findChild<PictureBox*>("image_enlarged"));
    });
    click(img);
    QVERIFY(viewed);

    s->next_question();
    QCOMPARE(img->size(), QSize(px(4856), px(3400)));
    QVERIFY(!QFile::exists(p.folder.path() + "/rs/small.png"));
    QVERIFY(QFile::exists(p.folder.path() + "/rs/wide.png"));
    s->select_cell(3);
    QCOMPARE(img->size(), QSize(px(3400), px(3400)));
    s->next_question();  // a missing stored picture shows none
    QVERIFY(!img->isVisible());
    s->next_question();  // no media: the last copy stays until the screen closes
    QVERIFY(!img->isVisible());
    s->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QDir(p.folder.path() + "/rs").isEmpty());
}

void TestPractice::screen_picture_from_a_read_only_folder() {
    Practice p;
    p.make_picture(0, "small.png", 200, 100);
    p.make_picture(1, "wide.png", 667, 467);
    const QString rs = p.folder.path() + "/rs";
    AsOrdinaryUser user(p.folder);
    set_writable(rs, false);
    Study* s = p.open();
    PictureBox* img = box(s, "img_question");
    QVERIFY(img->isVisible());
    QCOMPARE(img->size(), QSize(200, 100));
    const QString copy = temp_picture_path(p.folder.path(), "small.png");
    QCOMPARE(img->picture_path(), copy);
    QVERIFY(QFile::exists(copy));

    bool viewed = false;
    QTimer::singleShot(0, [&] {
        auto* viewer = qobject_cast<EnlargeImage*>(QApplication::activeModalWidget());
        QVERIFY(viewer != nullptr);
        viewed = true;
        QCOMPARE(viewer->size(), QSize(200, 100));
        click(viewer->findChild<PictureBox*>("image_enlarged"));
    });
    click(img);
    QVERIFY(viewed);

    s->next_question();
    QCOMPARE(img->size(), QSize(px(4856), px(3400)));
    QVERIFY(!QFile::exists(copy));
    const QString wide = temp_picture_path(p.folder.path(), "wide.png");
    QVERIFY(QFile::exists(wide));
    s->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QFile::exists(wide));
    QVERIFY(QDir(rs).isEmpty());
}

void TestPractice::screen_animation_questions() {
    Practice p;
    p.folder.exec("UPDATE questions SET type_picture = 5, name_media = 'ball.gif' WHERE id = 1000");
    p.folder.exec("UPDATE questions SET type_picture = 5, name_media = 'old.swf' WHERE id = 1001");
    p.folder.exec("UPDATE questions SET type_picture = 5, name_media = 'lost.gif' WHERE id = 1002");
    p.folder.exec("UPDATE questions SET type_picture = 9 WHERE id = 1003");
    write_file(p.folder.path() + "/aces/ball.gif", tiny_gif);
    write_file(p.folder.path() + "/aces/old.swf", "FWS");
    Study* s = p.open();
    MediaView* view = s->media_view();
    QVERIFY(view->isVisible());
    QCOMPARE(view->mode(), MediaView::Mode::movie);
    QCOMPARE(view->path(), p.folder.path() + "/aces/ball.gif");
    s->next_question();
    QCOMPARE(view->mode(), MediaView::Mode::notice);
    QVERIFY(view->notice().contains("old.swf"));
    s->next_question();
    QVERIFY(view->notice().contains("找不到动画文件"));
    s->next_question();  // an unknown media kind leaves the animation area as it was
    QVERIFY(view->isVisible());
    QCOMPARE(view->mode(), MediaView::Mode::notice);
    s->next_question();  // no media: stopped, cleared and hidden
    QVERIFY(!view->isVisible());
    QCOMPARE(view->mode(), MediaView::Mode::empty);

    // A video comes through the video module, which is loaded only now.
    write_file(p.folder.path() + "/aces/clip.webm", "not really a video");
    view->play(p.folder.path() + "/aces/clip.webm");
    QCOMPARE(view->mode(), MediaView::Mode::video);
    view->stop_and_clear();
    QCOMPARE(view->mode(), MediaView::Mode::empty);
}

void TestPractice::screen_damaged_media() {
    Practice p;
    p.make_picture(0, "good.png", 50, 50);
    p.folder.exec("UPDATE questions SET type_picture = 4, name_media = 'bad.png' WHERE id = 1001");
    write_file(p.folder.path() + "/tr/bad.png", QByteArray(1, 'T') + png_bytes(50, 50).left(40));
    p.folder.exec("UPDATE questions SET type_picture = 5, name_media = 'bad.mp4' WHERE id = 1002");
    write_file(p.folder.path() + "/aces/bad.mp4", QByteArray(3000, 'z'));
    Study* s = p.open();
    QVERIFY(box(s, "img_question")->isVisible());
    s->next_question();  // a picture that cannot be decoded: none shown, its copy removed
    QVERIFY(!box(s, "img_question")->isVisible());
    QVERIFY(QDir(p.folder.path() + "/rs").isEmpty());
    QCOMPARE(s->run().current_index(), 1);
    click(box(s, "cmd_single_a"));  // the run goes on
    QCOMPARE(s->run().result(1), qint16(answered_wrong));
    s->next_question();  // a video that cannot be played says so
    QTRY_COMPARE_WITH_TIMEOUT(s->media_view()->mode(), MediaView::Mode::notice, 10000);
    QVERIFY2(s->media_view()->notice().contains("bad.mp4"), qPrintable(s->media_view()->notice()));
}

void TestPractice::null_stem_is_an_error() {
    Practice p;
    p.folder.exec("UPDATE questions SET question = NULL WHERE id = 1000");
    p.folder.exec("UPDATE questions SET question_a = NULL WHERE id = 1003");
    PracticeRun run(p.app->bank());
    run.load("xiaoche_sequence", 0, 11);
    try {
        run.read_question(0);
        QFAIL("a Null stem was shown as an empty question");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QStringLiteral("题库数据不完整"));
    }
    QCOMPARE(run.read_question(3).options[0],
             QString());  // Null options of choice questions may be
}

// Each way a save can fail for a reason outside the program: made to fail before the practice
// screen opens the bank, and mended again.
void TestPractice::failed_save_keeps_the_run_data() {
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file") << "file"
                                    << "只读";
    QTest::newRow("read-only folder") << "folder"
                                      << "文件夹不能写入";
    // A bank that earlier runs left in WAL mode is read as it lies while it cannot be written.
    QTest::newRow("read-only file, WAL") << "file-wal"
                                         << "只读";
    QTest::newRow("read-only folder, WAL") << "folder-wal"
                                           << "文件夹不能写入";
    QTest::newRow("write lock") << "writer"
                                << "被其他程序占用";
    // Only on a bank's first run (still in the rollback journal) and only while a reader that
    // already held it when the program opened it holds it without a break: the switch to WAL
    // mode needs the file to itself.
    QTest::newRow("reader from before the first start") << "reader"
                                                        << "被其他程序占用";
}

void TestPractice::failed_save_keeps_the_run() {
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    Practice p;
    AsOrdinaryUser user(p.folder);
    p.app->bank().set_busy_timeout(50);
    const QString aces = p.folder.path() + "/aces";
    std::unique_ptr<BankLock> lock;
    if (cause.endsWith("-wal")) {
        QuestionBank(p.folder.bank_path()).scalar("SELECT count(*) FROM car");
        cause.chop(4);
    }
    auto block = [&] {
        if (cause == "file") set_writable(p.folder.bank_path(), false);
        if (cause == "folder") set_writable(aces, false);
        if (cause == "writer")
            lock = std::make_unique<BankLock>(p.folder.bank_path(), "BEGIN IMMEDIATE");
        if (cause == "reader") lock = std::make_unique<BankLock>(p.folder.bank_path(), "BEGIN");
    };
    auto mend = [&] {
        if (cause == "file") set_writable(p.folder.bank_path(), true);
        if (cause == "folder") set_writable(aces, true);
        lock.reset();
    };
    block();
    Study* s = p.open();
    click(box(s, "cmd_single_a"));  // question 1 wrong
    s->select_cell(6);
    click(box(s, "cmd_single_c"));  // question 7 right, on to 8
    const auto unsaved = [&] {
        return p.folder.scalar("SELECT count(*) FROM xiaoche_sequence WHERE type_answer <> 0")
                   .toInt() == 0;
    };

    // 返回主页 fails: the learner is told the file and the cause, and 取消 keeps everything.
    click(box(s, "cmd_end"));
    QCOMPARE(p.messages.shown.size(), 1);
    const Message& told = p.messages.shown[0];
    QCOMPARE(told.kind, Message::Kind::retry);
    QVERIFY2(told.text.contains(p.folder.bank_path()), qPrintable(told.text));
    QVERIFY2(told.text.contains(reason), qPrintable(told.text));
    QCOMPARE(open_screens<Study>(), QList<Study*>{s});
    QCOMPARE(open_screens<MainControl>().size(), 0);
    QCOMPARE(s->run().result(0), qint16(answered_wrong));
    QCOMPARE(s->run().result(6), qint16(answered_right));
    QCOMPARE(s->run().current_index(), 7);
    QVERIFY(unsaved());

    // 设为错题 fails the same way and claims no success.
    click(box(s, "cmd_set_error"));
    QCOMPARE(p.messages.count(Message::Kind::retry), 2);
    QVERIFY(!label(s, "label_set_error")->isVisible());
    QCOMPARE(p.folder.scalar("SELECT count(*) FROM xiaoche_error").toInt(), 0);

    // The screen still takes input; 重试 after the cause is mended saves once.
    click(box(s, "cmd_single_b"));  // question 8 (multiple choice) answered
    bool retried = false;
    p.messages.answer = [&](const Message&) {
        mend();
        return !std::exchange(retried, true);  // once: a save that fails again fails the test
    };
    click(box(s, "cmd_end"));
    QCOMPARE(p.messages.shown.size(), 3);
    QCOMPARE(open_screens<Study>().size(), 0);
    QCOMPARE(open_screens<MainControl>().size(), 1);
    QCOMPARE(p.folder.column("SELECT id || ':' || type_answer || ':' || answer FROM "
                             "xiaoche_sequence WHERE type_answer <> 0 ORDER BY id"),
             QVariantList({"0:2:A", "6:1:C", "7:2:B"}));
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev"),
             QVariantList({7}));
}

void TestPractice::a_reader_never_fails_a_save_data() {
    QTest::addColumn<bool>("before_the_start");
    QTest::newRow("reader during practice") << false;
    QTest::newRow("reader from before the start") << true;
}

// Another program reads and keeps its read transaction open through the save.
void TestPractice::a_reader_never_fails_a_save() {
    QFETCH(bool, before_the_start);
    Practice p;
    p.app->bank().set_busy_timeout(50);
    std::unique_ptr<BankLock> reader;
    if (before_the_start) {
        // The bank has been used before; the reader opens it before this run does.
        QuestionBank(p.folder.bank_path()).scalar("SELECT count(*) FROM car");
        reader = std::make_unique<BankLock>(p.folder.bank_path(), "BEGIN");
    }
    Study* s = p.open();
    click(box(s, "cmd_single_a"));
    if (!before_the_start) reader = std::make_unique<BankLock>(p.folder.bank_path(), "BEGIN");
    click(box(s, "cmd_end"));
    QCOMPARE(p.messages.shown.size(), 0);
    QCOMPARE(open_screens<MainControl>().size(), 1);
    QCOMPARE(p.folder.column("SELECT type_answer || answer FROM xiaoche_sequence WHERE id = 0"),
             QVariantList({"2A"}));
}

// A bank copied while in WAL mode into a folder the learner cannot write, without its -shm file.
void TestPractice::wal_bank_in_read_only_folder_still_runs() {
    Practice p;
    p.folder.exec("PRAGMA journal_mode = WAL");  // stays in the header after the fixture closes
    AsOrdinaryUser user(p.folder);
    const QString aces = p.folder.path() + "/aces";
    QCOMPARE(QDir(aces).entryList(QDir::Files), QStringList{"btn_init.rar"});
    set_writable(aces, false);
    Study* s = p.open();
    QCOMPARE(label(s, "label_question")->text(), QStringLiteral("1. 第1题的题干"));
    click(box(s, "cmd_single_a"));
    click(box(s, "cmd_end"));
    QCOMPARE(p.messages.count(Message::Kind::retry), 1);
    QVERIFY2(p.messages.shown[0].text.contains("文件夹不能写入"),
             qPrintable(p.messages.shown[0].text));
    QCOMPARE(open_screens<Study>(), QList<Study*>{s});

    p.messages.answer = [&](const Message&) {
        set_writable(aces, true);
        return true;
    };
    click(box(s, "cmd_end"));
    QCOMPARE(open_screens<MainControl>().size(), 1);
    QCOMPARE(p.folder.column("SELECT type_answer || answer FROM xiaoche_sequence WHERE id = 0"),
             QVariantList({"2A"}));
}

// The system ends the program (log-out, shutdown): the run is saved without a question.
void TestPractice::the_end_of_the_session_saves_the_run() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_a"));
    int quits = 0;
    end_on_termination([&] { ++quits; });
    QCOMPARE(quits, 1);
    QCOMPARE(p.messages.shown.size(), 0);
    QCOMPARE(p.folder.column("SELECT type_answer || answer FROM xiaoche_sequence WHERE id = 0"),
             QVariantList({"2A"}));
    click(box(s, "cmd_end"));  // input that comes after is ignored
    QCOMPARE(open_screens<MainControl>().size(), 0);
    delete s;
}

void TestPractice::closing_the_window_saves_the_run() {
    Practice p;
    Study* s = p.open();
    click(box(s, "cmd_single_a"));
    QPointer<Study> window = s;
    p.folder.exec(
        "CREATE TRIGGER refuse BEFORE UPDATE OF position_prev ON xiaoche_sequence "
        "WHEN NEW.position_prev = 1 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    QVERIFY(!s->close());  // the save fails and the learner cancels: the window stays
    QCOMPARE(p.messages.count(Message::Kind::retry), 1);
    QVERIFY(s->isVisible());
    QCOMPARE(s->run().result(0), qint16(answered_wrong));

    p.folder.exec("DROP TRIGGER refuse");
    QVERIFY(s->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QCOMPARE(p.messages.shown.size(), 1);
    QCOMPARE(open_screens<MainControl>().size(), 0);  // closing is not going back
    QCOMPARE(p.folder.column("SELECT type_answer || answer FROM xiaoche_sequence WHERE id = 0"),
             QVariantList({"2A"}));
    QCOMPARE(p.folder.column("SELECT id FROM xiaoche_sequence WHERE position_prev"),
             QVariantList({0}));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    init_screens();
    TestPractice test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_practice.moc"
