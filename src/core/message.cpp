#include "core/message.h"

#include <QMessageBox>
#include <QPushButton>

namespace trelvo {

namespace {

void show_message_box(QWidget* parent, const Message& message) {
    QString text = message.text;
    if (!message.copyable.isEmpty()) text += QStringLiteral("\n\n") + message.copyable;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Trelvo驾考软件"), text,
                    QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    // The learner may need to copy the address into a browser or mail program by hand.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

MessagePresenter& presenter() {
    static MessagePresenter p = show_message_box;
    return p;
}

}  // namespace

void set_message_presenter(MessagePresenter p) {
    presenter() = p ? std::move(p) : MessagePresenter(show_message_box);
}

void show_message(QWidget* parent, const Message& message) {
    presenter()(parent, message);
}

}  // namespace trelvo
