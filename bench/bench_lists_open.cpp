// Opening the chapter list, the special-topic list and the about screen until their first paint
// has been delivered, beside a bare Qt window with a dozen labels measured the same way in the same
// run. Runs on a copy of the built program folder's bank so that the learner's progress is never
// touched.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/app_context.h"
#include "core/application.h"
#include "core/car_type.h"
#include "info/about.h"
#include "paint_clock.h"
#include "practice/select_chapter.h"
#include "practice/select_special.h"

namespace {

// Notes the first paint of the window it watches.
class PaintSeen final : public QObject {
  public:
    bool seen = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) seen = true;
        return QObject::eventFilter(watched, event);
    }
};

// Milliseconds from creating a window (make() builds and fills it) to its first delivered paint.
double time_to_first_paint(const std::function<QWidget*()>& make) {
    QElapsedTimer clock;
    clock.start();
    QWidget* window = make();
    PaintSeen probe;
    window->installEventFilter(&probe);
    window->show();
    while (!probe.seen) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    window->removeEventFilter(&probe);
    window->close();
    delete window;
    QCoreApplication::processEvents();
    return ms;
}

QWidget* bare_window() {
    auto* window = new QWidget;
    window->resize(994, 676);
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(QStringLiteral("标签 %1").arg(i + 1), window);
        label->move(20 + (i % 3) * 200, 20 + (i / 3) * 60);
    }
    return window;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trelvo::init_screens();
    QTemporaryDir dir;
    if (!bench::scratch_program_folder(dir.path(), {"imgs", "tr", "guide"})) return 1;
    trelvo::AppContext context(dir.path());
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;

    const auto chapters = [&](trelvo::CarType code) {
        return [&context, code]() -> QWidget* {
            trelvo::set_car_type(code);
            auto* screen = new trelvo::SelectChapter(context);
            screen->init(trelvo::chapter_list_table_name());
            return screen;
        };
    };
    const struct {
        const char* name;
        std::function<QWidget*()> make;
    } cases[] = {
        {"bare window, 12 labels", bare_window},
        {"chapter list, category 0 (4)", chapters(0)},
        {"chapter list, category 5 (7)", chapters(5)},
        {"special-topic list, category 0",
         [&context]() -> QWidget* {
             trelvo::set_car_type(0);
             auto* screen = new trelvo::SelectSpecial(context);
             screen->init(trelvo::special_list_table_name());
             return screen;
         }},
        {"about screen", [&context]() -> QWidget* { return new trelvo::About(context); }},
    };
    std::vector<std::vector<double>> times(std::size(cases));
    for (const auto& c : cases) time_to_first_paint(c.make);  // warm caches and fonts
    for (int r = 0; r < runs; ++r)
        for (std::size_t i = 0; i < std::size(cases); ++i)
            times[i].push_back(time_to_first_paint(cases[i].make));

    std::printf("open a screen until its first paint (median of %d, offscreen)\n", runs);
    const double bare = median(times[0]);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const double t = median(times[i]);
        std::printf("  %-30s %7.2f ms   %5.2f × bare\n", cases[i].name, t, t / bare);
    }
    return 0;
}
