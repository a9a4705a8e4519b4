// The first opening of the unit list and then of the practice screen in a fresh process, as a
// learner meets them: the main menu painted, a moment's pause, a click on sequence practice, a
// pause, a click on the first unit. Each is timed until its window's first paint has been
// delivered, beside a bare Qt window with a dozen labels opened in the same process. Offscreen, on
// a scratch copy of the built program folder's bank.
//
//   bench_first_open [runs]   (each run a fresh process; medians are printed)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/navigation.h"
#include "app/warm_up.h"
#include "core/app_context.h"
#include "core/application.h"
#include "core/picture_box.h"
#include "menu/main_control.h"
#include "paint_clock.h"
#include "practice/study_unit.h"

namespace {

constexpr double frame_ms = 1000.0 / 60;

QWidget* window_named(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

// One fresh process: prints "menu unit practice bare" in milliseconds.
int measure_once(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trelvo::init_screens();
    QTemporaryDir dir;
    if (!bench::scratch_program_folder(dir.path(), {"imgs", "tr"})) return 1;
    trelvo::AppContext context(dir.path());
    trelvo::install_navigation(context);
    context.end_program = [] {};

    const double menu = bench::until_painted(QStringLiteral("main_control"), [&] {
        context.open_main_menu(nullptr);
        trelvo::warm_up_after_first_paint(context, window_named("main_control"));
    });
    bench::idle(400);
    const double unit = bench::until_painted(QStringLiteral("study_unit"), [] {
        emit window_named("main_control")
            ->findChild<trelvo::PictureBox*>("img_sequence")
            ->clicked();
    });
    bench::idle(400);
    const double practice = bench::until_painted(QStringLiteral("study"), [] {
        emit window_named("study_unit")->findChild<trelvo::PictureBox*>("img_unit_0")->clicked();
    });
    bench::idle(100);
    const double bare = bench::bare_window_ms();
    std::printf("%.3f %.3f %.3f %.3f\n", menu, unit, practice, bare);
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--once") return measure_once(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    std::vector<double> unit, practice, bare;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            std::fprintf(stderr, "run failed: %s\n", p.readAllStandardError().constData());
            return 1;
        }
        double m, u, s, b;
        if (std::sscanf(p.readAllStandardOutput().constData(), "%lf %lf %lf %lf", &m, &u, &s, &b) !=
            4)
            return 1;
        unit.push_back(u);
        practice.push_back(s);
        bare.push_back(b);
    }
    const double u = median(unit), s = median(practice), b = median(bare);
    std::printf(
        "first opening in a fresh process, until its first paint (median of %d, offscreen)\n",
        runs);
    std::printf("  unit list              %7.2f ms\n", u);
    std::printf("  practice screen        %7.2f ms\n", s);
    std::printf("  bare window, 12 labels %7.2f ms (same process)\n", b);
    std::printf("  limit: one 60 Hz frame %7.2f ms\n", frame_ms);
    return u <= frame_ms && s <= frame_ms ? 0 : 1;
}
