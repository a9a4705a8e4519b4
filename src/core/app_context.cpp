#include "core/app_context.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>

#include "core/app_error.h"
#include "core/message.h"

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

QUrl web_address(const QString& program_folder) {
    return QUrl::fromLocalFile(program_folder + QStringLiteral("/guide/index.html"));
}

QString address_text(const QUrl& url) {
    if (url.scheme() == QLatin1String("mailto")) return url.path();
    return url.toString(QUrl::PrettyDecoded);
}

void open_address(AppContext& app, QWidget* parent, const QUrl& url, const QString& what) {
    const QString scheme = url.scheme().toLower();
    const QString shown = address_text(url);
    if (url.isEmpty() || !url.isValid()) {
        show_message(parent, {QStringLiteral("没有设置%1的地址。").arg(what), {}});
        return;
    }
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
        scheme != QLatin1String("mailto") && scheme != QLatin1String("file")) {
        show_message(
            parent,
            {QStringLiteral("%1的地址不是网页、邮件或本机文件地址，程序不会打开它：").arg(what),
             shown});
        return;
    }
    if (scheme == QLatin1String("file")) {
        const QFileInfo file(url.toLocalFile());
        if (!file.isFile()) {
            show_message(parent, {QStringLiteral("找不到%1，这个文件不存在：").arg(what),
                                  url.toLocalFile()});
            return;
        }
        // A page is opened for reading; a program is never started this way.
        if (file.isExecutable()) {
            show_message(parent,
                         {QStringLiteral("%1的地址指向一个程序，程序不会打开它：").arg(what),
                          url.toLocalFile()});
            return;
        }
    }
    if (!app.open_url(url)) {
        show_message(parent, {QStringLiteral("无法打开%1：系统中没有可以打开它的程序。"
                                             "请复制下面的地址：")
                                  .arg(what),
                              shown});
    }
}

}  // namespace trelvo
