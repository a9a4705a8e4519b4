#include "core/application.h"

#include "core/app_error.h"
#include "core/screen.h"

static void init_design_resources() {
    Q_INIT_RESOURCE(design);
}

namespace trelvo {

TrelvoApplication::TrelvoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Trelvo"));
}

bool TrelvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        report_fatal(error);
    } catch (const std::exception& error) {
        report_fatal(
            AppError(QStringLiteral("程序内部错误"), QString::fromLocal8Bit(error.what())));
    }
}

void init_screens() {
    init_design_resources();
    install_font_substitutions();
}

}  // namespace trelvo
