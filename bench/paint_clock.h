#pragma once

// Times from an action to the moment a window's first paint has been delivered, inside one
// process, and the yardstick beside it: a bare Qt window with a dozen labels.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace bench {

class PaintWatch final : public QObject {
  public:
    explicit PaintWatch(QString name) : name_(std::move(name)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == name_) {
            // Measured once the paint itself has run, not when it is asked for.
            const bool handled = QObject::eventFilter(watched, event);
            QTimer::singleShot(0, &loop_, [this] { loop_.quit(); });
            seen_ = true;
            return handled;
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen() const { return seen_; }
    QEventLoop& loop() { return loop_; }

  private:
    QString name_;
    bool seen_ = false;
    QEventLoop loop_;
};

// Runs `open` and returns the milliseconds until the window named `name` has painted (-1 if it
// never does within five seconds).
inline double until_painted(const QString& name, const std::function<void()>& open) {
    PaintWatch watch(name);
    qApp->installEventFilter(&watch);
    QElapsedTimer clock;
    QTimer::singleShot(5000, &watch.loop(), [&] { watch.loop().quit(); });
    clock.start();
    open();
    double ms = -1;
    if (!watch.seen()) watch.loop().exec();
    if (watch.seen()) ms = double(clock.nsecsElapsed()) / 1e6;
    qApp->removeEventFilter(&watch);
    return ms;
}

// The yardstick: a plain window with a dozen labels, shown and painted.
inline double bare_window_ms() {
    QWidget* window = nullptr;
    const double ms = until_painted(QStringLiteral("bare"), [&] {
        window = new QWidget;
        window->setObjectName(QStringLiteral("bare"));
        window->resize(994, 676);
        for (int i = 0; i < 12; ++i) {
            auto* label = new QLabel(QStringLiteral("标签 %1").arg(i + 1), window);
            label->move(20 + (i % 3) * 200, 20 + (i / 3) * 60);
        }
        window->show();
    });
    delete window;
    return ms;
}

// Lets the event loop run idle for a while, as it does while a learner looks at a screen.
inline void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace bench
