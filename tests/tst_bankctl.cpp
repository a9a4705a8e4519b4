// The bank tool: CSV reading, building a bank from text, and the checks of a bank file.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "bank_builder.h"
#include "bank_carrier.h"
#include "bank_checker.h"
#include "csv.h"
#include "fixture.h"

using namespace trelvo;
using namespace trelvo::bankkit;

namespace {

void write(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write(text.toUtf8());
}

const char* const question_header =
    "id,type_select,question,question_a,question_b,question_c,question_d,answer,answer_analysis,"
    "type_picture,name_media,type_xiaoche,type_huoche,type_keche,type_safe,sequence,chapter,tags\n";

// A small but complete source tree: four categories, two chapters and two topics each.
void write_sources(const QString& dir, const QString& extra_question = {}) {
    write(dir + "/car.csv",
          "id,table_name,car_title,car_detail,is_selected,car_type\n"
          "0,xiaoche_sequence,小车类,说明,1,0\n1,huoche_sequence,货车类,说明,0,1\n"
          "2,keche_sequence,客车类,说明,0,2\n3,safe_sequence,安全文明驾驶常识类,说明,0,5\n");
    QString chapters = "list_table,chapter_id,chapter_detail,chapter_table_name,chapter\n";
    QString specials = "list_table,special_detail,special_table_name,select\n";
    for (const char* p : {"xiaoche", "huoche", "keche", "safe"}) {
        chapters += QStringLiteral(
                        "%1_chapter,2,第二章,%1_chapter_2,2\n%1_chapter,1,第一章,%1_chapter_1,1\n")
                        .arg(p);
        specials += QStringLiteral(
                        "%1_special,判断题,%1_special_judge,type_select=2\n"
                        "%1_special,标志题,%1_special_sign,tag=标志\n")
                        .arg(p);
    }
    write(dir + "/chapters.csv", chapters);
    write(dir + "/topics.csv", specials);
    QString q = question_header;
    q += "1,0,\"题干，含逗号\",甲,乙,丙,丁,B,解析,3,,1,1,1,0,xiaoche huoche keche,1,标志\n";
    q += "2,2,\"两行\n题干\",,,,,Y,解析,3,,1,1,1,0,xiaoche huoche keche,2,\n";
    q += "3,1,多选,甲,乙,丙,丁,ACD,\"解析有\"\"引号\"\"\",3,,0,0,0,1,safe,1,标志\n";
    q += "4,2,判断,,,,,N,解析,3,,0,0,0,1,safe,2,\n";
    q += extra_question;
    write(dir + "/questions/a.csv", q);
}

QStringList faults_after(const QString& sql) {
    test::ProgramFolder folder;
    QTemporaryDir src;
    write_sources(src.path());
    const auto report = build_bank(src.path(), folder.bank_path(), false);
    if (!report.ok) qFatal("fixture bank does not build: %s", qPrintable(report.errors.join('\n')));
    // A trigger's body has semicolons of its own.
    const QStringList statements =
        sql.startsWith("CREATE TRIGGER") ? QStringList{sql} : sql.split(';', Qt::SkipEmptyParts);
    for (const QString& statement : statements) folder.exec(statement);
    CheckOptions options;
    options.check_pools = false;
    return check_bank(folder.bank_path(), options);
}

QStringList check_sources(const QString& extra_questions, bool check_pools) {
    test::ProgramFolder folder;
    QTemporaryDir src;
    write_sources(src.path(), extra_questions);
    const auto report = build_bank(src.path(), folder.bank_path(), false);
    if (!report.ok) qFatal("fixture bank does not build: %s", qPrintable(report.errors.join('\n')));
    CheckOptions options;
    options.check_pools = check_pools;
    return check_bank(folder.bank_path(), options);
}

// A small-car pool of generated questions: `single` single-choice ones, of which the key is the
// only longest option in the first `strict` and ties for longest in the next `tied`, keyed by
// the letters of `letters` in turn; then `judge` true/false ones, the first `yes` keyed 对.
QString generated_pool(int single, int strict, int tied, const QString& letters, int judge,
                       int yes) {
    QString rows;
    int id = 10;
    for (int i = 0; i < single; ++i, ++id) {
        const int key = letters[i % letters.size()].unicode() - 'A';
        QStringList options(4, QStringLiteral("选项乙丙"));
        if (i < strict)
            options[key] = QStringLiteral("较长的选项乙丙");
        else if (i < strict + tied)
            options[key] = options[(key + 1) % 4] = QStringLiteral("较长的选项乙丙");
        else
            options[(key + 1) % 4] = QStringLiteral("较长的选项乙丙");
        rows += QStringLiteral("%1,0,生成单选题%1,%2,%3,解析,3,,1,0,0,0,xiaoche,1,\n")
                    .arg(id)
                    .arg(options.join(','))
                    .arg(QChar('A' + key));
    }
    for (int i = 0; i < judge; ++i, ++id)
        rows += QStringLiteral("%1,2,生成判断题%1,,,,,%2,解析,3,,1,0,0,0,xiaoche,2,\n")
                    .arg(id)
                    .arg(i < yes ? 'Y' : 'N');
    return rows;
}

}  // namespace

