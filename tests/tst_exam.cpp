// The mock exam: paper composition, the exam rules and clock, scoring, the answer sheet and picture
// fitting as plain logic; the exam screen, its dialogs and the start screens driven as a learner
// would, with the clocks moved by hand.
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>

#include "app/navigation.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/picture_fit.h"
#include "core/ticker.h"
#include "core/twips.h"
#include "exam/answer_sheet.h"
#include "exam/exam.h"
#include "exam/exam_dialogs.h"
#include "exam/exam_paper.h"
#include "exam/exam_session.h"
#include "exam/exam_start.h"
#include "fixture.h"
#include "info/enlarge_image.h"
#include "menu/main_control.h"
#include "practice/media_view.h"
#include "practice/question_media.h"
#include "screen_helpers.h"

using namespace trelvo;
using namespace trelvo::test;

namespace {

// Exam pools: ids 10000 + 1000 × category + 300 × kind + i. True/false answers alternate Y, N;
// single choice is C; multiple choice is ABD.
int pool_id(CarType car, qint16 kind, int i) {
    return 10000 + 1000 * car + 300 * kind + i;
}

QString right_answer_of(qint16 kind, int i) {
    if (kind == true_false) return i % 2 == 0 ? "Y" : "N";
    return kind == single_choice ? "C" : "ABD";
}

struct Pools {
    int true_false, single, multiple;
};
}  // namespace
Q_DECLARE_METATYPE(Pools)
namespace {

struct ExamFixture {
    test::ProgramFolder folder;
    std::unique_ptr<AppContext> app;
    QList<ManualTicker*> tickers;

    explicit ExamFixture(CarType selected = 0) {
        folder.paint_skins();
        QList<CarRow> cars = {{0}, {1}, {2}, {3}, {5}};
        for (CarRow& c : cars) c.selected = c.code == selected;
        folder.create_bank(cars);
        // The fixture's own questions belong to no exam pool; each test sets the pools it needs.
        folder.exec(
            "UPDATE questions SET type_xiaoche = FALSE, type_huoche = FALSE, "
            "type_keche = FALSE, type_safe = FALSE");
        folder.exec("DELETE FROM motuoche_sequence");
        app = std::make_unique<AppContext>(folder.path());
        install_navigation(*app);
        app->end_program = [] {};
        app->make_ticker = [this](QObject* parent) -> Ticker* {
            auto* t = new ManualTicker(parent);
            tickers.append(t);
            return t;
        };
        set_car_type(selected);
    }

    ~ExamFixture() {
        // The screens go before the program folder and the context they use.
        app->open_main_menu = [](QWidget*) {};
        close_all_screens();
    }

    void add_pool(CarType car, qint16 kind, int count) {
        const QString flags = QStringLiteral("%1, %2, %3, %4")
                                  .arg(car == 0)
                                  .arg(car == 1)
                                  .arg(car == 2)
                                  .arg(car == 5);
        folder.exec(
            QStringLiteral(
                "INSERT INTO questions (id, question, question_a, question_b, question_c, "
                "question_d, answer, type_select, type_picture, answer_analysis, name_media, "
                "type_xiaoche, type_huoche, type_keche, type_safe) "
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                "SELECT ? + i, '考题' || (? + i), '甲', '乙', '丙', '丁', "
                "CASE WHEN ? = 2 THEN (CASE WHEN i % 2 = 0 THEN 'Y' ELSE 'N' END) "
                "WHEN ? = 0 THEN 'C' ELSE 'ABD' END, ?, 3, '', '', %1 FROM n")
                .arg(flags),
            {count, pool_id(car, kind, 0), pool_id(car, kind, 0), kind, kind, kind});
        if (car == 3) {
            // The motorcycle's pool is its sequence table, in sequence order.
            const int next =
                folder.scalar("SELECT coalesce(max(id) + 1, 0) FROM motuoche_sequence").toInt();
            folder.exec(
                "INSERT INTO motuoche_sequence (id, ref_id) SELECT ? + id - ?, id FROM "
                "questions WHERE id BETWEEN ? AND ?",
                {next, pool_id(car, kind, 0), pool_id(car, kind, 0),
                 pool_id(car, kind, count - 1)});
        }
    }
    void add_pools(CarType car, Pools p) {
        if (p.true_false > 0) add_pool(car, true_false, p.true_false);
        if (p.single > 0) add_pool(car, single_choice, p.single);
        if (p.multiple > 0) add_pool(car, multiple_choice, p.multiple);
    }
    void standard_pools() {
        add_pools(0, {50, 70, 0});
        add_pools(3, {45, 65, 0});
        add_pools(5, {30, 30, 8});
    }

    Exam* open_exam(CarType car) {
        set_car_type(car);
        auto* exam = new Exam(*app);
        if (exam->init()) qFatal("the fixture's pools are too small");
        exam->show();
        return exam;
    }
    ManualTicker* clock_of(Exam* exam) const {
        return static_cast<ManualTicker*>(exam->timer_exam());
    }

