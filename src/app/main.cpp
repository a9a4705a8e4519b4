#include "app/command_line.h"
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
        trelvo::AppContext context(trelvo::program_folder_from(
            QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath()));
        trelvo::install_navigation(context);
        auto* menu = new trelvo::MainControl(context);
        if (qEnvironmentVariableIsSet("TRELVO_EXIT_AFTER_FIRST_PAINT"))
            menu->installEventFilter(new trelvo::FirstPaintProbe(menu));
        trelvo::warm_up_after_first_paint(context, menu);
        menu->show();
        context.warn_when_read_only(menu);
        return QApplication::exec();
    } catch (const trelvo::AppError& error) {
        trelvo::report_fatal(error);
    }
}