class TestBankctl final : public QObject {
    Q_OBJECT

  private slots:
    void csv_quoting();
    void build_makes_every_table();
    void build_never_overwrites_progress();
    void build_ignores_a_stale_wal_file();
    void build_names_the_faulty_source_line();
    void check_leaves_nothing_beside_a_wal_bank();
    void check_names_each_fault_data();
    void check_names_each_fault();
    void check_reports_an_unknown_kind_as_such();
    void check_decodes_every_picture_and_animation();
    void check_counts_exam_pools();
    void check_accepts_long_lists();
    void check_finds_repeats_and_kinds_data();
    void check_finds_repeats_and_kinds();
    void check_judges_give_away_figures_data();
    void check_judges_give_away_figures();
    void carry_moves_progress_by_question_data();
    void carry_moves_progress_by_question();
    void carry_failure_leaves_the_new_bank_alone();
};

void TestBankctl::csv_quoting() {
    QList<CsvRecord> records;
    QString error;
    QVERIFY(parse_csv(QString(QChar(0xFEFF)) + "a,\"b,c\",\"d\"\"e\"\r\n\n\"f\ng\",,h\n", records,
                      error));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].fields, QStringList({"a", "b,c", "d\"e"}));
    QCOMPARE(records[1].fields, QStringList({"f\ng", "", "h"}));
    QCOMPARE(records[1].line, 3);
    QVERIFY(!parse_csv("a,\"open\nb", records, error));
    QVERIFY(error.contains("第1行"));
}

void TestBankctl::build_makes_every_table() {
    QTemporaryDir src, out;
    write_sources(src.path());
    const QString bank = out.path() + "/aces/btn_init.rar";
    const auto report = build_bank(src.path(), bank, false);
    QVERIFY2(report.ok, qPrintable(report.errors.join('\n')));
    CheckOptions options;
    options.check_pools = false;
    QCOMPARE(check_bank(bank, options), QStringList());

    test::ProgramFolder view;
    QFile::copy(bank, view.bank_path());
    QCOMPARE(view.column("SELECT ref_id FROM xiaoche_sequence ORDER BY id"), QVariantList({1, 2}));
    QCOMPARE(view.column("SELECT ref_id FROM safe_sequence ORDER BY id"), QVariantList({3, 4}));
    QCOMPARE(view.column("SELECT ref_id FROM huoche_chapter_2"), QVariantList({2}));
    QCOMPARE(view.column("SELECT ref_id FROM safe_special_sign"), QVariantList({3}));
    QCOMPARE(view.column("SELECT count(*) FROM keche_error"), QVariantList({0}));
    // Lists keep their source order; the chapter list is read by chapter_id.
    QCOMPARE(view.column("SELECT chapter_table_name FROM xiaoche_chapter ORDER BY chapter_id ASC"),
             QVariantList({"xiaoche_chapter_1", "xiaoche_chapter_2"}));
    QCOMPARE(view.column("SELECT special_detail FROM keche_special"),
             QVariantList({"判断题", "标志题"}));
    QCOMPARE(view.scalar("SELECT question FROM questions WHERE id = 2").toString(),
             QStringLiteral("两行\n题干"));
    QCOMPARE(
        view.scalar("SELECT count(*) FROM xiaoche_sequence WHERE position_prev OR type_answer <> 0 "
                    "OR answer <> ''")
            .toInt(),
        0);
}

