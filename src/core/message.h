#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace trelvo {

// A short notice to the learner: what happened, and optionally a text to copy (an address),
// shown selectable on a line of its own.
struct Message {
    QString text;
    QString copyable;
};

// Shows the notice in a modal message box over parent. Tests replace the presenter to read the
// notice instead of answering a box; an empty presenter brings the message box back.
using MessagePresenter = std::function<void(QWidget* parent, const Message&)>;
void set_message_presenter(MessagePresenter presenter);
void show_message(QWidget* parent, const Message& message);

}  // namespace trelvo
