#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "menu/main_control.h"

namespace {

// For the start-up benchmark: report the main menu's first paint on standard output and quit.
class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("first-paint\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    trelvo::TrelvoApplication app(argc, argv);
    trelvo::init_screens();
    try {
        trelvo::AppContext context(QCoreApplication::applicationDirPath());
        auto* menu = new trelvo::MainControl(context);
        if (qEnvironmentVariableIsSet("TRELVO_EXIT_AFTER_FIRST_PAINT"))
            menu->installEventFilter(new FirstPaintProbe(menu));
        menu->show();
        return QApplication::exec();
    } catch (const trelvo::AppError& error) {
        trelvo::report_fatal(error);
    }
}