// The program leaves a learner's bank in WAL mode; checking it must not litter its folder.
void TestBankctl::check_leaves_nothing_beside_a_wal_bank() {
    test::ProgramFolder folder;
    QTemporaryDir src;
    write_sources(src.path());
    QVERIFY(build_bank(src.path(), folder.bank_path(), false).ok);
    folder.exec("PRAGMA journal_mode = WAL");
    CheckOptions options;
    options.check_pools = false;
    QCOMPARE(check_bank(folder.bank_path(), options), QStringList());
    QCOMPARE(QDir(folder.path() + "/aces").entryList(QDir::Files), QStringList{"btn_init.rar"});
}

void TestBankctl::build_never_overwrites_progress() {
    QTemporaryDir src, out;
    write_sources(src.path());
    const QString bank = out.path() + "/btn_init.rar";
    write(bank, "progress");
    const auto refused = build_bank(src.path(), bank, false);
    QVERIFY(!refused.ok);
    QVERIFY(refused.errors.join(' ').contains("不予覆盖"));
    QFile f(bank);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("progress"));
    f.close();
    QVERIFY(build_bank(src.path(), bank, true).ok);
    QVERIFY(QFileInfo(bank).size() > 1000);
}

// A learner resets the bank by deleting it after the program crashed: the WAL file left beside it
// must not be replayed into the new bank.
void TestBankctl::build_ignores_a_stale_wal_file() {
    QTemporaryDir src, out;
    write_sources(src.path());
    const QString bank = out.path() + "/btn_init.rar";
    QVERIFY(build_bank(src.path(), bank, false).ok);
    const QString wal = bank + "-wal";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "crashed");
        db.setDatabaseName(bank);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("PRAGMA journal_mode = WAL"));
        QVERIFY(q.exec("PRAGMA wal_autocheckpoint = 0"));
        QVERIFY(q.exec("DROP TABLE car"));
        QVERIFY(q.exec("UPDATE questions SET question = 'stale'"));
        QVERIFY(QFile::copy(wal, out.path() + "/left"));  // what a crash leaves
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase("crashed");
    QVERIFY(QFile::remove(bank));
    QVERIFY(QFile::rename(out.path() + "/left", wal));
    QVERIFY(QFileInfo(wal).size() > 0);

    QVERIFY(build_bank(src.path(), bank, false).ok);
    CheckOptions options;
    options.check_pools = false;
    QCOMPARE(check_bank(bank, options), QStringList());  // read in place, WAL and all
}

void TestBankctl::build_names_the_faulty_source_line() {
    QTemporaryDir src, out;
    write_sources(src.path(), "5,0,题,甲,乙,丙,丁,E,解析,3,,1,1,1,0,xiaoche,1,\n");
    const QString bank = out.path() + "/btn_init.rar";
    const auto report = build_bank(src.path(), bank, false);
    QVERIFY(!report.ok);
    QVERIFY2(report.errors.join('\n').contains("a.csv 第7行：答案“E”"),
             qPrintable(report.errors.join('\n')));
    QVERIFY(!QFile::exists(bank));

    // A selection written as TRUE instead of 1 is refused, not read as "not selected".
    QTemporaryDir src2;
    write_sources(src2.path());
    QFile car(src2.path() + "/car.csv");
    QVERIFY(car.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(car.readAll()).replace("说明,1,0", "说明,TRUE,0");
    car.close();
    write(src2.path() + "/car.csv", text);
    const auto refused = build_bank(src2.path(), bank, false);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.errors.join('\n').contains("car.csv 第2行"),
             qPrintable(refused.errors.join('\n')));
}

