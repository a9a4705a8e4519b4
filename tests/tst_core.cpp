// Start-up state, lookups, the question-bank connection and the skin picture cache.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <memory>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/bank_file.h"
#include "core/car_type.h"
#include "core/picture_box.h"
#include "core/picture_fit.h"
#include "core/picture_loader.h"
#include "core/question_bank.h"
#include "core/question_keys.h"
#include "core/screen.h"
#include "core/skin_images.h"
#include "core/twips.h"
#include "fixture.h"
#include "screen_helpers.h"

using namespace trelvo;

Q_DECLARE_METATYPE(trelvo::Message::Kind)

class TestCore final : public QObject {
    Q_OBJECT

  private slots:
    void current_category_starts_as_small_car();
    void lookups_data();
    void lookups();
    void captions();
    void twips_round_to_nearest_pixel();
    void pictures_fit_inside_keeping_proportions_data();
    void pictures_fit_inside_keeping_proportions();

    void connection_opens_once();
    void unusable_bank_files_data();
    void unusable_bank_files();
    void value_conventions();
    void unknown_tables_are_refused();
    void transaction_rolls_back_when_not_committed();
    void busy_bank_at_start_is_reported_as_busy();
    void bank_stays_in_wal_mode_and_whole();
    void wal_switch_waits_for_an_earlier_reader();
    void bank_read_as_it_lies_follows_a_writer();
    void bank_without_shared_memory_data();
    void bank_without_shared_memory();
    void shared_banks_are_untrusted();
    void read_only_bank_is_announced_at_start_data();
    void read_only_bank_is_announced_at_start();
    void message_boxes_answer_esc_with_cancel_data();
    void message_boxes_answer_esc_with_cancel();

    void skin_slots_fill_once_and_fail_while_missing();
    void design_pictures_are_compiled_in();
    void high_resolution_variants_match_the_pixel_ratio_data();
    void high_resolution_variants_match_the_pixel_ratio();
    void pictures_are_read_by_content_when_the_suffix_lies();

    void long_text_uses_the_full_width_then_shrinks_then_scrolls();
    void question_keys_data();
    void question_keys();
};

void TestCore::pictures_fit_inside_keeping_proportions_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("fitted");
    const QSize practice(6240, 3400), exam(8750, 3500);
    QTest::newRow("fits: unchanged") << QSize(3000, 2000) << practice << QSize(3000, 2000);
    QTest::newRow("exactly the box") << practice << practice << practice;
    QTest::newRow("wide: width decides") << QSize(9000, 4000) << practice << QSize(6240, 2773);
    QTest::newRow("tall: height decides") << QSize(6500, 6000) << practice << QSize(3683, 3400);
    // The larger excess in twips is the width's, yet the height overshoots by the larger ratio.
    QTest::newRow("both too large, height decides")
        << QSize(10000, 7000) << practice << QSize(4857, 3400);
    QTest::newRow("exam box") << QSize(9000, 5000) << exam << QSize(6300, 3500);
    QTest::newRow("extreme strip keeps a pixel") << QSize(600000, 10) << exam << QSize(8750, 1);
    QTest::newRow("empty picture") << QSize(0, 0) << practice << QSize(0, 0);
}

void TestCore::pictures_fit_inside_keeping_proportions() {
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QSize, fitted);
    QCOMPARE(fit_inside(picture, box), fitted);
}

void TestCore::current_category_starts_as_small_car() {
    QCOMPARE(get_car_type(), CarType(0));
    QCOMPARE(car_type_name(), QStringLiteral("小车类"));
}

void TestCore::lookups_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("small car") << 0 << "小车类"
                               << "xiaoche";
    QTest::newRow("truck") << 1 << "货车类"
                           << "huoche";
    QTest::newRow("bus") << 2 << "客车类"
                         << "keche";
    QTest::newRow("motorcycle") << 3 << "摩托车类"
                                << "motuoche";
    QTest::newRow("safe driving") << 5 << "安全文明驾驶常识类"
                                  << "safe";
    QTest::newRow("unused 4") << 4 << ""
                              << "";
    QTest::newRow("negative") << -1 << ""
                              << "";
}

