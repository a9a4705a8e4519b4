#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>

#include "core/app_error.h"

namespace trelvo {

namespace {

const QString usage = QStringLiteral("用法：trelvo [--folder 程序目录]");

[[noreturn]] void bad_arguments(const QString& what) {
    throw AppError(QStringLiteral("启动参数有误：%1\n%2").arg(what, usage),
                   QStringLiteral("command line"));
}

}  // namespace

QString program_folder_from(const QStringList& arguments, const QString& default_folder) {
    QString folder = default_folder;
    bool given = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        QString value;
        if (a == QLatin1String("--folder")) {
            if (i + 1 >= arguments.size()) bad_arguments(QStringLiteral("--folder 后缺少程序目录"));
            value = arguments[++i];
        } else if (a.startsWith(QLatin1String("--folder="))) {
            value = a.mid(9);
        } else {
            bad_arguments(QStringLiteral("无法识别的参数“%1”").arg(a));
        }
        if (given) bad_arguments(QStringLiteral("--folder 只能给出一次"));
        if (value.isEmpty()) bad_arguments(QStringLiteral("--folder 后缺少程序目录"));
        given = true;
        folder = value;
    }
    const QFileInfo info(folder);
    if (!info.isDir()) {
        throw AppError(QStringLiteral("程序目录不存在：%1").arg(QDir::toNativeSeparators(folder)),
                       QStringLiteral("no such directory: %1").arg(folder));
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

}  // namespace trelvo