void TestBankctl::check_names_each_fault_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("fault");
    QTest::newRow("two selected rows") << "UPDATE car SET is_selected = 1 WHERE id = 2"
                                       << "car：选中的行有 2 个（id 0, 2）";
    QTest::newRow("no selected row") << "UPDATE car SET is_selected = 0"
                                     << "car：选中的行有 0 个";
    QTest::newRow("Access-style true") << "UPDATE car SET is_selected = -1 WHERE id = 0"
                                       << "car 表 id=0：is_selected 不是是/否值";
    QTest::newRow("gap in practice ids") << "UPDATE xiaoche_sequence SET id = 5 WHERE id = 1"
                                         << "xiaoche_sequence 表 id=5：缺少 id 1";
    QTest::newRow("answer E") << "UPDATE questions SET answer = 'E' WHERE id = 1"
                              << "questions 表 id=1：答案“E”不符合该题型的答案格式";
    QTest::newRow("practice answer out of order")
        << "UPDATE safe_sequence SET answer = 'DA', type_answer = 2 WHERE ref_id = 3"
        << "safe_sequence 表 id=0：答案“DA”";
    QTest::newRow("two resume markers") << "UPDATE xiaoche_sequence SET position_prev = 1"
                                        << "xiaoche_sequence：有 2 个续练标记";
    QTest::newRow("unknown ref_id")
        << "UPDATE huoche_chapter_1 SET ref_id = 77"
        << "huoche_chapter_1 表 id=0：ref_id 77 在 questions 表中不存在";
    QTest::newRow("list names a missing table")
        << "UPDATE keche_special SET special_table_name = 'gone' WHERE special_detail = '判断题'"
        << "keche_special 表第 1 行：表“gone”不存在";
    QTest::newRow("null chapter description")
        << "UPDATE xiaoche_chapter SET chapter_detail = NULL WHERE chapter_id = 2"
        << "xiaoche_chapter 表第 2 行（chapter_id=2）：chapter_detail 为空值";
    QTest::newRow("null chapter table")
        << "UPDATE huoche_chapter SET chapter_table_name = NULL WHERE chapter_id = 1"
        << "huoche_chapter 表第 1 行（chapter_id=1）：chapter_table_name 为空值";
    QTest::newRow("chapter names a missing table")
        << "UPDATE safe_chapter SET chapter_table_name = 'nowhere' WHERE chapter_id = 2"
        << "safe_chapter 表第 2 行（chapter_id=2）：表“nowhere”不存在";
    QTest::newRow("null topic title")
        << "UPDATE huoche_special SET special_detail = NULL WHERE special_table_name LIKE '%sign'"
        << "huoche_special 表第 2 行：special_detail 为空值";
    QTest::newRow("null topic table")
        << "UPDATE xiaoche_special SET special_table_name = NULL WHERE special_detail = '判断题'"
        << "xiaoche_special 表第 1 行：special_table_name 为空值";
    QTest::newRow("empty topic list") << "DELETE FROM keche_special"
                                      << "keche_special：没有任何行";
    QTest::newRow("null stem") << "UPDATE questions SET question = NULL WHERE id = 4"
                               << "questions 表 id=4：question 为空值";
    QTest::newRow("car row 0 not small car") << "UPDATE car SET car_type = 1 WHERE id = 0"
                                             << "car 表 id=0：id 0 应为小车类";
    QTest::newRow("missing wrong-answer book") << "DROP TABLE safe_error"
                                               << "safe_error：表“safe_error”不存在";
    QTest::newRow("overflowing result") << "UPDATE keche_sequence SET type_answer = 40000"
                                        << "type_answer 必须是 0、1 或 2";
    QTest::newRow("trigger") << "CREATE TRIGGER quiet AFTER UPDATE ON car BEGIN SELECT 1; END"
                             << "题库文件：含有本程序不使用的触发器“quiet”（表 car）";
    QTest::newRow("view") << "CREATE VIEW everything AS SELECT * FROM questions"
                          << "题库文件：含有本程序不使用的视图“everything”";
}

void TestBankctl::check_names_each_fault() {
    QFETCH(QString, sql);
    QFETCH(QString, fault);
    const QStringList faults = faults_after(sql);
    QVERIFY2(faults.join('\n').contains(fault), qPrintable(faults.join('\n')));
}

// The list screens scroll, so more chapters or topics than fit on one screen are sound.
void TestBankctl::check_accepts_long_lists() {
    QString sql;
    for (int i = 3; i <= 10; ++i)
        sql += QStringLiteral(
                   "INSERT INTO xiaoche_chapter VALUES (%1, '第%1章', 'xiaoche_chapter_1');")
                   .arg(i);
    for (int i = 0; i < 14; ++i)
        sql += QStringLiteral("INSERT INTO safe_special VALUES ('专项%1', 'safe_special_judge');")
                   .arg(i);
    QCOMPARE(faults_after(sql), QStringList());
}

void TestBankctl::check_reports_an_unknown_kind_as_such() {
    const QStringList faults = faults_after("UPDATE questions SET type_select = 7 WHERE id = 1");
    QCOMPARE(faults, QStringList{"questions 表 id=1：type_select 必须是 0、1 或 2"});
}