void TestCore::lookups() {
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(QString, prefix);
    set_car_type(CarType(code));
    QCOMPARE(car_type_name(), name);
    const auto table = [&](const char* suffix) {
        return prefix.isEmpty() ? QString() : prefix + QLatin1String(suffix);
    };
    QCOMPARE(sequence_table_name(), table("_sequence"));
    QCOMPARE(chapter_list_table_name(), table("_chapter"));
    QCOMPARE(special_list_table_name(), table("_special"));
    QCOMPARE(error_table_name(), table("_error"));
    set_car_type(0);
}

void TestCore::captions() {
    QCOMPARE(chapter_caption(0), QStringLiteral("第1章节"));
    QCOMPARE(chapter_caption(5), QStringLiteral("第6章节"));
    // Every chapter has its number, also past the sixth.
    QCOMPARE(chapter_caption(6), QStringLiteral("第7章节"));
    QCOMPARE(chapter_caption(32767), QStringLiteral("第32768章节"));
    QCOMPARE(chapter_caption(-1), QString());
    QCOMPARE(unit_caption(0), QStringLiteral("第1单元"));
    QCOMPARE(unit_caption(9), QStringLiteral("第10单元"));
    QCOMPARE(unit_caption(16), QStringLiteral("第17单元"));
    QVERIFY_THROWS_EXCEPTION(AppError, unit_caption(32767));
    QCOMPARE(product_title(), QStringLiteral(" Trelvo驾考软件 v2013.03"));
}

void TestCore::twips_round_to_nearest_pixel() {
    QCOMPARE(px(15), 1);
    QCOMPARE(px(7), 0);
    QCOMPARE(px(8), 1);
    QCOMPARE(px(14910), 994);
    QCOMPARE(px(10140), 676);
    QCOMPARE(px(-30), -2);
    QCOMPARE(twips_rect(1110, 600, 2340, 525), QRect(74, 40, 156, 35));
}

void TestCore::connection_opens_once() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    QuestionBank bank(folder.bank_path());
    QCOMPARE(bank.times_opened(), 0);
    const QString first = bank.get_connection().connectionName();
    const QString second = bank.get_connection().connectionName();
    QCOMPARE(first, second);
    QCOMPARE(bank.times_opened(), 1);
    QVERIFY(bank.get_connection().isOpen());
}

void TestCore::unusable_bank_files_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cause_part");
    QByteArray jet(2048, '\0');
    jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    QTest::newRow("missing") << QByteArray() << false << "找不到题库文件"
                             << "文件不存在";
    QTest::newRow("access file") << jet << true << "题库文件格式不对"
                                 << "Access";
    QTest::newRow("text file") << QByteArray(4096, 'x') << true << "题库文件格式不对"
                               << "不是 SQLite";
    QTest::newRow("empty file") << QByteArray("") << true << "题库文件是空的"
                                << "0 字节";
    QByteArray no_tables;  // a sound SQLite database that holds nothing of a bank
    {
        test::ProgramFolder scratch;
        scratch.exec("PRAGMA user_version = 7");
        QFile f(scratch.bank_path());
        if (f.open(QIODevice::ReadOnly)) no_tables = f.readAll();
    }
    QTest::newRow("not a bank") << no_tables << true << "题库文件不是本程序的题库"
                                << "questions";
    QByteArray damaged;  // the header is sound, the table list behind it is not
    {
        test::ProgramFolder scratch;
        scratch.create_bank(test::four_categories(0));
        QFile f(scratch.bank_path());
        if (f.open(QIODevice::ReadOnly)) damaged = f.readAll();
        damaged.replace(100, 400, QByteArray(400, '\xA5'));
    }
    QTest::newRow("damaged") << damaged << true << "题库文件已损坏"
                             << "malformed";
}