    // The bank's every table, row by row, as text.
    QStringList dump() const {
        QStringList out;
        for (const QVariant& table :
             folder.column("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
            out << "#" + table.toString();
            const QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dump");
            {
                QSqlDatabase d = QSqlDatabase::database("dump", false);
                d.setDatabaseName(folder.bank_path());
                d.open();
                QSqlQuery q(d);
                q.exec("SELECT * FROM " + table.toString() + " ORDER BY 1");
                while (q.next()) {
                    QStringList row;
                    for (int c = 0; c < q.record().count(); ++c) row << q.value(c).toString();
                    out << row.join('|');
                }
                d.close();
            }
            QSqlDatabase::removeDatabase("dump");
        }
        return out;
    }
};

// Runs `f` as soon as the event loop turns, that is inside the modal dialog about to open.
void in_dialog(std::function<void()> f) {
    QTimer::singleShot(0, qApp, std::move(f));
}

QPushButton* button(QObject* screen, const QString& name) {
    return child<QPushButton>(screen, name);
}

// Answers the question on screen rightly or wrongly through its controls.
void answer(Exam* exam, bool right) {
    const ExamQuestion& q = exam->session().question();
    QString a = q.right_answer;
    if (!right) a = q.kind == true_false ? (a == "Y" ? "N" : "Y") : "A";
    if (q.kind == true_false) {
        button(exam, a == "Y" ? "cmd_judge_0" : "cmd_judge_1")->click();
    } else if (q.kind == single_choice) {
        button(exam, QStringLiteral("cmd_select_single_%1").arg(a[0].unicode() - 'A'))->click();
    } else {
        for (QChar c : a)
            child<QCheckBox>(exam, QStringLiteral("check_multi_%1").arg(c.unicode() - 'A'))
                ->click();
    }
}

// Answers `right` questions rightly and the rest wrongly, leaving no notice behind (the wrong
// ones are answered last and never left).
void answer_all(Exam* exam, int right) {
    for (int i = 0; i < exam->session().paper_size(); ++i) {
        exam->go_to_slot(i);
        answer(exam, i < right);
        if (i >= right) {
            // Leaving a wrong answer opens the notice; close it at once.
            in_dialog([exam] {
                if (exam->notice()) exam->notice()->reject();
            });
        }
    }
}

QByteArray picture_bytes(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

// Makes `w` the active window, as the learner's click on it would. A test does this before it
// queues work for a dialog (in_dialog), since the waiting runs queued work.
void activate(QWidget* w) {
    if (QApplication::activeWindow() == w->window()) return;
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        qFatal("%s does not become active", w->metaObject()->className());
}

// One fresh press of a key (with its modifiers, as QKeyCombination::toCombined gives them) in the
// active window `w`, as the learner types it.
void press(QWidget* w, int key) {
    activate(w);
    QTest::keyClick(w, Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                    Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
}

int keypad(Qt::Key key) {
    return (Qt::KeypadModifier | key).toCombined();
}

template <typename T>
int visible_count() {
    return int(open_screens<T>().size());
}

}  // namespace

class TestExam final : public QObject {
    Q_OBJECT

  private slots:
    void init() { set_car_type(0); }
    void cleanup() { close_all_screens(); }

    void paper_blocks_data();
    void paper_blocks();
    void pool_of_exactly_the_block_size();
    void papers_differ();
    void draws_are_uniform();
    void small_pools_are_reported_data();
    void small_pools_are_reported();
    void answering_and_locking();
    void clock_counts_down();
    void scoring_data();
    void scoring();
    void sheet_geometry();
    void picture_fitting_data();
    void picture_fitting();

    void exam_screen_from_the_main_menu_data();
    void exam_screen_from_the_main_menu();
    void multiple_choice_boxes_and_letters_agree();
    void notice_on_leaving_a_wrong_answer_data();
    void notice_on_leaving_a_wrong_answer();
    void notice_timing();
    void confirmation_and_result_data();
    void confirmation_and_result();
    void time_out_data();
    void time_out();
    void one_click_one_action();
    void leaving_the_screens();
    void start_screen_refuses_a_small_pool();
    void question_media_and_odd_values();
    void picture_from_a_read_only_folder();
    void exam_never_writes();
    void exam_runs_on_a_read_only_or_busy_bank();

    void answer_keys_data();
    void answer_keys();
    void move_keys_check_wrong_answers_data();
    void move_keys_check_wrong_answers();
    void keys_leave_locked_and_finished_answers();
    void escape_asks_before_submitting_data();
    void escape_asks_before_submitting();
    void notice_takes_keys_after_five_seconds_data();
    void notice_takes_keys_after_five_seconds();
    void start_screens_take_enter_and_escape_data();
    void start_screens_take_enter_and_escape();
};

void TestExam::paper_blocks_data() {
    QTest::addColumn<int>("car");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QList<int>>("kinds");  // kind of each block, with its count
    QTest::newRow("small car") << 0 << 100 << 45 << QList<int>{2, 40, 0, 60};
    QTest::newRow("motorcycle, from its sequence table")
        << 3 << 100 << 45 << QList<int>{2, 40, 0, 60};
    QTest::newRow("safe driving") << 5 << 50 << 30 << QList<int>{2, 22, 0, 22, 1, 6};
}

void TestExam::paper_blocks() {
    QFETCH(int, car);
    QFETCH(int, size);
    QFETCH(int, minutes);
    QFETCH(QList<int>, kinds);
    ExamFixture f;
    f.standard_pools();
    // Each category's pools hold only its own questions (ids by category), so a slot's id tells
    // both that it came from the right category and its kind.
    QRandomGenerator random(7);
    PaperComposer composer(f.app->bank(), random);
    const ExamPaper paper = composer.compose(CarType(car));
    const ExamRules rules = exam_rules(CarType(car));
    QCOMPARE(int(paper.paper_size), size);
    QCOMPARE(int(rules.exam_minutes), minutes);
    QCOMPARE(int(rules.points_per_question), 100 / size);

    std::set<int> seen;
    int slot = 0;
    for (int b = 0; b < kinds.size(); b += 2) {
        const qint16 kind = qint16(kinds[b]);
        const QList<qint16> pool = composer.pool(CarType(car), kind);
        int last_position = -1;
        for (int k = 0; k < kinds[b + 1]; ++k, ++slot) {
            const int id = paper.paper_ids[slot];
            QVERIFY2(seen.insert(id).second, "a question occurs twice");
            const int position = int(pool.indexOf(qint16(id)));
            QVERIFY2(position >= 0,
                     qPrintable(QStringLiteral("slot %1 is not of its block's pool").arg(slot)));
            QCOMPARE((id - 10000 - 1000 * car) / 300, int(kind));
            if (kind != true_false) {
                QVERIFY2(position > last_position, "choice blocks keep pool order");
                last_position = position;
            }
        }
    }
    QCOMPARE(slot, size);
}

void TestExam::pool_of_exactly_the_block_size() {
    ExamFixture f;
    f.add_pools(0, {40, 60, 0});
    QRandomGenerator random(11);
    const ExamPaper paper = PaperComposer(f.app->bank(), random).compose(0);
    QList<int> true_false_ids, single_ids;
    for (int i = 0; i < 40; ++i) true_false_ids << paper.paper_ids[i];
    for (int i = 40; i < 100; ++i) single_ids << paper.paper_ids[i];
    QList<int> sorted = true_false_ids;
    std::sort(sorted.begin(), sorted.end());
    QList<int> all;
    for (int i = 0; i < 40; ++i) all << pool_id(0, true_false, i);
    QCOMPARE(sorted, all);
    QVERIFY2(true_false_ids != all, "the true/false block is shuffled");
    for (int i = 0; i < 60; ++i) QCOMPARE(single_ids[i], pool_id(0, single_choice, i));
}

void TestExam::papers_differ() {
    ExamFixture f;
    f.standard_pools();
    // Two exam screens, each with its own fresh generator, as the learner gets them.
    Exam* first = f.open_exam(0);
    Exam* second = f.open_exam(0);
    QVERIFY(first->session().paper().paper_ids != second->session().paper().paper_ids);
}

void TestExam::draws_are_uniform() {
    // Every position of a pool is drawn about equally often, the ends included.
    QRandomGenerator random(2024);
    constexpr int count = 10, n = 3, rounds = 30000;
    std::array<int, count> drawn{};
    for (int r = 0; r < rounds; ++r) {
        const std::vector<int> p = draw_positions(count, n, random);
        QCOMPARE(int(std::set<int>(p.begin(), p.end()).size()), n);
        for (int v : p) {
            QVERIFY(v >= 0 && v < count);
            ++drawn[v];
        }
    }
    const double expected = double(rounds) * n / count;  // 9000; a 4 % band is > 8 sigma wide
    for (int i = 0; i < count; ++i)
        QVERIFY2(std::abs(drawn[i] - expected) < 0.04 * expected,
                 qPrintable(QStringLiteral("position %1 drawn %2 times").arg(i).arg(drawn[i])));
    QCOMPARE(draw_positions(5, 5, random).size(), std::size_t(5));
    QVERIFY(draw_positions(5, 0, random).empty());

    // The shuffled block: every question lands in every slot about equally often.
    constexpr int k = 4;
    std::array<std::array<int, k>, k> lands{};
    for (int r = 0; r < 20000; ++r) {
        ExamPaper paper;
        for (int i = 0; i < k; ++i) paper.paper_ids[i] = qint16(i);
        shuffle_block(paper, 0, k, random);
        for (int slot = 0; slot < k; ++slot) ++lands[paper.paper_ids[slot]][slot];
    }
    for (const auto& row : lands)
        for (int c : row) QVERIFY2(std::abs(c - 5000) < 300, qPrintable(QString::number(c)));
}

void TestExam::small_pools_are_reported_data() {
    QTest::addColumn<int>("car");
    QTest::addColumn<Pools>("pools");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("needed");
    QTest::addColumn<QString>("names");
    QTest::newRow("small car, true/false")
        << 0 << Pools{39, 60, 0} << 2 << 39 << 40 << "小车类 判断题";
    QTest::newRow("small car, single choice")
        << 0 << Pools{40, 0, 0} << 0 << 0 << 60 << "小车类 选择题";
    QTest::newRow("safe, multiple choice")
        << 5 << Pools{22, 22, 5} << 1 << 5 << 6 << "安全文明 多选题";
    QTest::newRow("motorcycle, single choice")
        << 3 << Pools{40, 59, 0} << 0 << 59 << 60 << "摩托车类 选择题";
}

void TestExam::small_pools_are_reported() {
    QFETCH(int, car);
    QFETCH(Pools, pools);
    QFETCH(int, kind);
    QFETCH(int, available);
    QFETCH(int, needed);
    QFETCH(QString, names);
    ExamFixture f;
    f.add_pools(CarType(car), pools);
    QRandomGenerator random(1);
    PaperComposer composer(f.app->bank(), random);
    const auto shortage = composer.check_pools(CarType(car));
    QVERIFY(shortage.has_value());
    QCOMPARE(int(shortage->kind), kind);
    QCOMPARE(shortage->available, available);
    QCOMPARE(shortage->needed, needed);
    const QString message = shortage->message();
    for (const QString& name : names.split(' '))
        QVERIFY2(message.contains(name), qPrintable(message));
    QVERIFY(message.contains(QString::number(available)) &&
            message.contains(QString::number(needed)));
    QVERIFY_THROWS_EXCEPTION(AppError, composer.compose(CarType(car)));
}

void TestExam::answering_and_locking() {
    ExamFixture f;
    f.standard_pools();
    ExamPaper paper;
    paper.paper_size = 50;
    paper.paper_ids[0] = qint16(pool_id(5, single_choice, 0));
    paper.paper_ids[1] = qint16(pool_id(5, multiple_choice, 0));
    paper.paper_ids[2] = qint16(pool_id(5, true_false, 1));  // right answer N
    ExamSession s(f.app->bank(), paper);

    // Single choice: A then B before leaving keeps B, judged.
    s.show(0);
    QVERIFY(s.press_letter(0));
    QCOMPARE(s.result(0), qint16(2));
    QVERIFY(s.press_letter(2));
    QCOMPARE(s.answer(0), QString("C"));
    QCOMPARE(s.result(0), qint16(1));
    QVERIFY(!s.press_judge(true));  // a control of another kind does nothing
    QVERIFY(!s.leaving_needs_notice());

    // Multiple choice: letters toggle the boxes; unticking everything is an empty, wrong answer.
    s.show(1);
    QCOMPARE(s.previous_slot(), 0);
    QVERIFY(s.press_letter(3) && s.set_box(0, true) && s.press_letter(1));
    QCOMPARE(s.answer(1), QString("ABD"));
    QCOMPARE(s.result(1), qint16(1));
    QVERIFY(s.press_letter(1));
    QCOMPARE(s.answer(1), QString("AD"));
    QVERIFY(s.leaving_needs_notice());
    for (int i : {0, 3}) s.set_box(i, false);
    QCOMPARE(s.answer(1), QString());
    QCOMPARE(s.result(1), qint16(2));
    s.press_letter(0), s.press_letter(1), s.press_letter(3);

    // True/false.
    s.show(2);
    QVERIFY(s.press_judge(true));
    QCOMPARE(s.result(2), qint16(2));
    QVERIFY(s.press_judge(false));
    QCOMPARE(s.result(2), qint16(1));

    // Coming back locks what was answered: nothing changes any more.
    s.show(1);
    QVERIFY(s.locked());
    QCOMPARE(s.boxes(), (std::array<bool, 4>{true, true, false, true}));
    QVERIFY(!s.press_letter(2) && !s.set_box(2, true));
    QCOMPARE(s.answer(1), QString("ABD"));
    s.show(0);
    QVERIFY(s.locked() && !s.press_letter(0));
    QCOMPARE(s.answer(0), QString("C"));
}

void TestExam::clock_counts_down() {
    ExamClock clock(45);
    QCOMPARE(clock.minutes_text() + ":" + clock.seconds_text(), QString("45:00"));
    QVERIFY(!clock.tick());
    QCOMPARE(clock.minutes_text() + ":" + clock.seconds_text(), QString("44:59"));
    for (int i = 1; i < 2700; ++i) QVERIFY(!clock.tick());
    QCOMPARE(clock.minutes_text() + ":" + clock.seconds_text(), QString("00:00"));
    QVERIFY(!clock.expired());
    QVERIFY(clock.tick());
    QVERIFY(clock.expired());
    QVERIFY(!clock.tick());  // ends once
    QCOMPARE(ExamClock(30).minutes_text(), QString("30"));
    QCOMPARE(ExamClock::two_digits(9), QString("09"));
}

void TestExam::scoring_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("passed");
    QTest::newRow("100: 90 right") << 100 << 90 << 90 << true;
    QTest::newRow("100: 89 right") << 100 << 89 << 89 << false;
    QTest::newRow("50: 45 right") << 50 << 45 << 90 << true;
    QTest::newRow("50: 44 right") << 50 << 44 << 88 << false;
    QTest::newRow("nothing answered") << 100 << 0 << 0 << false;
    QTest::newRow("all right") << 50 << 50 << 100 << true;
}

void TestExam::scoring() {
    QFETCH(int, size);
    QFETCH(int, right);
    QFETCH(int, score);
    QFETCH(bool, passed);
    ExamPaper paper;
    paper.paper_size = qint16(size);
    for (int i = 0; i < size; ++i) paper.paper_results[i] = i < right ? 1 : 2;
    paper.paper_results[size] = 1;  // beyond the paper: never counted
    QCOMPARE(exam_score(paper), score);
    QCOMPARE(exam_passed(score), passed);
}

void TestExam::sheet_geometry() {
    const QRect first = AnswerSheet::shape_twips(100, 0);
    QCOMPARE(first, QRect(30, 150, 315, 420));
    QCOMPARE(AnswerSheet::shape_twips(100, 9).topLeft(), QPoint(30 + 9 * 350, 150));
    QCOMPARE(AnswerSheet::shape_twips(100, 10).topLeft(), QPoint(30, 150 + 450));
    QCOMPARE(AnswerSheet::shape_twips(100, 99).topLeft(), QPoint(30 + 9 * 350, 150 + 9 * 450));
    QCOMPARE(AnswerSheet::answer_twips(100, 0), QRect(30, 350, 315, 220));
    QCOMPARE(AnswerSheet::shape_twips(50, 49), QRect(30 + 9 * 350, 150 + 4 * 600, 315, 555));
    // Every cell lies inside its sheet frame.
    QVERIFY(QRect(0, 0, 3585, 4665).contains(AnswerSheet::shape_twips(100, 99)));
    QVERIFY(QRect(0, 0, 3585, 3195).contains(AnswerSheet::shape_twips(50, 49)));

    QCOMPARE(sheet_cell_text(multiple_choice, "ABCD"), QString("AB\nCD"));
    QCOMPARE(sheet_cell_text(multiple_choice, "ABD"), QString("ABD"));
    QCOMPARE(sheet_cell_text(true_false, "Y"), QString("√"));
    QCOMPARE(sheet_cell_text(true_false, "N"), QString("×"));
    QCOMPARE(right_answer_text("N"), QString("×"));
    QCOMPARE(right_answer_text("ABD"), QString("ABD"));
}

void TestExam::picture_fitting_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("small: unscaled") << QSize(8000, 3000) << QSize(8000, 3000);
    QTest::newRow("wider than the box") << QSize(9000, 3000) << QSize(8750, 2917);
    QTest::newRow("higher than the box") << QSize(9000, 5000) << QSize(6300, 3500);
    QTest::newRow("large: proportions kept") << QSize(15000, 9000) << QSize(5833, 3500);
    QTest::newRow("exactly as wide: not enlarged") << QSize(8750, 100) << QSize(8750, 100);
    QTest::newRow("beyond 16 bits") << QSize(600000, 60000) << QSize(8750, 875);
    QTest::newRow("a sliver") << QSize(2000000, 1) << QSize(8750, 1);
    QTest::newRow("empty") << QSize(0, 0) << QSize(0, 0);
}

void TestExam::picture_fitting() {
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    QCOMPARE(fit_inside(picture, QSize(8750, 3500)), shown);
}

void TestExam::exam_screen_from_the_main_menu_data() {
    QTest::addColumn<int>("car");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("small car") << 0 << 100 << "45";
    QTest::newRow("safe driving") << 5 << 50 << "30";
    QTest::newRow("motorcycle") << 3 << 100 << "45";
}

void TestExam::exam_screen_from_the_main_menu() {
    QFETCH(int, car);
    QFETCH(int, size);
    QFETCH(QString, minutes);
    ExamFixture f{CarType(car)};
    f.standard_pools();
    auto* menu = new MainControl(*f.app);
    menu->show();

    // 模拟考试 → the instructions, modal over the menu; its start button → the start screen alone.
    in_dialog([&] {
        const auto dialogs = open_screens<ExamDialog>();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0]->windowTitle(), QString(" 模拟考试"));
        QVERIFY(dialogs[0]->isModal());
        QCOMPARE(label(dialogs[0], "label_exam_2")->text(),
                 QString("合格标准：满分为100分，成绩达到90分的为合格。"));
        click(box(dialogs[0], "img_start_exam"));
    });
    click(box(menu, "img_exam"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<MainControl>(), 0);
    QCOMPARE(visible_count<ExamDialog>(), 0);
    QCOMPARE(visible_count<ExamInit>(), 1);
    ExamInit* start = open_screens<ExamInit>()[0];
    QCOMPARE(start->windowTitle(), QString(" 驾驶理论考试系统"));
    QCOMPARE(box(start, "img_exam_init")->picture_path(), QString("imgs/exam_init.jpg"));

    button(start, "cmd_start_exam")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<ExamInit>(), 0);
    QCOMPARE(visible_count<MainControl>(), 0);
    QCOMPARE(visible_count<Exam>(), 1);
    Exam* exam = open_screens<Exam>()[0];
    QCOMPARE(exam->windowTitle(), QString(" 驾驶理论考试系统"));
    QCOMPARE(exam->size(), QSize(px(14910), px(10140)));
    QCOMPARE(exam->session().paper_size(), size);
    QCOMPARE(exam->sheet()->cell_count(), size);
    QCOMPARE(exam->sheet()->objectName(), QString(size == 50 ? "frame_safe" : "frame_xiaoche"));
    QCOMPARE(label(exam, "label_time_minute")->text(), minutes);
    QCOMPARE(label(exam, "label_time_second")->text(), QString("00"));
    QCOMPARE(f.clock_of(exam)->interval(), 1000);
    QVERIFY(f.clock_of(exam)->is_active());
    // The first question: a true/false one, highlighted on the sheet, √ and × offered.
    QCOMPARE(exam->sheet()->number_background(0), QColor(0, 255, 255));
    QVERIFY(label(exam, "label_question")->text().startsWith("1. 考题"));
    QVERIFY(button(exam, "cmd_judge_0")->isVisible() && button(exam, "cmd_judge_0")->isEnabled());
    QVERIFY(!button(exam, "cmd_select_single_0")->isVisible());
    QCOMPARE(label(exam, "label_tooltip")->text(), QString("判断题，请判断对错！"));
    QVERIFY(!exam->media_view()->isVisible());
    QCOMPARE(child<QWidget>(exam, "frame_question")->geometry(), twips_rect(2190, 180, 8715, 4905));
    QCOMPARE(child<QWidget>(exam, "frame_image")->geometry(), twips_rect(150, 5970, 14625, 4095));
    QCOMPARE(button(exam, "cmd_commit")->geometry(), twips_rect(9510, 5250, 1275, 645));

    // Answering all three kinds; a right true/false answer shows its √ picture and sheet mark.
    answer(exam, true);
    const QString yes_no = exam->session().answer(0);
    QCOMPARE(box(exam, "img_answer")->picture_path(), yes_no == "Y"
                                                          ? QString("imgs/answer_exam_right.jpg")
                                                          : QString("imgs/answer_exam_error.jpg"));
    QCOMPARE(exam->sheet()->answer_text(0), yes_no == "Y" ? QString("√") : QString("×"));
    const int single = size == 50 ? 22 : 40;
    exam->go_to_slot(single);
    QCOMPARE(exam->sheet()->number_background(0), QColor(Qt::white));
    QCOMPARE(label(exam, "label_tooltip")->text(),
             QString("选择题，请在备选答案中选择您认为正确的答案！"));
    QVERIFY(label(exam, "label_question_a")->text().startsWith("A: "));
    answer(exam, true);
    QCOMPARE(label(exam, "label_answer_result")->text(), QString("C"));
    QCOMPARE(exam->sheet()->answer_text(single), QString("C"));
    exam->previous_question();
    QCOMPARE(exam->session().current_slot(), single - 1);

    // Retake: a new start screen and, from it, a new paper.
    const auto first_paper = exam->session().paper().paper_ids;
    in_dialog([exam] {
        in_dialog([exam] { button(exam->result_dialog(), "cmd_close")->click(); });
        button(exam->commit_dialog(), "cmd_commit")->click();
    });
    button(exam, "cmd_commit")->click();
    QVERIFY(exam->finished());
    button(exam, "cmd_again")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<Exam>(), 0);
    QCOMPARE(visible_count<MainControl>(), 0);
    QCOMPARE(visible_count<ExamInit>(), 1);
    button(open_screens<ExamInit>()[0], "cmd_start_exam")->click();
    QCOMPARE(visible_count<Exam>(), 1);
    QVERIFY(open_screens<Exam>()[0]->session().paper().paper_ids != first_paper);
}

