// The start-up options: which program folder the program runs in, and whether another running
// copy already has its bank.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

#include "app/command_line.h"
#include "app/single_run.h"
#include "app/termination.h"
#include "core/app_error.h"
#include "fixture.h"

using namespace trelvo;

class TestCommandLine final : public QObject {
    Q_OBJECT

  private slots:
    void chooses_the_folder_data();
    void chooses_the_folder();
    void refuses_bad_arguments_data();
    void refuses_bad_arguments();
    void one_running_copy_per_bank();
    void termination_signals_reach_the_event_loop();

  private:
    QTemporaryDir exe_dir_;
    QTemporaryDir user_dir_;
};

// Arguments and expectations say USER and EXE for the two temporary folders.
static QStringList expand(const QStringList& args, const QString& user, const QString& exe) {
    QStringList out;
    for (const QString& a : args)
        out << QString(a).replace(QLatin1String("USER"), user).replace(QLatin1String("EXE"), exe);
    return out;
}

void TestCommandLine::chooses_the_folder_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none: the executable's folder") << QStringList{} << "EXE";
    QTest::newRow("--folder DIR") << QStringList{"--folder", "USER"} << "USER";
    QTest::newRow("--folder=DIR") << QStringList{"--folder=USER"} << "USER";
    QTest::newRow("trailing slash and dots") << QStringList{"--folder", "USER/./"} << "USER";
    QTest::newRow("blanks and Chinese")
        << QStringList{"--folder", "USER/我的 目录"} << "USER/我的 目录";
}

void TestCommandLine::chooses_the_folder() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QVERIFY(QDir(user_dir_.path()).mkpath(QStringLiteral("我的 目录")));
    const QString user = user_dir_.path(), exe = exe_dir_.path();
    QCOMPARE(program_folder_from(expand(arguments, user, exe), exe),
             QDir::cleanPath(expand({expected}, user, exe).first()));
}

void TestCommandLine::refuses_bad_arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message_part");
    QTest::newRow("missing value") << QStringList{"--folder"} << QStringLiteral("缺少程序目录");
    QTest::newRow("empty value") << QStringList{"--folder="} << QStringLiteral("缺少程序目录");
    QTest::newRow("unknown option")
        << QStringList{"--fodler", "USER"} << QStringLiteral("无法识别的参数“--fodler”");
    QTest::newRow("given twice") << QStringList{"--folder", "USER", "--folder", "USER"}
                                 << QStringLiteral("只能给出一次");
    QTest::newRow("no such folder")
        << QStringList{"--folder", "USER/没有"} << QStringLiteral("程序目录不存在");
    QTest::newRow("a file, not a folder")
        << QStringList{"--folder", "USER/file"} << QStringLiteral("程序目录不存在");
}

void TestCommandLine::refuses_bad_arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message_part);
    QFile file(user_dir_.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        program_folder_from(expand(arguments, user_dir_.path(), exe_dir_.path()), exe_dir_.path());
        QFAIL("the arguments were accepted");
    } catch (const AppError& error) {
        QVERIFY2(error.message().contains(message_part), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
void TestCommandLine::one_running_copy_per_bank() {
    QTemporaryDir dir;
    const QString bank = dir.filePath("btn_init.rar");
    QFile file(bank);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto first = std::make_unique<BankClaim>(bank);
    QVERIFY(!first->held_elsewhere());
    QVERIFY(BankClaim(bank).held_elsewhere());
    QVERIFY(already_running_text(bank).contains(bank));

    // A program started meanwhile (a browser from the about screen) does not keep the claim.
    QProcess child;
    child.start("sleep", {"5"});
    QVERIFY(child.waitForStarted());
    first.reset();
    QVERIFY(!BankClaim(bank).held_elsewhere());
    child.kill();
    child.waitForFinished();

    QVERIFY(!BankClaim(dir.filePath("missing.rar")).held_elsewhere());  // reported on opening

    // A bank these users may not write (in a shared, read-only program folder) is open to all.
    test::ProgramFolder folder;
    folder.create_bank(test::four_categories(0));
    test::AsOrdinaryUser user(folder);
    test::set_writable(folder.bank_path(), false);
    {
        const BankClaim other_user(folder.bank_path());
        QVERIFY(!BankClaim(folder.bank_path()).held_elsewhere());
    }
    test::set_writable(folder.bank_path(), true);
    // A writable bank in a read-only folder can still take saves (through side files a crash
    // left there), so it is claimed.
    test::set_writable(folder.path() + "/aces", false);
    {
        const BankClaim running(folder.bank_path());
        QVERIFY(BankClaim(folder.bank_path()).held_elsewhere());
    }
    test::set_writable(folder.path() + "/aces", true);
}

// Log-out, shutdown and Ctrl+C: handled in the event loop, where the screens can still save.
void TestCommandLine::termination_signals_reach_the_event_loop() {
    int calls = 0;
    on_termination_signal([&calls] { ++calls; });
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        const int before = calls;
        ::raise(sig);
        QCOMPARE(calls, before);  // not from inside the signal handler
        QTRY_COMPARE(calls, before + 1);
    }
    QVERIFY(termination_requested());
}

#include "tst_command_line.moc"