void TestCore::unusable_bank_files() {
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(QString, message);
    QFETCH(QString, cause_part);
    test::ProgramFolder folder;
    if (create) {
        QFile f(folder.bank_path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QuestionBank bank(folder.bank_path());
    try {
        bank.get_connection();
        QFAIL("an unusable bank file was accepted");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), message);
        QVERIFY2(e.cause().contains(cause_part), qPrintable(e.cause()));
        // The file holds the learner's progress: nothing invites them to throw it away.
        QVERIFY(!(e.message() + e.cause()).contains(QStringLiteral("删除")));
    }
    // Nothing is created in place of a missing bank, and a foreign file is left as it was.
    QCOMPARE(QFile::exists(folder.bank_path()), create);
    if (create) {
        QFile f(folder.bank_path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void TestCore::value_conventions() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    folder.exec("CREATE TABLE t (big INTEGER, missing TEXT, flag BOOLEAN, neg INTEGER)");
    folder.exec("INSERT INTO t VALUES (40000, NULL, 1, -32768)");
    QuestionBank bank(folder.bank_path());
    Rows rows = bank.query("SELECT big, missing, flag, neg FROM t");
    QVERIFY(rows.next());
    try {
        rows.int16(0);
        QFAIL("a value beyond 16 bits was read");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QStringLiteral("数值溢出"));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, rows.text(1));
    QCOMPARE(rows.text_or_empty(1), QString());
    QCOMPARE(rows.yes_no(2), true);
    QCOMPARE(rows.int16(3), qint16(-32768));
    QVERIFY(!rows.next());
    QVERIFY_THROWS_EXCEPTION(AppError, rows.int16(0));  // past the last row

    QCOMPARE(bank.scalar("SELECT count(*) FROM car WHERE is_selected = TRUE"), qint16(1));
}

void TestCore::unknown_tables_are_refused() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    QuestionBank bank(folder.bank_path());
    QCOMPARE(bank.table("xiaoche_sequence"), QStringLiteral("xiaoche_sequence"));
    QCOMPARE(bank.table("XiaoChe_Sequence"), QStringLiteral("xiaoche_sequence"));  // as SQL does
    QCOMPARE(bank.count_rows("xiaoche_sequence"), qint16(12));
    for (const char* name : {"", "nosuch", "car; DELETE FROM car", "car --"})
        QVERIFY_THROWS_EXCEPTION(AppError, bank.table(name));
    QCOMPARE(folder.scalar("SELECT count(*) FROM car").toInt(), 4);
}

void TestCore::transaction_rolls_back_when_not_committed() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    QuestionBank bank(folder.bank_path());
    {
        QuestionBank::Transaction t(bank);
        bank.exec("UPDATE car SET is_selected = FALSE");
    }
    QCOMPARE(bank.scalar("SELECT count(*) FROM car WHERE is_selected = TRUE"), qint16(1));
    {
        QuestionBank::Transaction t(bank);
        bank.exec("UPDATE car SET car_title = ? WHERE id = ?", {QStringLiteral("新标题"), 0});
        t.commit();
    }
    QCOMPARE(folder.scalar("SELECT car_title FROM car WHERE id = 0").toString(),
             QStringLiteral("新标题"));
}

void TestCore::busy_bank_at_start_is_reported_as_busy() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    QuestionBank bank(folder.bank_path());
    bank.set_busy_timeout(50);
    {
        test::BankLock writer(folder.bank_path(), "BEGIN EXCLUSIVE");
        try {
            bank.get_connection();
            QFAIL("a bank locked by another program was opened");
        } catch (const AppError& e) {
            QCOMPARE(e.message(), QStringLiteral("题库文件正被其他程序占用"));
            QVERIFY2(e.cause().contains("locked"), qPrintable(e.cause()));  // the driver's words
        }
    }
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));  // and once it is free, it opens
}

