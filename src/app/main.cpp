#include "app/command_line.h"
#include "app/navigation.h"
#include "app/single_run.h"
#include "app/termination.h"
#include "app/warm_up.h"
#include "core/app_context.h"
#include "core/app_error.h"
#include "core/application.h"
#include "core/first_paint_probe.h"
#include "core/message.h"
#include "core/question_bank.h"
#include "menu/main_control.h"

int main(int argc, char** argv) {
    trelvo::TrelvoApplication app(argc, argv);
    trelvo::init_screens();
    try {
        const QString folder = trelvo::program_folder_from(QCoreApplication::arguments().mid(1),
                                                           QCoreApplication::applicationDirPath());
        // Declared first, so that it is let go only after the bank is closed.
        const trelvo::BankClaim claim(trelvo::QuestionBank::path_in(folder));
        if (claim.held_elsewhere()) {
            trelvo::Message m =
                trelvo::notice(trelvo::already_running_text(trelvo::QuestionBank::path_in(folder)));
            m.title = QStringLiteral("Trelvo驾考软件 - 已经打开");
            trelvo::show_message_box(nullptr, m);
            return 0;
        }
        trelvo::AppContext context(folder);
        trelvo::install_navigation(context);
        trelvo::on_termination_signal(
            [] { trelvo::end_on_termination([] { QCoreApplication::exit(0); }); });
        auto* menu = new trelvo::MainControl(context);
        if (qEnvironmentVariableIsSet("TRELVO_EXIT_AFTER_FIRST_PAINT"))
            menu->installEventFilter(new trelvo::FirstPaintProbe(menu));
        trelvo::warm_up_after_first_paint(context, menu);
        menu->show();
        context.warn_when_read_only(menu);
        if (trelvo::termination_requested()) return 0;  // asked to end during the notice
        return QApplication::exec();
    } catch (const trelvo::AppError& error) {
        trelvo::report_fatal(error);
    }
}