void TestExam::multiple_choice_boxes_and_letters_agree() {
    ExamFixture f(5);
    f.standard_pools();
    Exam* exam = f.open_exam(5);
    const int first_multiple = 44;
    exam->go_to_slot(first_multiple);
    QCOMPARE(exam->session().question().kind, multiple_choice);
    QCOMPARE(label(exam, "label_tooltip")->text(),
             QString("多选题，请在备选答案中选择您认为正确的答案！"));
    // The options move right to make room for the boxes.
    QCOMPARE(label(exam, "label_question_a")->x(), px(550));
    auto* box_c = child<QCheckBox>(exam, "check_multi_2");
    QVERIFY(box_c->isVisible() && box_c->isEnabled() && !box_c->isChecked());

    // Letter C ticks box 2 and box 2 unticks it: one answer either way.
    button(exam, "cmd_select_single_2")->click();
    QVERIFY(box_c->isChecked());
    QCOMPARE(exam->session().answer(first_multiple), QString("C"));
    box_c->click();
    QCOMPARE(exam->session().answer(first_multiple), QString());
    box_c->click();
    QCOMPARE(exam->session().answer(first_multiple), QString("C"));
    QCOMPARE(exam->session().result(first_multiple), qint16(2));
    // Right answer ABD, built from boxes and buttons mixed.
    box_c->click();
    child<QCheckBox>(exam, "check_multi_0")->click();
    button(exam, "cmd_select_single_1")->click();
    button(exam, "cmd_select_single_3")->click();
    QCOMPARE(exam->session().answer(first_multiple), QString("ABD"));
    QCOMPARE(exam->session().result(first_multiple), qint16(1));
    QCOMPARE(exam->sheet()->answer_text(first_multiple), QString("ABD"));

    // All four boxes: two lines in the cell (on the next question, so the one above stays right).
    exam->next_question();
    for (int i = 0; i < 4; ++i)
        button(exam, QStringLiteral("cmd_select_single_%1").arg(i))->click();
    QCOMPARE(exam->sheet()->answer_text(first_multiple + 1), QString("AB\nCD"));

    // Back on the first: exactly its boxes ticked, everything disabled, result unchanged.
    in_dialog([exam] { exam->notice()->reject(); });
    exam->go_to_slot(first_multiple);
    for (int i = 0; i < 4; ++i) {
        auto* b = child<QCheckBox>(exam, QStringLiteral("check_multi_%1").arg(i));
        QCOMPARE(b->isChecked(), i != 2);
        QVERIFY(!b->isEnabled());
        QVERIFY(!button(exam, QStringLiteral("cmd_select_single_%1").arg(i))->isEnabled());
    }
    button(exam, "cmd_select_single_2")->click();
    QCOMPARE(exam->session().answer(first_multiple), QString("ABD"));
    QCOMPARE(exam->session().result(first_multiple), qint16(1));
    QCOMPARE(label(exam, "label_answer_result")->text(), QString("ABD"));
}

