#include "core/app_context.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
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
    show_message = show_message_box;
    open_main_menu = [](QWidget*) {
        throw AppError(QStringLiteral("程序内部错误：无法返回主页"),
                       QStringLiteral("navigation to the main menu was not installed"));
    };
}

bool AppContext::save(QWidget* parent, const QString& what, const std::function<void()>& write) {
    for (;;) {
        try {
            write();
            return true;
        } catch (const AppError& error) {
            // Opened afresh for the next attempt: a file made writable meanwhile is then written.
            bank_.close();
            const QString reason = error.reason().isEmpty() ? error.message() : error.reason();
            Message m;
            m.kind = Message::Kind::retry;
            m.title = QStringLiteral("Trelvo驾考软件 - 无法保存");
            m.text = QStringLiteral(
                         "%1失败，本窗口中的内容都还在，没有丢失。\n\n"
                         "文件：%2\n原因：%3\n\n"
                         "排除原因后请点“重试”；点“取消”可留在本窗口，稍后再保存。")
                         .arg(what, QDir::toNativeSeparators(bank_.path()), reason);
            m.details = QStringLiteral("技术细节：") + error.cause();
            if (!show_message(parent, m)) return false;
        }
    }
}

void AppContext::warn_when_read_only(QWidget* parent) {
    const QString problem = bank_.write_problem();
    if (problem.isEmpty()) return;
    Message m;
    m.kind = Message::Kind::information;
    m.title = QStringLiteral("Trelvo驾考软件 - 无法保存练习记录");
    m.text = QStringLiteral(
                 "在这个文件夹中无法保存练习记录：%1。\n\n"
                 "题库文件：%2\n\n"
                 "您仍可以练习和模拟考试，但答题记录、错题本和车型选择都不会被保存。"
                 "要保存它们，请让题库文件和它所在的文件夹可以写入，或把整个程序文件夹"
                 "复制到您自己的文件夹（例如主目录）中再从那里运行。")
                 .arg(problem, QDir::toNativeSeparators(bank_.path()));
    show_message(parent, m);
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
    auto say = [&](const QString& text, const QString& copyable) {
        (void)app.show_message(parent, notice(text, copyable));
    };
    if (url.isEmpty() || !url.isValid()) {
        say(QStringLiteral("没有设置%1的地址。").arg(what), {});
        return;
    }
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
        scheme != QLatin1String("mailto") && scheme != QLatin1String("file")) {
        say(QStringLiteral("%1的地址不是网页、邮件或本机文件地址，程序不会打开它：").arg(what),
            shown);
        return;
    }
    if (scheme == QLatin1String("file")) {
        const QFileInfo file(url.toLocalFile());
        if (!file.isFile()) {
            say(QStringLiteral("找不到%1，这个文件不存在：").arg(what), url.toLocalFile());
            return;
        }
        // A page is opened for reading; a program is never started this way.
        if (file.isExecutable()) {
            say(QStringLiteral("%1的地址指向一个程序，程序不会打开它：").arg(what),
                url.toLocalFile());
            return;
        }
    }
    if (!app.open_url(url))
        say(QStringLiteral("无法打开%1：系统中没有可以打开它的程序。请复制下面的地址：").arg(what),
            shown);
}

}  // namespace trelvo