namespace {

int journal_mode(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return int(file.read(20).at(18));  // 1: rollback journal, 2: WAL
}

QString car_title(const QString& path) {
    QString title;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "copy");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec("SELECT car_title FROM car WHERE id = 0") && q.next())
            title = q.value(0).toString();
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase("copy");
    return title;
}

void set_title(QuestionBank& bank, const QString& title) {
    QuestionBank::Transaction t(bank);
    bank.exec("UPDATE car SET car_title = ? WHERE id = 0", {title});
    t.commit();
}

}  // namespace

void TestCore::bank_stays_in_wal_mode_and_whole() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    const QString path = folder.bank_path();
    const auto beside = [&] { return QDir(folder.path() + "/aces").entryList(QDir::Files); };
    QuestionBank bank(path);
    bank.set_busy_timeout(50);
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));
    QVERIFY(bank.in_wal_mode());

    // Each save reaches the file itself at once: a copy of the file alone, taken while the
    // program still runs (or after it crashed), holds it.
    set_title(bank, "第一次保存");
    // Nothing is left in the WAL that a crash now could leave behind to be replayed; and a bank
    // that a program has open is never taken for one at rest, WAL empty or not.
    QCOMPARE(QFileInfo(path + "-wal").size(), 0);
    QVERIFY(!wal_file_at_rest(path));
    QTemporaryDir elsewhere;
    QVERIFY(QFile::copy(path, elsewhere.filePath("copy.rar")));
    QCOMPARE(car_title(elsewhere.filePath("copy.rar")), QStringLiteral("第一次保存"));

    {
        // Another program still reading at close keeps the WAL; it moves the save into the file
        // when it lets go.
        test::BankLock reader(path, "BEGIN");
        set_title(bank, "第二次保存");
        bank.close();
    }
    QVERIFY(QFile::copy(path, elsewhere.filePath("copy2.rar")));
    QCOMPARE(car_title(elsewhere.filePath("copy2.rar")), QStringLiteral("第二次保存"));
    // Closed, the file stays in WAL mode with nothing beside it.
    QCOMPARE(journal_mode(path), 2);
    QCOMPARE(beside(), QStringList{"btn_init.rar"});
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));
    bank.close();
    QCOMPARE(journal_mode(path), 2);
    QCOMPARE(beside(), QStringList{"btn_init.rar"});
    QVERIFY(wal_file_at_rest(path));
    // Left by a program that ended early: an empty WAL alone holds nothing, but a -shm file is
    // what a program that has the bank open keeps beside it.
    QVERIFY(QFile(path + "-wal").open(QIODevice::WriteOnly));
    QVERIFY(wal_file_at_rest(path));
    QVERIFY(QFile(path + "-shm").open(QIODevice::WriteOnly));
    QVERIFY(!wal_file_at_rest(path));
}

// A bank in the rollback journal that another program already reads when the program opens it:
// the switch is tried again until that program lets go, after which its reads never hold up a
// save.
void TestCore::wal_switch_waits_for_an_earlier_reader() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    const QString path = folder.bank_path();
    QCOMPARE(journal_mode(path), 1);
    auto reader = std::make_unique<test::BankLock>(path, "BEGIN");
    QuestionBank bank(path);
    bank.set_busy_timeout(50);
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));
    QVERIFY(!bank.in_wal_mode());
    QTest::qWait(QuestionBank::wal_retry_interval_ms + 500);
    QVERIFY(!bank.in_wal_mode());  // still held

    reader.reset();
    QTRY_VERIFY_WITH_TIMEOUT(bank.in_wal_mode(), 3 * QuestionBank::wal_retry_interval_ms);
    reader = std::make_unique<test::BankLock>(path, "BEGIN");
    set_title(bank, "读取时保存");
    reader.reset();
    QCOMPARE(folder.scalar("SELECT car_title FROM car WHERE id = 0").toString(),
             QStringLiteral("读取时保存"));
}