void TestExam::notice_on_leaving_a_wrong_answer_data() {
    QTest::addColumn<QString>("move");
    QTest::newRow("next") << "next";
    QTest::newRow("previous") << "previous";
    QTest::newRow("sheet") << "sheet";
}

void TestExam::notice_on_leaving_a_wrong_answer() {
    QFETCH(QString, move);
    ExamFixture f;
    f.standard_pools();
    Exam* exam = f.open_exam(0);
    exam->go_to_slot(5);
    auto leave = [&] {
        if (move == "next")
            button(exam, "cmd_next")->click();
        else if (move == "previous")
            button(exam, "cmd_prev")->click();
        else
            QTest::mouseClick(
                exam->sheet(), Qt::LeftButton, {},
                exam->sheet()->cell_center(exam->session().current_slot() == 5 ? 60 : 5));
    };
    int notices = 0;
    QString shown_answer;
    auto expect_notice = [&] {
        in_dialog([&] {
            ++notices;
            QVERIFY(exam->notice() != nullptr && exam->notice()->isModal());
            shown_answer = label(exam->notice(), "label_answer_result")->text();
            QCOMPARE(label(exam->notice(), "label_question")->text(),
                     label(exam, "label_question")->text());
            exam->notice()->reject();
        });
    };

    // Unanswered, and answered right: no notice.
    leave();
    QApplication::processEvents();
    QCOMPARE(notices, 0);
    QVERIFY(!exam->sheet()->is_marked_wrong(5));
    exam->go_to_slot(7);
    answer(exam, true);
    exam->go_to_slot(5);
    QApplication::processEvents();
    QCOMPARE(notices, 0);

    // Wrong: the notice with the right answer, and the cell turns red once left.
    answer(exam, false);
    const QString right = right_answer_text(exam->session().question().right_answer);
    QVERIFY(!exam->sheet()->is_marked_wrong(5));
    expect_notice();
    leave();
    QCOMPARE(notices, 1);
    QCOMPARE(shown_answer, right);
    QVERIFY(exam->session().current_slot() != 5);
    QVERIFY(exam->sheet()->is_marked_wrong(5));

    // Coming back: locked, and leaving again shows the notice again.
    exam->go_to_slot(5);
    QVERIFY(!button(exam, "cmd_judge_0")->isEnabled() && !button(exam, "cmd_judge_1")->isEnabled());
    expect_notice();
    leave();
    QCOMPARE(notices, 2);
    QVERIFY(exam->sheet()->is_marked_wrong(5));

    // At the ends the moves do not move but still check.
    exam->go_to_slot(99);
    answer(exam, false);
    expect_notice();
    button(exam, "cmd_next")->click();
    QCOMPARE(exam->session().current_slot(), 99);
    expect_notice();
    exam->go_to_slot(0);
    answer(exam, false);
    expect_notice();
    button(exam, "cmd_prev")->click();
    QCOMPARE(exam->session().current_slot(), 0);
    QCOMPARE(notices, 5);  // the move from 99 to 0 showed one as well
}

