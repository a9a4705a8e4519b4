#include "core/message.h"

#include <QMessageBox>
#include <QPushButton>

namespace trelvo {

Message notice(const QString& text, const QString& copyable) {
    Message m;
    m.kind = Message::Kind::information;
    m.text = text;
    m.copyable = copyable;
    return m;
}

bool show_message_box(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title.isEmpty() ? QStringLiteral("Trelvo驾考软件") : message.title);
    QString text = message.text;
    if (!message.copyable.isEmpty()) {
        text += QStringLiteral("\n\n") + message.copyable;
        // The learner may need to copy the address into a browser or mail program by hand.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box.setText(text);
    if (!message.details.isEmpty()) box.setInformativeText(message.details);
    switch (message.kind) {
        case Message::Kind::retry: {
            box.setIcon(QMessageBox::Warning);
            QPushButton* retry = box.addButton(QStringLiteral("重试"), QMessageBox::AcceptRole);
            QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
            box.setDefaultButton(retry);
            box.setEscapeButton(cancel);
            box.exec();
            return box.clickedButton() == retry;
        }
        case Message::Kind::confirm: {
            box.setIcon(QMessageBox::Question);
            QPushButton* yes = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
            QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
            // What is asked about cannot be undone: Enter alone must not do it.
            box.setDefaultButton(cancel);
            box.setEscapeButton(cancel);
            box.exec();
            return box.clickedButton() == yes;
        }
        case Message::Kind::information: {
            box.setIcon(QMessageBox::Information);
            QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
            box.setDefaultButton(ok);
            box.setEscapeButton(ok);
            box.exec();
            return true;
        }
    }
    return false;
}

}  // namespace trelvo
