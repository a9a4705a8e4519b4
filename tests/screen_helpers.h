#pragma once

// Finding and driving the real screens in widget tests.
#include <QApplication>
#include <QTest>

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

// Closes every window and lets the deleted ones go.
inline void close_all_screens() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace trelvo::test