void TestBankctl::check_decodes_every_picture_and_animation() {
    test::ProgramFolder folder;
    QTemporaryDir src;
    write_sources(src.path());
    QVERIFY(build_bank(src.path(), folder.bank_path(), false).ok);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    write(folder.path() + "/tr/good.png", QString());
    QFile good(folder.path() + "/tr/good.png");
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write("T" + png);
    good.close();
    QFile bad(folder.path() + "/tr/bad.png");
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("T" + png.left(30));
    bad.close();
    QFile gif(folder.path() + "/aces/bad.gif");
    QVERIFY(gif.open(QIODevice::WriteOnly));
    gif.write("GIF89a\x01\x00\x01\x00garbage");
    gif.close();
    folder.exec("UPDATE questions SET type_picture = 4, name_media = 'good.png' WHERE id = 1");
    folder.exec("UPDATE questions SET type_picture = 4, name_media = 'bad.png' WHERE id = 2");
    folder.exec("UPDATE questions SET type_picture = 5, name_media = 'bad.gif' WHERE id = 3");
    folder.exec(
        "UPDATE questions SET type_picture = 4, name_media = '../tr/good.png' WHERE id = 4");
    CheckOptions options;
    options.check_pools = false;
    options.program_folder = folder.path();
    const QStringList faults = check_bank(folder.bank_path(), options);
    const QString all = faults.join('\n');
    QCOMPARE(faults.size(), 3);
    QVERIFY2(all.contains("questions 表 id=2：图片无法解码"), qPrintable(all));
    QVERIFY2(all.contains("questions 表 id=3：动画无法解码"), qPrintable(all));
    QVERIFY2(all.contains("questions 表 id=4：name_media“../tr/good.png”含有文件夹部分"),
             qPrintable(all));
}

void TestBankctl::check_counts_exam_pools() {
    test::ProgramFolder folder;
    QTemporaryDir src;
    write_sources(src.path());
    QVERIFY(build_bank(src.path(), folder.bank_path(), false).ok);
    const QStringList faults = check_bank(folder.bank_path(), {});
    QVERIFY(faults.contains("考试题库 type_xiaoche：判断题只有 1 道，一份试卷需要 40 道"));
    QVERIFY(faults.contains("考试题库 type_safe：多选题只有 1 道，一份试卷需要 6 道"));
}

void TestBankctl::check_finds_repeats_and_kinds_data() {
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("fault");  // empty: the bank is sound
    // The fixture's question 1 asks "题干，含逗号" with options 甲乙丙丁, keyed 乙, for the three
    // subject-one categories.
    QTest::newRow("same stem in one category")
        << "5,0,题干含逗号？,丙,乙,甲,丁,B,解析,3,,1,0,0,0,xiaoche,4,\n"
        << "xiaoche_sequence：文字题题干重复（id 1、5）";
    QTest::newRow("same stem in another category") << "5,0,题干，含逗号,丙,乙,甲,丁,B,解析,3,,0,0,"
                                                      "0,1,safe,1,\n"
                                                   << "";
    QTest::newRow("same picture stem, other pictures")
        << "5,0,这个标志是何含义？,甲,乙,丙,丁,A,解析,4,a.png,1,1,1,0,xiaoche,2,\n"
           "6,0,这个标志是何含义？,甲,乙,丙,丁,C,解析,4,b.png,1,1,1,0,xiaoche,2,\n"
        << "";
    QTest::newRow("other key in another category")
        << "5,0,题干，含逗号,甲,乙,丙,丁,C,解析,3,,0,0,0,1,safe,1,\n"
        << "questions 表 id 1、5：题干相同而正确答案不同";
    QTest::newRow("true/false keyed both ways") << "5,2,判断,,,,,Y,解析,3,,1,0,0,0,xiaoche,2,\n"
                                                << "questions 表 id 4、5：题干相同而正确答案不同";
    QTest::newRow("multiple choice in a car pool")
        << "5,1,多选二,甲,乙,丙,丁,AB,解析,3,,0,1,0,0,safe,1,\n"
        << "考试题库 type_huoche：科目一不考多选题，却含多选题 id 5";
    QTest::newRow("multiple choice in a car sequence")
        << "5,1,多选二,甲,乙,丙,丁,AB,解析,3,,0,0,0,0,keche,1,\n"
        << "keche_sequence：科目一不考多选题，却含多选题 id 5";
}

