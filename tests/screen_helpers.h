#pragma once

// Finding and driving the real screens in widget tests.
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <functional>

#include "core/app_context.h"
#include "core/message.h"
#include "core/picture_box.h"

namespace trelvo::test {

// The visible top-level screens of one kind.
template <typename T>
QList<T*> open_screens() {
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<T*>(w); s != nullptr && s->isVisible()) found.append(s);
    return found;
}

// A control by its object name; a missing one ends the test program with its name.
template <typename T = QWidget>
T* child(QObject* screen, const QString& name) {
    auto* c = screen->findChild<T*>(name);
    if (c == nullptr) qFatal("no control %s", qPrintable(name));
    return c;
}
inline PictureBox* box(QObject* screen, const QString& name) {
    return child<PictureBox>(screen, name);
}
inline TextLabel* label(QObject* screen, const QString& name) {
    return child<TextLabel>(screen, name);
}

inline void click(QWidget* w, QPoint at = {4, 4}) {
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// Closes every window and lets the deleted ones go. A screen that refused to close (its save was
// cancelled) is deleted all the same.
inline void close_all_screens() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    QList<QPointer<QWidget>> left;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) left.append(w);
    for (const QPointer<QWidget>& w : left) delete w.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Answers the program's message boxes in the learner's place and keeps what they said. Unless a
// test says otherwise, every box is answered with 取消.
struct MessageLog {
    QList<Message> shown;
    std::function<bool(const Message&)> answer = [](const Message&) { return false; };

    void install(AppContext& app) {
        app.show_message = [this](QWidget*, const Message& m) {
            shown.append(m);
            return answer(m);
        };
    }
    int count(Message::Kind kind) const {
        return int(std::count_if(shown.begin(), shown.end(),
                                 [kind](const Message& m) { return m.kind == kind; }));
    }
};

// Clicks queued in one turn of the event loop, as a quick double click arrives: the second is
// delivered only after the first has been handled.
inline void queue_clicks(QWidget* w, int clicks, QPoint at = {4, 4}) {
    const QPointF global = w->mapToGlobal(QPointF(at));
    for (int i = 0; i < clicks; ++i) {
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, QPointF(at),
                                                       global, Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(at),
                                                       global, Qt::LeftButton, Qt::NoButton, {}));
    }
    QCoreApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace trelvo::test
