// The bank tool: CSV reading, building a bank from text, and the checks of a bank file.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "bank_builder.h"
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

}  // namespace

class TestBankctl final : public QObject {
    Q_OBJECT

  private slots:
    void csv_quoting();
    void build_makes_every_table();
    void build_never_overwrites_progress();
    void build_names_the_faulty_source_line();
    void check_names_each_fault_data();
    void check_names_each_fault();
    void check_reports_an_unknown_kind_as_such();
    void check_decodes_every_picture_and_animation();
    void check_counts_exam_pools();
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

QTEST_MAIN(TestBankctl)
#include "tst_bankctl.moc"