// Another user who may not write the bank reads it as it lies; when its owner then starts and
// saves, the pages this program cached no longer fit the file. Read again the usual way (through
// the owner's WAL), nothing is damaged.
void TestCore::bank_read_as_it_lies_follows_a_writer() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    const QString path = folder.bank_path();
    QuestionBank(path).scalar("SELECT count(*) FROM car");  // left in WAL mode by an earlier run
    QVERIFY(wal_file_at_rest(path));
    std::unique_ptr<QuestionBank> reader;
    const auto count_as_reader = [&] {
        test::AsOrdinaryUser user(folder);
        return reader->scalar("SELECT count(*) FROM car");
    };
    {
        test::AsOrdinaryUser user(folder);
        test::set_writable(path, false);
        reader = std::make_unique<QuestionBank>(path);
        QCOMPARE(reader->scalar("SELECT count(*) FROM car"), qint16(4));
    }
    // The owner's program (here root, whom the file's mode does not stop) rewrites the car
    // table's pages and ends before the reader reads again ...
    QuestionBank owner(path);
    {
        QuestionBank::Transaction t(owner);
        owner.exec("DELETE FROM car");
        for (int i = 0; i < 40; ++i)
            owner.exec("INSERT INTO car (id, car_title, is_selected) VALUES (?, ?, 0)",
                       {i, QString(200, QChar('x'))});
        t.commit();
    }
    owner.close();
    QCOMPARE(count_as_reader(), qint16(40));
    // ... or is still running.
    owner.exec("DELETE FROM car WHERE id >= 30");
    QCOMPARE(count_as_reader(), qint16(30));
    {
        test::AsOrdinaryUser user(folder);
        QCOMPARE(reader->write_problem(), QStringLiteral("题库文件是只读的，或不属于当前用户"));
        reader.reset();
        test::set_writable(path, true);
    }
}

// A file system that cannot map SQLite's shared WAL index: the bank must stay usable there,
// and readable by other programs, whether it arrives in the rollback journal or in WAL mode.
void TestCore::bank_without_shared_memory_data() {
    QTest::addColumn<bool>("wal");
    QTest::newRow("rollback bank") << false;
    QTest::newRow("bank left in WAL mode") << true;
}

void TestCore::bank_without_shared_memory() {
    QFETCH(bool, wal);
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    const QString path = folder.bank_path();
    if (wal) QuestionBank(path).scalar("SELECT count(*) FROM car");
    QCOMPARE(journal_mode(path), wal ? 2 : 1);

    test::NoSharedMemory no_shared_memory;
    QuestionBank bank(path);
    bank.set_busy_timeout(50);
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));
    QVERIFY(!bank.in_wal_mode());
    set_title(bank, "没有共享内存");
    QCOMPARE(journal_mode(path), 1);
    QCOMPARE(folder.scalar("SELECT car_title FROM car WHERE id = 0").toString(),
             QStringLiteral("没有共享内存"));
    bank.close();
    QCOMPARE(bank.scalar("SELECT count(*) FROM car"), qint16(4));  // and on the next start
    QCOMPARE(journal_mode(path), 1);
}

void TestCore::shared_banks_are_untrusted() {
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    // A trigger that would load code into the program whenever a category is saved.
    folder.exec(
        "CREATE TRIGGER payload AFTER UPDATE ON car BEGIN SELECT load_extension('/tmp/x'); END");
    QuestionBank bank(folder.bank_path());
    QCOMPARE(bank.scalar("PRAGMA trusted_schema"), qint16(0));
    try {
        bank.exec("UPDATE car SET is_selected = is_selected");
        QFAIL("a trigger in the bank called a function with side effects");
    } catch (const AppError& e) {
        QVERIFY2(e.cause().contains("unsafe use of load_extension"), qPrintable(e.cause()));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, bank.scalar("SELECT load_extension('/tmp/x')"));
}