void TestBankctl::check_finds_repeats_and_kinds() {
    QFETCH(QString, extra);
    QFETCH(QString, fault);
    const QStringList faults = check_sources(extra, false);
    if (fault.isEmpty())
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    else
        QVERIFY2(faults.contains(fault), qPrintable(faults.join('\n')));
}

void TestBankctl::check_judges_give_away_figures_data() {
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QStringList>("expected");  // every figure fault, in order
    // The fixture adds one single-choice question keyed B whose options are all as long, and one
    // true/false question keyed 对, to the generated ones.
    const QString pool = QStringLiteral("考试题库 type_xiaoche：");
    QTest::newRow("balanced") << generated_pool(20, 6, 2, "ABCD", 20, 8) << QStringList();
    QTest::newRow("key alone longest")
        << generated_pool(20, 7, 0, "ABCD", 20, 10)
        << QStringList{pool + "单选题中正确选项是唯一最长选项的占 33%（7/21），应不超过 30%"};
    QTest::newRow("key ties for longest")
        << generated_pool(20, 4, 6, "DCBA", 20, 10)
        << QStringList{pool +
                       "单选题中正确选项是最长选项之一（含并列）的占 52%（11/21），应不超过 45%"};
    QTest::newRow("one letter too often, two too rarely")
        << generated_pool(20, 0, 0, "ABCDA", 20, 10)
        << QStringList{pool + "单选题答案为 A 的占 38%（8/21），应在 20% 至 30% 之间",
                       pool + "单选题答案为 C 的占 19%（4/21），应在 20% 至 30% 之间",
                       pool + "单选题答案为 D 的占 19%（4/21），应在 20% 至 30% 之间"};
    QTest::newRow("too many true statements")
        << generated_pool(20, 0, 0, "ABCD", 20, 13)
        << QStringList{pool + "判断题答案为“对”的占 67%（14/21），应在 40% 至 60% 之间"};
    QTest::newRow("too few true statements")
        << generated_pool(20, 0, 0, "ABCD", 21, 7)
        << QStringList{pool + "判断题答案为“对”的占 36%（8/22），应在 40% 至 60% 之间"};
    // Below the minimum a share swings too far with one question to be judged.
    QTest::newRow("small pools are not judged")
        << generated_pool(18, 18, 0, "A", 18, 18) << QStringList();
}

void TestBankctl::check_judges_give_away_figures() {
    QFETCH(QString, extra);
    QFETCH(QStringList, expected);
    QStringList figures;
    for (const QString& f : check_sources(extra, true))
        if (f.contains(QStringLiteral("占"))) figures.append(f);
    QCOMPARE(figures, expected);
}

