#include "app/navigation.h"
#include "app/warm_up.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/first_paint_probe.h"
#include "menu/main_control.h"

int main(int argc, char** argv) {
    trelvo::TrelvoApplication app(argc, argv);
    trelvo::init_screens();
    try {
        trelvo::AppContext context(QCoreApplication::applicationDirPath());
        trelvo::install_navigation(context);
        auto* menu = new trelvo::MainControl(context);
        if (qEnvironmentVariableIsSet("TRELVO_EXIT_AFTER_FIRST_PAINT"))
            menu->installEventFilter(new trelvo::FirstPaintProbe(menu));
        trelvo::warm_up_after_first_paint(context, menu);
        menu->show();
        return QApplication::exec();
    } catch (const trelvo::AppError& error) {
        trelvo::report_fatal(error);
    }
}