void TestExam::notice_timing() {
    ExamFixture f;
    f.standard_pools();
    Exam* exam = f.open_exam(0);
    answer(exam, false);
    QList<QString> countdown;
    bool closed_by_itself = false;
    in_dialog([&] {
        ExamDialogError* notice = exam->notice();
        auto* ticker = static_cast<ManualTicker*>(notice->timer_continue());
        auto* cmd_continue = button(notice, "cmd_continue");
        countdown << label(notice, "label_time")->text();
        for (int tick = 1; tick <= 9; ++tick) {
            if (tick <= 5) cmd_continue->click();  // does nothing before the fifth second
            QVERIFY2(exam->notice() != nullptr, qPrintable(QString::number(tick)));
            ticker->fire();
            countdown << label(notice, "label_time")->text();
            QCOMPARE(cmd_continue->isEnabled(), tick >= 5);
        }
        // The exam clock ticks on meanwhile.
        QVERIFY(f.clock_of(exam)->fire());
        ticker->fire();
        closed_by_itself = !notice->isVisible() && !ticker->is_active();
    });
    button(exam, "cmd_next")->click();
    QVERIFY(closed_by_itself);
    QCOMPARE(countdown, (QList<QString>{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    QCOMPARE(exam->session().current_slot(), 1);
    QCOMPARE(label(exam, "label_time_second")->text(), QString("59"));

    // 继续考试 after five seconds, and the close mark, close it as well.
    exam->go_to_slot(0);
    in_dialog([&] {
        auto* ticker = static_cast<ManualTicker*>(exam->notice()->timer_continue());
        for (int i = 0; i < 5; ++i) ticker->fire();
        button(exam->notice(), "cmd_continue")->click();
    });
    button(exam, "cmd_next")->click();
    QCOMPARE(exam->session().current_slot(), 1);
    exam->go_to_slot(0);
    in_dialog([&] { click(label(exam->notice(), "label_close")); });
    button(exam, "cmd_next")->click();
    QCOMPARE(exam->session().current_slot(), 1);
    QCOMPARE(visible_count<ExamDialogError>(), 0);
}

void TestExam::confirmation_and_result_data() {
    QTest::addColumn<int>("car");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("score");
    QTest::newRow("100, pass at 90") << 0 << 90 << "imgs/exam_pass.jpg"
                                     << "90";
    QTest::newRow("100, fail at 89") << 0 << 89 << "imgs/exam_pass_not.jpg"
                                     << "89";
    QTest::newRow("50, pass at 45") << 5 << 45 << "imgs/exam_pass.jpg"
                                    << "90";
    QTest::newRow("50, fail at 44") << 5 << 44 << "imgs/exam_pass_not.jpg"
                                    << "88";
    QTest::newRow("nothing answered") << 0 << 0 << "imgs/exam_pass_not.jpg"
                                      << "0";
}

void TestExam::confirmation_and_result() {
    QFETCH(int, car);
    QFETCH(int, right);
    QFETCH(QString, picture);
    QFETCH(QString, score);
    ExamFixture f{CarType(car)};
    f.standard_pools();
    Exam* exam = f.open_exam(CarType(car));
    if (right > 0) answer_all(exam, right);
    ManualTicker* clock = f.clock_of(exam);

    // 继续考试, the close mark and Enter leave the exam as it was, its clock running.
    for (const QString& way : {"cmd_continue", "label_close", "Enter"}) {
        in_dialog([&] {
            ExamDialogCommit* commit = exam->commit_dialog();
            QVERIFY(commit != nullptr && commit->isModal());
            QCOMPARE(commit->score(), score.toInt());
            QVERIFY(clock->fire());
            if (way == "label_close")
                click(label(commit, way));
            else if (way == "Enter")
                QTest::keyClick(commit, Qt::Key_Return);
            else
                button(commit, way)->click();
        });
        button(exam, "cmd_commit")->click();
        QVERIFY(!exam->submitted());
        QVERIFY(clock->is_active());
        QVERIFY(button(exam, "cmd_commit")->isVisible());
    }

    // 确认交卷: the clock stops, the result shows the score on its picture.
    QString shown_picture, shown_score;
    in_dialog([&] {
        in_dialog([&] {
            ExamPass* result = exam->result_dialog();
            QVERIFY(result != nullptr && result->isModal());
            QVERIFY(exam->commit_dialog() == nullptr || !exam->commit_dialog()->isVisible());
            QVERIFY(!clock->is_active());
            shown_picture = box(result, "img_pass")->picture_path();
            shown_score = label(result, "label_point")->text();
            button(result, "cmd_close")->click();
        });
        button(exam->commit_dialog(), "cmd_commit")->click();
    });
    const QString time_shown = label(exam, "label_time_second")->text();
    button(exam, "cmd_commit")->click();
    QCOMPARE(shown_picture, picture);
    QCOMPARE(shown_score, score);

    // The finished state: 重新考试 in place of 交卷, the score beside them, the clock still.
    QVERIFY(exam->finished());
    QVERIFY(!button(exam, "cmd_commit")->isVisible());
    QVERIFY(button(exam, "cmd_again")->isVisible());
    QVERIFY(label(exam, "label_point")->isVisible());
    QCOMPARE(label(exam, "label_point")->text(), "得分：" + score + "分");
    QVERIFY(!clock->fire());
    QCOMPARE(label(exam, "label_time_second")->text(), time_shown);
    // Unanswered questions may still be answered; the score stays.
    if (right == 0) {
        answer(exam, true);
        QCOMPARE(exam->session().result(0), qint16(1));
        QCOMPARE(label(exam, "label_point")->text(), "得分：" + score + "分");
    }
}

void TestExam::time_out_data() {
    QTest::addColumn<QString>("open");
    QTest::newRow("nothing open") << "";
    QTest::newRow("notice open") << "notice";
    QTest::newRow("confirmation open") << "confirmation";
    QTest::newRow("viewer open") << "viewer";
}

void TestExam::time_out() {
    QFETCH(QString, open);
    ExamFixture f(5);
    f.standard_pools();
    // A picture question in slot 0 for the viewer.
    f.folder.exec(
        "UPDATE questions SET type_picture = 4, name_media = 'p.png' WHERE type_safe = TRUE "
        "AND type_select = 2");
    write_file(f.folder.path() + "/tr/p.png", QByteArray(1, 'x') + picture_bytes(200, 100));
    Exam* exam = f.open_exam(5);
    ManualTicker* clock = f.clock_of(exam);
    for (int i = 0; i < 30 * 60; ++i) clock->fire();
    QCOMPARE(label(exam, "label_time_minute")->text() + label(exam, "label_time_second")->text(),
             QString("0000"));
    answer(exam, open != "notice");
    const QString score = open == "notice" ? "0" : "2";

    // The result closes while the exam is hidden; that must not count as the program's last window.
    QSignalSpy last_window(qApp, &QGuiApplication::lastWindowClosed);
    int results = 0;
    bool exam_hidden = false, others_closed = false;
    auto run_out = [&] {
        in_dialog([&] {
            ++results;
            exam_hidden = !exam->isVisible();
            others_closed = visible_count<ExamDialogError>() + visible_count<ExamDialogCommit>() +
                                visible_count<EnlargeImage>() ==
                            0;
            QCOMPARE(label(exam->result_dialog(), "label_point")->text(), score);
            click(label(exam->result_dialog(), "label_close"));
        });
        QVERIFY(clock->fire());
        QVERIFY(!clock->is_active());
    };
    if (open.isEmpty()) {
        run_out();
    } else {
        in_dialog([&] {
            QVERIFY(QApplication::activeModalWidget() != nullptr);
            run_out();
            // A confirmation closed by the time-out cannot submit a second time.
            if (exam->commit_dialog()) button(exam->commit_dialog(), "cmd_commit")->click();
        });
        if (open == "notice") button(exam, "cmd_next")->click();
        if (open == "confirmation") button(exam, "cmd_commit")->click();
        if (open == "viewer") click(box(exam, "img_question"));
    }
    QApplication::processEvents();
    QCOMPARE(results, 1);
    QCOMPARE(last_window.count(), 0);
    QVERIFY(exam_hidden);
    QVERIFY(others_closed);
    QVERIFY(exam->isVisible());
    QVERIFY(exam->finished());
    QVERIFY(button(exam, "cmd_again")->isVisible());
    QCOMPARE(label(exam, "label_point")->text(), "得分：" + score + "分");
    QCOMPARE(visible_count<ExamPass>() + visible_count<ExamDialogCommit>(), 0);
}

void TestExam::one_click_one_action() {
    ExamFixture f;
    f.standard_pools();

    // 模拟考试 twice: one instructions dialog.
    auto* menu = new MainControl(*f.app);
    menu->show();
    int dialogs = 0;
    in_dialog([&] {
        emit box(menu, "img_exam")->clicked();
        dialogs = visible_count<ExamDialog>();
        open_screens<ExamDialog>()[0]->close();
    });
    emit box(menu, "img_exam")->clicked();
    QCOMPARE(dialogs, 1);

    // 开始考试 of the instructions twice: one start screen.
    in_dialog([&] {
        auto* start = box(open_screens<ExamDialog>()[0], "img_start_exam");
        emit start->clicked();
        emit start->clicked();
    });
    emit box(menu, "img_exam")->clicked();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<ExamInit>(), 1);
    QCOMPARE(visible_count<MainControl>(), 0);

    // 开始考试 of the start screen twice: one exam.
    auto* start_button = button(open_screens<ExamInit>()[0], "cmd_start_exam");
    start_button->click();
    start_button->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<Exam>(), 1);
    Exam* exam = open_screens<Exam>()[0];

    // 交卷 twice: one confirmation; 确认交卷 twice: one result.
    int confirmations = 0, results = 0;
    QTimer result_closer;  // closes every result that appears, counting them
    QObject::connect(&result_closer, &QTimer::timeout, [&] {
        for (ExamPass* r : open_screens<ExamPass>()) {
            ++results;
            r->reject();
        }
    });
    result_closer.start(0);
    in_dialog([&] {
        button(exam, "cmd_commit")->click();
        confirmations = visible_count<ExamDialogCommit>();
        auto* confirm = button(exam->commit_dialog(), "cmd_commit");
        confirm->click();
        confirm->click();
    });
    button(exam, "cmd_commit")->click();
    QApplication::processEvents();
    result_closer.stop();
    QCOMPARE(confirmations, 1);
    QCOMPARE(results, 1);
    QVERIFY(exam->finished());

    // 重新考试 twice: one start screen and no main menu.
    button(exam, "cmd_again")->click();
    button(exam, "cmd_again")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<ExamInit>(), 1);
    QCOMPARE(visible_count<MainControl>(), 0);
    QCOMPARE(visible_count<Exam>(), 0);
}