// Two banks built from the same sources: "old" with the learner's progress and "new" as a newer
// package would bring it. Each row arranges both, carries, and reads one value from the new bank.
void TestBankctl::carry_moves_progress_by_question_data() {
    QTest::addColumn<QString>("arrange_old");
    QTest::addColumn<QString>("arrange_new");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("summary_part");

    const QString seq_row = "SELECT type_answer || answer FROM xiaoche_sequence WHERE ref_id = 1";
    QTest::newRow("answer and result carried")
        << "UPDATE xiaoche_sequence SET type_answer = 2, answer = 'C' WHERE ref_id = 1"
        << "" << seq_row << "2C"
        << "转入答案 1 个";
    QTest::newRow("a corrected key judges the answer again")
        << "UPDATE xiaoche_sequence SET type_answer = 2, answer = 'C' WHERE ref_id = 1"
        << "UPDATE questions SET answer = 'C' WHERE id = 1" << seq_row << "1C"
        << "";
    QTest::newRow("a question that changed its kind loses the answer")
        << "UPDATE xiaoche_sequence SET type_answer = 1, answer = 'B' WHERE ref_id = 1"
        << "UPDATE questions SET type_select = 2, answer = 'Y', question_a = '', question_b = '', "
           "question_c = '', question_d = '' WHERE id = 1"
        << seq_row << "0"
        << "1 个答案未转入";
    QTest::newRow("each table keeps its own answers")
        << "UPDATE xiaoche_chapter_2 SET type_answer = 2, answer = 'N'"
        << ""
        << "SELECT (SELECT type_answer || answer FROM xiaoche_chapter_2) || '/' || "
           "(SELECT type_answer || answer FROM xiaoche_sequence WHERE ref_id = 2)"
        << "2N/0"
        << "";
    QTest::newRow("the resume marker follows its question to a new position")
        << "UPDATE xiaoche_sequence SET position_prev = (ref_id = 2)"
        << "UPDATE xiaoche_sequence SET id = id + 10; UPDATE xiaoche_sequence SET id = 11 - id"
        << "SELECT group_concat(id || ':' || ref_id) FROM xiaoche_sequence WHERE position_prev = 1"
        << "0:2"
        << "";
    QTest::newRow("a marker on a removed question leaves no marker")
        << "UPDATE xiaoche_sequence SET position_prev = (ref_id = 2)"
        << "DELETE FROM xiaoche_sequence WHERE ref_id = 2; UPDATE xiaoche_sequence SET "
           "position_prev = 1"
        << "SELECT count(*) FROM xiaoche_sequence WHERE position_prev = 1"
        << "1"
        << "";
    QTest::newRow("wrong-answer book: ids without gaps, removed questions left out")
        << "INSERT INTO xiaoche_error (id, type_answer, ref_id, answer) VALUES (0, 2, 4, 'Y'), "
           "(1, 2, 1, 'A'), (2, 2, 2, 'N')"
        << "DELETE FROM questions WHERE id = 4"
        << "SELECT group_concat(id || ':' || ref_id || ':' || type_answer || answer, ' ') FROM "
           "(SELECT * FROM xiaoche_error ORDER BY id)"
        << "0:1:2A 1:2:2N"
        << "错题本 2 题";
    QTest::newRow("selected category carried by its code")
        << "UPDATE car SET is_selected = (id = 3)"
        << "UPDATE car SET id = id + 10; UPDATE car SET id = 13 - id"
        << "SELECT group_concat(id || ':' || car_type) FROM car WHERE is_selected = 1"
        << "0:5"
        << "所选车型：安全文明驾驶常识类";
    QTest::newRow("a table the new bank lacks is named")
        << "UPDATE xiaoche_chapter_2 SET type_answer = 1, answer = 'Y'"
        << "DROP TABLE xiaoche_chapter_2"
        << "SELECT count(*) FROM xiaoche_sequence WHERE type_answer <> 0"
        << "0"
        << "其中的进度未转入：xiaoche_chapter_2";
}

void TestBankctl::carry_moves_progress_by_question() {
    QFETCH(QString, arrange_old);
    QFETCH(QString, arrange_new);
    QFETCH(QString, probe);
    QFETCH(QString, expected);
    QFETCH(QString, summary_part);
    QTemporaryDir src;
    write_sources(src.path());
    test::ProgramFolder old_folder, new_folder;
    for (const auto* folder : {&old_folder, &new_folder})
        QVERIFY(build_bank(src.path(), folder->bank_path(), false).ok);
    for (const QString& sql : arrange_old.split(';', Qt::SkipEmptyParts)) old_folder.exec(sql);
    for (const QString& sql : arrange_new.split(';', Qt::SkipEmptyParts)) new_folder.exec(sql);

    const CarryReport report = carry_progress(old_folder.bank_path(), new_folder.bank_path());
    QVERIFY2(report.ok, qPrintable(report.errors.join('\n')));
    QCOMPARE(new_folder.scalar(probe).toString(), expected);
    QVERIFY2(report.summary.join('\n').contains(summary_part),
             qPrintable(report.summary.join('\n')));
}

void TestBankctl::carry_failure_leaves_the_new_bank_alone() {
    QTemporaryDir src;
    write_sources(src.path());
    test::ProgramFolder folder;
    QVERIFY(build_bank(src.path(), folder.bank_path(), false).ok);
    QFile bank(folder.bank_path());
    QVERIFY(bank.open(QIODevice::ReadOnly));
    const QByteArray before = bank.readAll();
    bank.close();

    const QString not_a_bank = folder.path() + "/not_a_bank.rar";
    write(not_a_bank, "这不是题库");
    for (const QString& old : {folder.path() + "/missing.rar", not_a_bank, folder.bank_path()}) {
        const CarryReport report = carry_progress(old, folder.bank_path());
        QVERIFY2(!report.ok && !report.errors.isEmpty(), qPrintable(old));
    }
    QVERIFY(bank.open(QIODevice::ReadOnly));
    QCOMPARE(bank.readAll(), before);
}

QTEST_MAIN(TestBankctl)
#include "tst_bankctl.moc"
