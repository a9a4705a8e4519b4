// Opening the practice screen on a 100-question unit until its window's first paint has been
// delivered (window built, run loaded, question read, painted), again and again in one process,
// beside a bare Qt window with a dozen labels. Runs on a copy of the built program folder's bank
// so that the learner's progress is never touched.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/app_context.h"
#include "core/application.h"
#include "paint_clock.h"
#include "practice/study.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trelvo::init_screens();
    QTemporaryDir dir;
    if (!bench::scratch_program_folder(dir.path(), {"imgs", "tr"})) return 1;
    trelvo::AppContext context(dir.path());
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    std::vector<double> times, bare;
    for (int i = 0; i <= runs; ++i) {
        trelvo::Study* study = nullptr;
        times.push_back(bench::until_painted(QStringLiteral("study"), [&] {
            study = new trelvo::Study(context);
            study->init(QStringLiteral("xiaoche_sequence"), 0, 99);
            study->show();
        }));
        study->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bare.push_back(bench::bare_window_ms());
    }
    const double cold = times.front();
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::sort(bare.begin(), bare.end());
    std::printf("open the practice screen on a 100-question unit, until its first paint\n");
    std::printf("  first open (cold caches) %7.2f ms\n", cold);
    std::printf("  median of %d opens       %7.2f ms (limit 16 ms)\n", runs,
                times[times.size() / 2]);
    std::printf("  slowest                  %7.2f ms\n", times.back());
    std::printf("  bare window, 12 labels   %7.2f ms (median, same process)\n",
                bare[bare.size() / 2]);
    return times[times.size() / 2] < 16.0 ? 0 : 1;
}