void TestExam::leaving_the_screens() {
    ExamFixture f;
    f.standard_pools();
    // The instructions closed through the frame: the menu stays as it was.
    auto* menu = new MainControl(*f.app);
    menu->show();
    in_dialog([] { open_screens<ExamDialog>()[0]->close(); });
    click(box(menu, "img_exam"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(open_screens<MainControl>(), QList<MainControl*>{menu});

    // The start screen closed without starting: a new main menu.
    auto* start = new ExamInit(*f.app);
    start->show();
    start->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<MainControl>(), 2);
    QCOMPARE(visible_count<ExamInit>(), 0);

    // The exam closed through its frame: its clock stops, its picture copy goes, a new main menu.
    close_all_screens();
    f.folder.exec("UPDATE questions SET type_picture = 4, name_media = 'q.png' WHERE type_xiaoche");
    write_file(f.folder.path() + "/tr/q.png", QByteArray(1, 'x') + picture_bytes(40, 30));
    Exam* exam = f.open_exam(0);
    ManualTicker* clock = f.clock_of(exam);
    QVERIFY(QFile::exists(f.folder.path() + "/rs/q.png"));
    exam->close();
    QVERIFY(!clock->is_active());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QFile::exists(f.folder.path() + "/rs/q.png"));
    QCOMPARE(visible_count<MainControl>(), 1);
    QCOMPARE(visible_count<Exam>(), 0);
}

void TestExam::start_screen_refuses_a_small_pool() {
    ExamFixture f(5);
    f.add_pools(5, {22, 21, 6});
    auto* start = new ExamInit(*f.app);
    start->show();
    button(start, "cmd_start_exam")->click();
    QVERIFY(start->shortage_message() != nullptr);
    QVERIFY(start->shortage_message()->isVisible());
    const QString text = start->shortage_message()->text();
    QVERIFY2(text.contains("安全文明") && text.contains("选择题") && text.contains("21") &&
                 text.contains("22"),
             qPrintable(text));
    QCOMPARE(visible_count<Exam>(), 0);
    QCOMPARE(visible_count<ExamInit>(), 1);
    QVERIFY(!start->exam_started());
    // Once the bank is mended, the same screen starts the exam.
    start->shortage_message()->accept();
    f.folder.exec("UPDATE questions SET type_safe = TRUE WHERE id = 6000 AND type_select = 0");
    button(start, "cmd_start_exam")->click();
    QCOMPARE(visible_count<Exam>(), 1);
}

void TestExam::question_media_and_odd_values() {
    ExamFixture f;
    f.standard_pools();
    ExamPaper paper;
    paper.paper_size = 100;
    const int big = pool_id(0, true_false, 0), small = pool_id(0, true_false, 1),
              missing = pool_id(0, true_false, 2), broken = pool_id(0, true_false, 3),
              unsafe = pool_id(0, true_false, 4), movie = pool_id(0, true_false, 5),
              odd_media = pool_id(0, true_false, 6), empty = pool_id(0, true_false, 7),
              odd_kind = pool_id(0, single_choice, 0), nulls = pool_id(0, single_choice, 1);
    const int ids[] = {big,    odd_media, small,  movie,    missing,
                       broken, empty,     unsafe, odd_kind, nulls};
    for (int i = 0; i < 10; ++i) paper.paper_ids[i] = qint16(ids[i]);
    for (int i = 10; i < 100; ++i) paper.paper_ids[i] = qint16(pool_id(0, single_choice, i));
    auto media = [&](int id, int kind, const QString& name) {
        f.folder.exec("UPDATE questions SET type_picture = ?, name_media = ? WHERE id = ?",
                      {kind, name, id});
    };
    media(big, 4, "big.png");
    media(small, 4, "small.png");
    media(missing, 4, "missing.png");
    media(broken, 4, "broken.png");
    media(unsafe, 4, "../aces/btn_init.rar");
    media(empty, 4, "empty.png");
    media(movie, 5, "m.gif");
    media(odd_media, 9, "big.png");
    f.folder.exec("UPDATE questions SET type_select = 7 WHERE id = ?", {odd_kind});
    f.folder.exec(
        "UPDATE questions SET question = NULL, question_b = NULL, answer = NULL WHERE id = ?",
        {nulls});
    write_file(f.folder.path() + "/tr/big.png", QByteArray(1, 'x') + picture_bytes(1000, 600));
    write_file(f.folder.path() + "/tr/small.png", QByteArray(1, 'x') + picture_bytes(100, 50));
    write_file(f.folder.path() + "/tr/broken.png", QByteArray("xnot a picture at all"));
    write_file(f.folder.path() + "/tr/empty.png", QByteArray(1, 'x'));
    write_file(f.folder.path() + "/aces/m.gif",
               QByteArray::fromHex("474946383961010001008000000000ffffff21f90400000000002c000000000"
                                   "10001000002024401003b"));

    auto* exam = new Exam(*f.app);
    exam->init(paper);
    exam->show();
    PictureBox* picture = box(exam, "img_question");
    QWidget* frame = child<QWidget>(exam, "frame_image");
    // A large picture: fitted inside the box, proportions kept, centred in the frame.
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->size(), QSize(px(5833), px(3500)));
    QCOMPARE(picture->geometry().center().x(), frame->width() / 2 - (picture->width() % 2 == 0));
    QVERIFY(QFile::exists(f.folder.path() + "/rs/big.png"));
    // The viewer opens on it, modal, with the exam's box.
    bool viewer_seen = false;
    in_dialog([&] {
        viewer_seen = exam->viewer() != nullptr && exam->viewer()->isModal();
        exam->viewer()->close();
    });
    click(picture);
    QVERIFY(viewer_seen);

    // A media kind of no meaning shows nothing rather than the previous picture.
    exam->next_question();
    QVERIFY(!picture->isVisible() && !exam->media_view()->isVisible());
    // A small picture: its own size, centred; the previous copy is gone.
    exam->next_question();
    QCOMPARE(picture->size(), QSize(100, 50));
    QVERIFY(!QFile::exists(f.folder.path() + "/rs/big.png"));
    // An animation plays; the picture's copy stays until the next picture.
    exam->next_question();
    QVERIFY(exam->media_view()->isVisible() && !picture->isVisible());
    QCOMPARE(exam->media_view()->path(), f.folder.path() + "/aces/m.gif");
    QVERIFY(QFile::exists(f.folder.path() + "/rs/small.png"));
    // Missing, unreadable, empty and unsafe pictures: no picture, the exam goes on.
    for (int i = 0; i < 4; ++i) {
        exam->next_question();
        QVERIFY(!picture->isVisible());
        QVERIFY(!exam->media_view()->isVisible());
    }
    QVERIFY(QFile::exists(f.folder.path() + "/aces/btn_init.rar"));
    // A question of no known kind offers no answer controls.
    exam->next_question();
    for (int i = 0; i < 4; ++i)
        QVERIFY(!button(exam, QStringLiteral("cmd_select_single_%1").arg(i))->isVisible());
    QVERIFY(!button(exam, "cmd_judge_0")->isVisible());
    QCOMPARE(label(exam, "label_tooltip")->text(), QString());
    // Null texts read as empty; a question without a key can only be answered wrongly.
    exam->next_question();
    QCOMPARE(label(exam, "label_question")->text(), QString("10. "));
    QCOMPARE(label(exam, "label_question_b")->text(), QString("B: "));
    button(exam, "cmd_select_single_0")->click();
    QCOMPARE(exam->session().result(9), qint16(2));
    QVERIFY(exam->isVisible());
}

