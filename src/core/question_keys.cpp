#include "core/question_keys.h"

#include <QShortcut>
#include <QWidget>

namespace trelvo {

QuestionKey question_key(int key, bool true_false) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_PageUp:
            return QuestionKey::previous;
        case Qt::Key_Right:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QuestionKey::next;
        case Qt::Key_Escape:
            return QuestionKey::leave;
        default:
            break;
    }
    if (true_false) {
        switch (key) {
            case Qt::Key_1:
            case Qt::Key_Y:
                return QuestionKey::yes;
            case Qt::Key_2:
            case Qt::Key_N:
                return QuestionKey::no;
            default:
                return QuestionKey::none;
        }
    }
    switch (key) {
        case Qt::Key_A:
        case Qt::Key_1:
            return QuestionKey::option_a;
        case Qt::Key_B:
        case Qt::Key_2:
            return QuestionKey::option_b;
        case Qt::Key_C:
        case Qt::Key_3:
            return QuestionKey::option_c;
        case Qt::Key_D:
        case Qt::Key_4:
            return QuestionKey::option_d;
        default:
            return QuestionKey::none;
    }
}

void install_question_keys(QWidget* screen, std::function<bool()> true_false,
                           std::function<void(QuestionKey)> handle) {
    static const int keys[] = {Qt::Key_A,      Qt::Key_B,        Qt::Key_C,      Qt::Key_D,
                               Qt::Key_Y,      Qt::Key_N,        Qt::Key_1,      Qt::Key_2,
                               Qt::Key_3,      Qt::Key_4,        Qt::Key_Left,   Qt::Key_Right,
                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
                               Qt::Key_Escape};
    for (int key : keys) {
        // Digits also from the number pad.
        for (Qt::KeyboardModifiers mods :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
            const bool digit = key >= Qt::Key_1 && key <= Qt::Key_4;
            if (mods != Qt::NoModifier && !digit && key != Qt::Key_Enter) continue;
            if (mods == Qt::NoModifier && key == Qt::Key_Enter) continue;
            auto* shortcut = new QShortcut(QKeySequence(key | mods), screen);
            shortcut->setContext(Qt::WindowShortcut);
            // Only the moves repeat while a key is held: an answer, Enter or Esc acts once per
            // press, so that a key held a moment too long does not also act on what it opened.
            shortcut->setAutoRepeat(key == Qt::Key_Left || key == Qt::Key_Right ||
                                    key == Qt::Key_PageUp || key == Qt::Key_PageDown);
            QObject::connect(shortcut, &QShortcut::activated, screen, [key, true_false, handle] {
                const QuestionKey action = question_key(key, true_false());
                if (action != QuestionKey::none) handle(action);
            });
        }
    }
}

QString key_hint(QuestionKey action) {
    switch (action) {
        case QuestionKey::option_a:
            return QStringLiteral("A 或 1");
        case QuestionKey::option_b:
            return QStringLiteral("B 或 2");
        case QuestionKey::option_c:
            return QStringLiteral("C 或 3");
        case QuestionKey::option_d:
            return QStringLiteral("D 或 4");
        case QuestionKey::yes:
            return QStringLiteral("1 或 Y");
        case QuestionKey::no:
            return QStringLiteral("2 或 N");
        case QuestionKey::previous:
            return QStringLiteral("← 或 PgUp");
        case QuestionKey::next:
            return QStringLiteral("→、PgDn 或 Enter");
        case QuestionKey::leave:
            return QStringLiteral("Esc");
        case QuestionKey::none:
            break;
    }
    return {};
}

}  // namespace trelvo