void TestCore::read_only_bank_is_announced_at_start_data() {
    QTest::addColumn<QString>("made_read_only");
    QTest::addColumn<bool>("wal");  // left in WAL mode by an earlier run
    QTest::addColumn<int>("messages");
    QTest::newRow("writable") << "" << false << 0;
    QTest::newRow("read-only file") << "aces/btn_init.rar" << false << 1;
    QTest::newRow("read-only folder") << "aces" << false << 1;
    QTest::newRow("WAL, writable") << "" << true << 0;
    QTest::newRow("WAL, read-only file") << "aces/btn_init.rar" << true << 1;
    QTest::newRow("WAL, read-only folder") << "aces" << true << 1;
    // Left read-only by a program that read the bank while it was read-only: given back its
    // write permission, since it is the learner's own.
    QTest::newRow("WAL, read-only side file") << "aces/btn_init.rar-shm" << true << 0;
}

void TestCore::read_only_bank_is_announced_at_start() {
    QFETCH(QString, made_read_only);
    QFETCH(bool, wal);
    QFETCH(int, messages);
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    if (wal) QuestionBank(folder.bank_path()).scalar("SELECT count(*) FROM car");
    QCOMPARE(journal_mode(folder.bank_path()), wal ? 2 : 1);
    const QString blocked = folder.path() + "/" + made_read_only;
    if (made_read_only.endsWith("-shm")) QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
    test::AsOrdinaryUser user(folder);
    if (!made_read_only.isEmpty()) test::set_writable(blocked, false);
    QFile bank_file(folder.bank_path());
    QVERIFY(bank_file.open(QIODevice::ReadOnly));
    const QByteArray before = bank_file.readAll();
    bank_file.close();

    AppContext app(folder.path());
    test::MessageLog log;
    log.install(app);
    app.warn_when_read_only(nullptr);
    QCOMPARE(log.shown.size(), messages);
    if (messages > 0) {
        QCOMPARE(log.shown[0].kind, Message::Kind::information);
        QVERIFY(log.shown[0].text.contains(QStringLiteral("无法保存练习记录")));
        QVERIFY(log.shown[0].text.contains(QStringLiteral("复制到您自己的文件夹")));
    }
    // Trying leaves no trace: the file as it was, no journal or WAL side files beside it; reading
    // still works.
    QCOMPARE(app.bank().scalar("SELECT count(*) FROM car"), qint16(4));
    app.bank().close();
    QVERIFY(bank_file.open(QIODevice::ReadOnly));
    if (!made_read_only.isEmpty()) QCOMPARE(bank_file.readAll(), before);
    QCOMPARE(QDir(folder.path() + "/aces").entryList(QDir::Files), QStringList{"btn_init.rar"});
    if (!made_read_only.isEmpty() && QFile::exists(blocked)) test::set_writable(blocked, true);
}

void TestCore::message_boxes_answer_esc_with_cancel_data() {
    QTest::addColumn<Message::Kind>("kind");
    QTest::addColumn<QString>("yes");
    QTest::newRow("retry") << Message::Kind::retry << "重试";
    QTest::newRow("confirm") << Message::Kind::confirm << "确定";
}

void TestCore::message_boxes_answer_esc_with_cancel() {
    QFETCH(Message::Kind, kind);
    QFETCH(QString, yes);
    Message m{kind, "标题", "正文", "细节"};
    QStringList seen;
    auto press = [&](int key) {
        QTimer::singleShot(0, [&seen, key] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) return;
            for (QPushButton* b : box->findChildren<QPushButton*>()) seen << b->text();
            QTest::keyClick(box, Qt::Key(key));
        });
    };
    press(Qt::Key_Escape);
    QVERIFY(!show_message_box(nullptr, m));
    QCOMPARE(seen, (QStringList{yes, "取消"}));
    // Enter takes 重试, but never the destructive 确定.
    press(Qt::Key_Return);
    QCOMPARE(show_message_box(nullptr, m), kind == Message::Kind::retry);
}