void TestExam::exam_never_writes() {
    ExamFixture f;
    f.standard_pools();
    const QStringList before = f.dump();
    Exam* exam = f.open_exam(0);
    answer_all(exam, 95);
    in_dialog([&] {
        in_dialog([&] { exam->result_dialog()->accept(); });
        button(exam->commit_dialog(), "cmd_commit")->click();
    });
    button(exam, "cmd_commit")->click();
    QVERIFY(exam->finished());
    QCOMPARE(label(exam, "label_point")->text(), QString("得分：95分"));
    exam->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.dump(), before);
}

// rs/ cannot be written: the picture is still shown and enlarged, from a copy of the user's own.
void TestExam::picture_from_a_read_only_folder() {
    ExamFixture f;
    f.standard_pools();
    f.folder.exec("UPDATE questions SET type_picture = 4, name_media = 'q.png' WHERE type_xiaoche");
    write_file(f.folder.path() + "/tr/q.png", QByteArray(1, 'x') + picture_bytes(1000, 600));
    const QString rs = f.folder.path() + "/rs";
    AsOrdinaryUser user(f.folder);
    set_writable(rs, false);
    Exam* exam = f.open_exam(0);
    PictureBox* picture = box(exam, "img_question");
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->size(), QSize(px(5833), px(3500)));
    const QString copy = temp_picture_path(f.folder.path(), "q.png");
    QVERIFY2(!copy.startsWith(f.folder.path() + "/"), qPrintable(copy));
    QCOMPARE(picture->picture_path(), copy);
    bool viewer_seen = false;
    in_dialog([&] {
        viewer_seen = exam->viewer() != nullptr && exam->viewer()->layout_used().stretched;
        exam->viewer()->close();
    });
    click(picture);
    QVERIFY(viewer_seen);
    exam->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(QDir(rs).isEmpty());
}

void TestExam::exam_runs_on_a_read_only_or_busy_bank() {
    ExamFixture f;
    f.standard_pools();
    // Another program holds a write lock on the bank and the folder cannot be written.
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other_program");
    other.setDatabaseName(f.folder.bank_path());
    QVERIFY(other.open());
    QSqlQuery lock(other);
    QVERIFY(lock.exec("BEGIN IMMEDIATE"));
    QVERIFY(lock.exec("UPDATE car SET car_detail = car_detail"));
    QFile::setPermissions(f.folder.bank_path(), QFile::ReadOwner | QFile::ReadGroup);
    QFile::setPermissions(f.folder.path() + "/aces", QFile::ReadOwner | QFile::ExeOwner);

    Exam* exam = f.open_exam(0);
    answer_all(exam, 90);
    ManualTicker* clock = f.clock_of(exam);
    in_dialog([&] { exam->result_dialog()->accept(); });
    while (clock->is_active()) clock->fire();
    QVERIFY(exam->finished());
    QCOMPARE(label(exam, "label_point")->text(), QString("得分：90分"));

    QFile::setPermissions(f.folder.path() + "/aces",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(f.folder.bank_path(), QFile::ReadOwner | QFile::WriteOwner);
    lock.exec("ROLLBACK");
    lock = QSqlQuery();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other_program");
}

// The answer keys act as the buttons of the question on screen do; keys of another kind of
// question mean nothing.
void TestExam::answer_keys_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("answered");
    // Category 5: true/false in slots 0–21, single choice 22–43, multiple choice 44–49.
    QTest::newRow("single, B") << 22 << QList<int>{Qt::Key_B} << "B" << true;
    QTest::newRow("single, A then 3") << 22 << QList<int>{Qt::Key_A, Qt::Key_3} << "C" << true;
    QTest::newRow("single, keypad 4") << 22 << QList<int>{keypad(Qt::Key_4)} << "D" << true;
    QTest::newRow("single, Y and N") << 22 << QList<int>{Qt::Key_Y, Qt::Key_N} << "" << false;
    QTest::newRow("multiple, A 2 D")
        << 44 << QList<int>{Qt::Key_A, Qt::Key_2, Qt::Key_D} << "ABD" << true;
    QTest::newRow("multiple, C and 3 toggle")
        << 44 << QList<int>{Qt::Key_C, Qt::Key_3} << "" << true;
    QTest::newRow("true/false, Y") << 0 << QList<int>{Qt::Key_Y} << "Y" << true;
    QTest::newRow("true/false, 1 then N") << 0 << QList<int>{Qt::Key_1, Qt::Key_N} << "N" << true;
    QTest::newRow("true/false, keypad 2") << 0 << QList<int>{keypad(Qt::Key_2)} << "N" << true;
    QTest::newRow("true/false, letters")
        << 0 << QList<int>{Qt::Key_A, Qt::Key_3, Qt::Key_D} << "" << false;
}

void TestExam::answer_keys() {
    QFETCH(int, slot);
    QFETCH(QList<int>, keys);
    QFETCH(QString, answer);
    QFETCH(bool, answered);
    ExamFixture f(5);
    f.standard_pools();
    Exam* exam = f.open_exam(5);
    exam->go_to_slot(slot);
    for (int key : keys) press(exam, key);

    const ExamQuestion& q = exam->session().question();
    QCOMPARE(exam->session().current_slot(), slot);
    QCOMPARE(exam->session().answer(slot), answer);
    QCOMPARE(exam->session().result(slot), qint16(!answered                  ? 0
                                                  : answer == q.right_answer ? 1
                                                                             : 2));
    QCOMPARE(exam->sheet()->answer_text(slot), sheet_cell_text(q.kind, answer));
    if (q.kind == true_false) {
        QCOMPARE(box(exam, "img_answer")->picture_path(),
                 answer == "Y"   ? QString("imgs/answer_exam_right.jpg")
                 : answer == "N" ? QString("imgs/answer_exam_error.jpg")
                                 : QString());
    } else {
        QCOMPARE(label(exam, "label_answer_result")->text(), answer);
    }
    if (q.kind == multiple_choice)
        for (int i = 0; i < 4; ++i)
            QCOMPARE(child<QCheckBox>(exam, QStringLiteral("check_multi_%1").arg(i))->isChecked(),
                     answer.contains(QChar('A' + i)));
}

// The move keys run the wrong-answer check as the buttons do, and one press moves one question.
void TestExam::move_keys_check_wrong_answers_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("step");
    QTest::newRow("→") << int(Qt::Key_Right) << 1;
    QTest::newRow("PgDn") << int(Qt::Key_PageDown) << 1;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
    QTest::newRow("keypad Enter") << keypad(Qt::Key_Enter) << 1;
    QTest::newRow("←") << int(Qt::Key_Left) << -1;
    QTest::newRow("PgUp") << int(Qt::Key_PageUp) << -1;
}

