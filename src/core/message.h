#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace trelvo {

// One message box of the program: a question with 重试/取消 or 确定/取消, or a plain notice.
struct Message {
    enum class Kind { retry, confirm, information };
    Kind kind = Kind::information;
    QString title;
    QString text;
    QString details;   // the technical cause, in smaller print under the text
    QString copyable;  // an address the learner may need to copy, on a line of its own
};

// A plain notice, optionally with a text to copy.
Message notice(const QString& text, const QString& copyable = {});

// Shows the box and waits for the answer: true for 重试 or 确定, false for 取消, Esc or closing
// the box. Screens reach it through AppContext::show_message, which tests answer themselves.
using MessagePresenter = std::function<bool(QWidget* parent, const Message& message)>;
bool show_message_box(QWidget* parent, const Message& message);

}  // namespace trelvo
