#include "core/app_context.h"

#include <QApplication>
#include <QDesktopServices>

#include "core/app_error.h"

namespace trelvo {

AppContext::AppContext(QString program_folder)
    : folder_(std::move(program_folder)),
      bank_(QuestionBank::path_in(folder_)),
      pictures_(folder_),
      skins_(pictures_) {
    open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    end_program = [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    };
    make_ticker = [](QObject* parent) -> Ticker* { return new QtTicker(parent); };
    open_main_menu = [](QWidget*) {
        throw AppError(QStringLiteral("程序内部错误：无法返回主页"),
                       QStringLiteral("navigation to the main menu was not installed"));
    };
}

QUrl feedback_address() {
    return QUrl(QStringLiteral("mailto:feedback@trelvo.example?subject=Trelvo%E5%8F%8D%E9%A6%88"));
}

QUrl web_address() {
    return QUrl(QStringLiteral("https://trelvo.example/"));
}

}  // namespace trelvo