void TestExam::move_keys_check_wrong_answers() {
    QFETCH(int, key);
    QFETCH(int, step);
    ExamFixture f;
    f.standard_pools();
    Exam* exam = f.open_exam(0);
    exam->go_to_slot(5);
    int notices = 0;
    auto count_notice = [&] {
        activate(exam);
        in_dialog([&] {
            if (!exam->notice()) return;
            ++notices;
            exam->notice()->reject();
        });
    };

    // Unanswered: no notice.
    count_notice();
    press(exam, key);
    QApplication::processEvents();
    QCOMPARE(notices, 0);
    QCOMPARE(exam->session().current_slot(), 5 + step);

    // Wrong: the notice, then one step on, the cell marked.
    answer(exam, false);
    count_notice();
    press(exam, key);
    QCOMPARE(notices, 1);
    QCOMPARE(exam->session().current_slot(), 5 + 2 * step);
    QVERIFY(exam->sheet()->is_marked_wrong(5 + step));

    // At the end of the paper the key does not move but still checks.
    const int end = step > 0 ? 99 : 0;
    exam->go_to_slot(end);
    answer(exam, false);
    count_notice();
    press(exam, key);
    QCOMPARE(notices, 2);
    QCOMPARE(exam->session().current_slot(), end);
}

// A locked question keeps its answer, and once the exam is submitted the answer keys answer
// nothing (the moves still work and Esc asks nothing).
void TestExam::keys_leave_locked_and_finished_answers() {
    ExamFixture f(5);
    f.standard_pools();
    Exam* exam = f.open_exam(5);
    struct Locked {
        int slot;
        QList<int> answer_keys;
        QString answer;
    };
    for (const Locked& l :
         {Locked{22, {Qt::Key_C}, "C"}, Locked{44, {Qt::Key_A, Qt::Key_B, Qt::Key_D}, "ABD"}}) {
        exam->go_to_slot(l.slot);
        for (int key : l.answer_keys) press(exam, key);
        press(exam, Qt::Key_Right);
        press(exam, Qt::Key_Left);
        QCOMPARE(exam->session().current_slot(), l.slot);
        QVERIFY(exam->session().locked());
        for (int key : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_4}) press(exam, key);
        QCOMPARE(exam->session().answer(l.slot), l.answer);
        QCOMPARE(exam->session().result(l.slot), qint16(1));
        QCOMPARE(label(exam, "label_answer_result")->text(), l.answer);
    }
    exam->go_to_slot(0);
    answer(exam, true);
    const QString given = exam->session().answer(0);
    exam->go_to_slot(1);
    exam->go_to_slot(0);
    for (int key : {Qt::Key_Y, Qt::Key_N, Qt::Key_1, Qt::Key_2}) press(exam, key);
    QCOMPARE(exam->session().answer(0), given);

    // Submitted with Esc and 确认交卷.
    activate(exam);
    in_dialog([&] {
        in_dialog([&] { button(exam->result_dialog(), "cmd_close")->click(); });
        button(exam->commit_dialog(), "cmd_commit")->click();
    });
    press(exam, Qt::Key_Escape);
    QVERIFY(exam->finished());
    exam->go_to_slot(30);
    for (int key : {Qt::Key_A, Qt::Key_3}) press(exam, key);
    QCOMPARE(exam->session().result(30), qint16(0));
    bool asked = false;
    activate(exam);
    in_dialog([&] {
        asked = exam->commit_dialog() != nullptr;
        if (asked) exam->commit_dialog()->reject();
    });
    press(exam, Qt::Key_Escape);
    QApplication::processEvents();
    QVERIFY(!asked);
    press(exam, Qt::Key_PageDown);
    QCOMPARE(exam->session().current_slot(), 31);
}

// Esc never ends the exam by itself: it asks as 交卷 does, and Enter there goes on with the exam.
void TestExam::escape_asks_before_submitting_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("submitted");
    QTest::newRow("Esc") << "Esc" << false;
    QTest::newRow("Enter") << "Enter" << false;
    QTest::newRow("确认交卷") << "cmd_commit" << true;
}

void TestExam::escape_asks_before_submitting() {
    QFETCH(QString, reply);
    QFETCH(bool, submitted);
    ExamFixture f;
    f.standard_pools();
    Exam* exam = f.open_exam(0);
    bool asked = false;
    activate(exam);
    in_dialog([&] {
        ExamDialogCommit* commit = exam->commit_dialog();
        asked = commit != nullptr && commit->isModal();
        if (reply == "cmd_commit") {
            in_dialog([&] { exam->result_dialog()->reject(); });
            button(commit, reply)->click();
        } else {
            press(commit, reply == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        }
    });
    press(exam, Qt::Key_Escape);
    QApplication::processEvents();
    QVERIFY(asked);
    QCOMPARE(visible_count<ExamDialogCommit>(), 0);
    QCOMPARE(exam->submitted(), submitted);
    QCOMPARE(f.clock_of(exam)->is_active(), !submitted);
}

// The notice takes Enter and Esc only once 继续考试 works, and never a key held down; the key
// that closes it does nothing on the exam screen.
void TestExam::notice_takes_keys_after_five_seconds_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << keypad(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestExam::notice_takes_keys_after_five_seconds() {
    QFETCH(int, key);
    ExamFixture f;
    f.standard_pools();
    Exam* exam = f.open_exam(0);
    answer(exam, false);
    QList<int> open_after_key;  // the ticks before which a key left the notice open
    bool held_key_ignored = false, closed_by_key = false, asked = false;
    activate(exam);
    in_dialog([&] {
        ExamDialogError* notice = exam->notice();
        auto* ticker = static_cast<ManualTicker*>(notice->timer_continue());
        for (int tick = 0; tick < 5; ++tick) {
            press(notice, key);
            if (!notice->isVisible()) return;
            open_after_key << tick;
            ticker->fire();
        }
        QKeyEvent held(QEvent::KeyPress, Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                       Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)), QString(), true);
        QApplication::sendEvent(notice, &held);
        held_key_ignored = notice->isVisible();
        // Should the key reach the exam screen as well, its Esc would ask to submit.
        in_dialog([&] {
            asked = exam->commit_dialog() != nullptr;
            if (asked) exam->commit_dialog()->reject();
        });
        press(notice, key);
        closed_by_key = !notice->isVisible();
    });
    press(exam, Qt::Key_Right);
    QApplication::processEvents();
    QCOMPARE(open_after_key, (QList<int>{0, 1, 2, 3, 4}));
    QVERIFY(held_key_ignored);
    QVERIFY(closed_by_key);
    QVERIFY(!asked);
    QCOMPARE(exam->session().current_slot(), 1);
}

// The instructions and the start screen: Enter starts, Esc goes back as closing the window does.
void TestExam::start_screens_take_enter_and_escape_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("menus");
    QTest::addColumn<int>("starts");
    QTest::addColumn<int>("exams");
    QTest::newRow("instructions, Enter") << "instructions" << int(Qt::Key_Return) << 0 << 1 << 0;
    QTest::newRow("instructions, Esc") << "instructions" << int(Qt::Key_Escape) << 1 << 0 << 0;
    QTest::newRow("start, Enter") << "start" << int(Qt::Key_Return) << 0 << 0 << 1;
    QTest::newRow("start, keypad Enter") << "start" << keypad(Qt::Key_Enter) << 0 << 0 << 1;
    QTest::newRow("start, Esc") << "start" << int(Qt::Key_Escape) << 1 << 0 << 0;
}

void TestExam::start_screens_take_enter_and_escape() {
    QFETCH(QString, screen);
    QFETCH(int, key);
    QFETCH(int, menus);
    QFETCH(int, starts);
    QFETCH(int, exams);
    ExamFixture f;
    f.standard_pools();
    if (screen == "instructions") {
        auto* menu = new MainControl(*f.app);
        menu->show();
        bool stuck = false;
        activate(menu);
        in_dialog([&] {
            ExamDialog* dialog = open_screens<ExamDialog>()[0];
            press(dialog, key);
            stuck = dialog->isVisible();
            if (stuck) dialog->close();
        });
        emit box(menu, "img_exam")->clicked();
        QVERIFY(!stuck);
    } else {
        auto* start = new ExamInit(*f.app);
        start->show();
        press(start, key);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visible_count<MainControl>(), menus);
    QCOMPARE(visible_count<ExamInit>(), starts);
    QCOMPARE(visible_count<Exam>(), exams);
    QCOMPARE(visible_count<ExamDialog>(), 0);
}

QTEST_MAIN(TestExam)
#include "tst_exam.moc"
