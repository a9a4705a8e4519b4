// The mock exam on a bank of 30,000 questions: from the press of 开始考试 to the exam screen's
// first paint (paper composed, sheet laid out, first question shown), and from an answer click to
// the repainted answer sheet. Beside them, a bare Qt window of the same size measured in the same
// run. The bank is generated in a temporary folder; the skins come from the built program folder.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/app_context.h"
#include "core/application.h"
#include "core/bank_schema.h"
#include "core/car_type.h"
#include "exam/answer_sheet.h"
#include "exam/exam.h"
#include "exam/exam_start.h"

namespace {

constexpr int bank_size = 30000;

bool fill_bank(const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen"));
    db.setDatabaseName(path);
    if (!db.open()) return false;
    {
        QSqlQuery q(db);
        q.exec(trelvo::bank_schema::questions_table());
        q.exec(trelvo::bank_schema::car_table());
        q.exec(
            QStringLiteral("INSERT INTO car VALUES (0, 'xiaoche_sequence', '小车类', '', 1, 0)"));
        db.transaction();
        q.prepare(
            QStringLiteral("INSERT INTO questions VALUES (?, ?, ?, ?, ?, ?, ?, ?, 3, '', '', "
                           "?, ?, ?, ?)"));
        for (int id = 0; id < bank_size; ++id) {
            const int kind = id % 5 == 4 ? 1 : id % 2 == 0 ? 2 : 0;
            q.addBindValue(id);
            q.addBindValue(
                QStringLiteral("第%1题：机动车在道路上行驶时，驾驶人应当如何做才是正确的？")
                    .arg(id + 1));
            for (const char* o : {"按规定车道行驶", "随意变更车道", "占用应急车道", "逆向超车"})
                q.addBindValue(kind == 2 ? QString() : QString::fromUtf8(o));
            q.addBindValue(kind == 2   ? QStringLiteral("Y")
                           : kind == 0 ? QStringLiteral("A")
                                       : QStringLiteral("AB"));
            q.addBindValue(kind);
            q.addBindValue(id % 3 != 0);  // small car
            q.addBindValue(id % 3 != 1);
            q.addBindValue(id % 3 != 2);
            q.addBindValue(id % 2 == 0);
            if (!q.exec()) return false;
        }
        db.commit();
    }
    db.close();
    return true;
}

bool make_bank(const QString& path) {
    const bool made = fill_bank(path);
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
    return made;
}

// Notes the first paint of a widget that `match` accepts, anywhere in the application.
class PaintWatch final : public QObject {
  public:
    explicit PaintWatch(std::function<bool(QObject*)> match) : match_(std::move(match)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && match_(watched)) seen = true;
        return false;
    }
    bool seen = false;

  private:
    std::function<bool(QObject*)> match_;
};

// Milliseconds from the action to the first paint that `match` accepts.
double until_painted(const std::function<void()>& action, std::function<bool(QObject*)> match) {
    PaintWatch watch(std::move(match));
    QElapsedTimer clock;
    clock.start();
    action();
    while (!watch.seen) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Figures {
    std::vector<double> times;
    double median() {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }
    double slowest() { return *std::max_element(times.begin(), times.end()); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trelvo::init_screens();
    const QString source = QStringLiteral(TRELVO_DIR);
    QTemporaryDir dir;
    for (const char* sub : {"aces", "tr", "rs"}) QDir(dir.path()).mkpath(QLatin1String(sub));
    QFile::link(source + QStringLiteral("/imgs"), dir.path() + QStringLiteral("/imgs"));
    if (!QFile::exists(dir.path() + QStringLiteral("/imgs/exam_init.jpg"))) {
        std::fprintf(stderr, "no skins in %s: build the program first\n", qPrintable(source));
        return 1;
    }
    if (!make_bank(dir.path() + QStringLiteral("/aces/btn_init.rar"))) {
        std::fprintf(stderr, "cannot write the bank\n");
        return 1;
    }
    trelvo::AppContext context(dir.path());
    context.open_main_menu = [](QWidget*) {};
    trelvo::set_car_type(0);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 30;

    Figures bare, page, start, answer;
    for (int i = 0; i <= runs; ++i) {
        // The yardstick: a plain window of the exam's size with a dozen labels.
        QWidget* window = nullptr;
        const double b = until_painted(
            [&] {
                window = new QWidget;
                window->setFixedSize(994, 676);
                for (int l = 0; l < 12; ++l)
                    (new QLabel(QStringLiteral("标签 %1").arg(l + 1), window))
                        ->move(20 + (l % 3) * 200, 20 + (l / 3) * 60);
                window->show();
            },
            [&](QObject* o) { return o == window; });
        delete window;

        // The start page reads the pools once it is on screen; timed for the record.
        QElapsedTimer page_clock;
        page_clock.start();
        auto* init = new trelvo::ExamInit(context);
        init->show();
        QCoreApplication::processEvents();
        const double p = double(page_clock.nsecsElapsed()) / 1e6;
        auto* button = init->findChild<QPushButton*>(QStringLiteral("cmd_start_exam"));
        const double s = until_painted([&] { button->click(); },
                                       [](QObject* o) { return qobject_cast<trelvo::Exam*>(o); });
        trelvo::Exam* exam = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<trelvo::Exam*>(w); e && e->isVisible()) exam = e;
        QCoreApplication::processEvents();
        auto* judge = exam->findChild<QPushButton*>(QStringLiteral("cmd_judge_0"));
        trelvo::AnswerSheet* sheet = exam->sheet();
        const double a =
            until_painted([&] { judge->click(); }, [sheet](QObject* o) { return o == sheet; });
        exam->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (i == 0) continue;  // the first run fills the caches
        bare.times.push_back(b);
        page.times.push_back(p);
        start.times.push_back(s);
        answer.times.push_back(a);
    }
    std::printf("mock exam on a bank of %d questions, %d runs (medians; slowest in brackets)\n",
                bank_size, runs);
    std::printf("  baseline: bare Qt window, show to first paint   %7.2f ms (%6.2f)\n",
                bare.median(), bare.slowest());
    std::printf("  start page shown, its pools read (before 开始考试) %7.2f ms (%6.2f)\n",
                page.median(), page.slowest());
    std::printf("  开始考试 to the first question painted            %7.2f ms (%6.2f)\n",
                start.median(), start.slowest());
    std::printf("  answer click to the repainted answer sheet      %7.2f ms (%6.2f)\n",
                answer.median(), answer.slowest());
    std::printf("  limit: one 60 Hz frame, 16 ms\n");
    return start.median() < 16.0 && answer.median() < 16.0 ? 0 : 1;
}
