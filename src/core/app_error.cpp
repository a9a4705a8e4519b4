#include "core/app_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace trelvo {

AppError::AppError(QString message, QString cause, QString reason)
    : std::runtime_error((message + QStringLiteral("：") + cause).toStdString()),
      message_(std::move(message)),
      cause_(std::move(cause)),
      reason_(std::move(reason)) {}

namespace {

ErrorPresenter& presenter() {
    static ErrorPresenter p;
    return p;
}

}  // namespace

void set_error_presenter(ErrorPresenter p) {
    presenter() = std::move(p);
}

QString error_report_text(const AppError& error) {
    return QStringLiteral("程序运行时错误：%1\n\n原因：%2").arg(error.message(), error.cause());
}

void report_fatal(const AppError& error) {
    const QString text = error_report_text(error);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    if (presenter()) {
        presenter()(error);
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Trelvo驾考软件 - 运行时错误"), text,
                        QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
    }
    std::exit(1);
}

qint16 checked_int16(qlonglong value, const QString& what) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
        throw AppError(
            QStringLiteral("数值溢出"),
            QStringLiteral("%1 的值 %2 超出16位整数范围（-32768 至 32767）").arg(what).arg(value));
    }
    return static_cast<qint16>(value);
}

}  // namespace trelvo