void TestCore::skin_slots_fill_once_and_fail_while_missing() {
    test::ProgramFolder folder;
    folder.paint_skins();
    PictureLoader loader(folder.path());
    SkinImages skins(loader);
    QVERIFY(!skins.is_filled(SkinImages::exam));
    const QPixmap first = skins.cached_picture(SkinImages::exam);
    QVERIFY(skins.is_filled(SkinImages::exam));
    QCOMPARE(skins.cached_picture(SkinImages::exam).cacheKey(), first.cacheKey());
    QCOMPARE(loader.file_reads("imgs/btn_exam.jpg"), 1);

    folder.remove("imgs/btn_type_safe.jpg");
    QVERIFY_THROWS_EXCEPTION(AppError, skins.cached_picture(SkinImages::type_safe));
    QVERIFY(!skins.is_filled(SkinImages::type_safe));
    QVERIFY_THROWS_EXCEPTION(AppError, skins.cached_picture(SkinImages::type_safe));
    QCOMPARE(*SkinImages::category_slot(3), SkinImages::type_motuoche);
    QVERIFY(!SkinImages::category_slot(4));
}

void TestCore::design_pictures_are_compiled_in() {
    init_screens();
    for (const char* name :
         {"main_control.jpg", "select_car.jpg", "about.jpg", "tick.png", "cross.png",
          "kaosheng.png", "judge_yes.png", "judge_no.png", "start_exam_face.png",
          "exam_dialog_commit.png", "exam_dialog_error.png"}) {
        const QPixmap picture = design_picture(QLatin1String(name));
        QVERIFY2(!picture.isNull(), name);
    }
    QCOMPARE(design_picture("main_control.jpg").size(), QSize(px(14910), px(10140)));
}

void TestCore::high_resolution_variants_match_the_pixel_ratio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("high");
    QTest::newRow("1: the 1x file") << 1.0 << QSize(73, 41) << false;
    QTest::newRow("1.25: 2x scaled down to the ratio") << 1.25 << QSize(91, 51) << true;
    QTest::newRow("1.5") << 1.5 << QSize(110, 62) << true;
    QTest::newRow("2: the 2x file as it is") << 2.0 << QSize(146, 82) << true;
    QTest::newRow("3: the 2x file, enlarged by Qt") << 3.0 << QSize(146, 82) << true;
}

void TestCore::high_resolution_variants_match_the_pixel_ratio() {
    QFETCH(double, ratio);
    QFETCH(QSize, pixels);
    QFETCH(bool, high);
    QTemporaryDir dir;
    QImage low(73, 41, QImage::Format_RGB32), big(146, 82, QImage::Format_RGB32);
    low.fill(Qt::red);
    big.fill(Qt::blue);
    QVERIFY(low.save(dir.filePath("key.png")) && big.save(dir.filePath("key@2x.png")));
    const QImage image = read_for_display(dir.filePath("key.png"), ratio);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.pixelColor(5, 5), high ? QColor(Qt::blue) : QColor(Qt::red));
    // Laid out at its 1x size whatever the ratio.
    QCOMPARE(image.deviceIndependentSize().toSize(), ratio > 2 ? QSize(73, 41) : low.size());
    // Without a 2x file the 1x picture serves every ratio.
    QVERIFY(QFile::remove(dir.filePath("key@2x.png")));
    QCOMPARE(read_for_display(dir.filePath("key.png"), ratio).size(), low.size());
}

