#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace trelvo {

// What a key does on a screen that shows one question at a time (the practice and the exam
// screen): the mouse behaviour stays as it is, the keys only add to it.
enum class QuestionKey {
    none,
    option_a,
    option_b,
    option_c,
    option_d,
    yes,
    no,
    previous,
    next,
    leave
};

// A–D or 1–4 pick an option; for true/false 1 or Y is 对 and 2 or N is 错; ← and PgUp go back,
// →, PgDn and Enter go on; Esc leaves. Keys that mean nothing for the question give none.
QuestionKey question_key(int key, bool true_false);

// Listens for those keys anywhere in the screen's window and hands each meaningful one to
// `handle`; `true_false` tells whether the question on screen is a true/false question.
void install_question_keys(QWidget* screen, std::function<bool()> true_false,
                           std::function<void(QuestionKey)> handle);

// The keys of an action, for tooltips and the user guide ("A 或 1").
QString key_hint(QuestionKey action);

}  // namespace trelvo
