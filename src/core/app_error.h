#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace trelvo {

// The one exception type of the program: a Chinese message for the learner and the technical cause
// for the maintainer. It is caught in exactly one place (TrelvoApplication::notify and main).
class AppError final : public std::runtime_error {
  public:
    AppError(QString message, QString cause, QString reason = {});

    const QString& message() const { return message_; }
    const QString& cause() const { return cause_; }
    // The cause in a few plain words where it is known (只读, 被其他程序占用, 磁盘已满 …).
    const QString& reason() const { return reason_; }

  private:
    QString message_;
    QString cause_;
    QString reason_;
};

// Shows the run-time error report (message box), writes it to standard error and ends the program
// with a non-zero status. Tests replace the presenter so that nothing blocks or exits.
using ErrorPresenter = std::function<void(const AppError&)>;
void set_error_presenter(ErrorPresenter presenter);
[[noreturn]] void report_fatal(const AppError& error);

// The text of the report as it is shown and written to standard error.
QString error_report_text(const AppError& error);

// 16-bit values: the bank and the screens count in 16-bit integers; anything outside is an error.
qint16 checked_int16(qlonglong value, const QString& what);

}  // namespace trelvo