void TestCore::pictures_are_read_by_content_when_the_suffix_lies() {
    QTemporaryDir dir;
    QImage png(8, 6, QImage::Format_RGB32);
    png.fill(Qt::green);
    QVERIFY(png.save(dir.filePath("really_png.jpg"), "PNG"));
    QCOMPARE(read_image(dir.filePath("really_png.jpg")).size(), QSize(8, 6));
    QString error;
    QVERIFY(read_image(dir.filePath("missing.jpg"), &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestCore::long_text_uses_the_full_width_then_shrinks_then_scrolls() {
    init_screens();
    QWidget window;
    window.resize(800, 200);
    auto* label = new TextLabel("label_question", &window);
    label->setFont(song_font(12, true));
    label->setGeometry(16, 32, 736, 49);  // the practice screen's question label
    label->set_word_wrap(true);
    label->set_shrink_to_fit(true);
    window.show();
    const QString sentence =
        QStringLiteral("机动车在道路上行驶时应当遵守交通信号。");  // 19 characters

    // The text runs to the right edge before it wraps, lines 1.4 em apart.
    const int em = QFontInfo(label->font()).pixelSize();
    const int line = int(std::round(1.4 * em));
    label->set_text(QString(736 / em, QChar(0x8F66)));  // as many 车 as the width holds
    QCOMPARE(label->drawn_font().pointSizeF(), 12.0);
    QCOMPARE(label->text_height(label->font(), 736), line);
    QCOMPARE(label->text_height(label->font(), 736 - em), 2 * line);
    QVERIFY(label->scroll_bar() == nullptr || !label->scroll_bar()->isVisible());

    // Three lines at full size: drawn smaller, not below the floor, without scrolling.
    label->set_text(sentence.repeated(5));
    QVERIFY(label->drawn_font().pointSizeF() < 12.0);
    QVERIFY(label->drawn_font().pointSizeF() >= TextLabel::shrink_floor_points);
    QVERIFY(label->text_height(label->drawn_font(), 736) <= 49);

    // Far too long: the floor size, and the label scrolls line by line instead of cutting.
    label->set_text(sentence.repeated(12));
    QCOMPARE(label->drawn_font().pointSizeF(), TextLabel::shrink_floor_points);
    QVERIFY(label->scroll_bar() != nullptr && label->scroll_bar()->isVisible());
    QVERIFY(label->scroll_bar()->maximum() > 0);
    QWheelEvent wheel(QPointF(10, 10), label->mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(label, &wheel);
    QVERIFY(label->scroll_bar()->value() > 0);

    label->set_text(sentence);
    QVERIFY(!label->scroll_bar()->isVisible());
}

void TestCore::question_keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("true_false");
    QTest::addColumn<QuestionKey>("action");
    using K = QuestionKey;
    QTest::newRow("A") << int(Qt::Key_A) << false << K::option_a;
    QTest::newRow("1 on a choice") << int(Qt::Key_1) << false << K::option_a;
    QTest::newRow("4") << int(Qt::Key_4) << false << K::option_d;
    QTest::newRow("D") << int(Qt::Key_D) << false << K::option_d;
    QTest::newRow("Y on a choice does nothing") << int(Qt::Key_Y) << false << K::none;
    QTest::newRow("1 on true/false is 对") << int(Qt::Key_1) << true << K::yes;
    QTest::newRow("Y") << int(Qt::Key_Y) << true << K::yes;
    QTest::newRow("2 on true/false is 错") << int(Qt::Key_2) << true << K::no;
    QTest::newRow("N") << int(Qt::Key_N) << true << K::no;
    QTest::newRow("A on true/false does nothing") << int(Qt::Key_A) << true << K::none;
    QTest::newRow("3 on true/false does nothing") << int(Qt::Key_3) << true << K::none;
    QTest::newRow("left") << int(Qt::Key_Left) << false << K::previous;
    QTest::newRow("PgUp") << int(Qt::Key_PageUp) << true << K::previous;
    QTest::newRow("right") << int(Qt::Key_Right) << true << K::next;
    QTest::newRow("PgDn") << int(Qt::Key_PageDown) << false << K::next;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false << K::next;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true << K::leave;
    QTest::newRow("E") << int(Qt::Key_E) << false << K::none;
}

void TestCore::question_keys() {
    QFETCH(int, key);
    QFETCH(bool, true_false);
    QFETCH(QuestionKey, action);
    QCOMPARE(question_key(key, true_false), action);
}

QTEST_MAIN(TestCore)
#include "tst_core.moc"
