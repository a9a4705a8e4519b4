#pragma once

// Times from an action to the moment a window's first paint has been delivered, inside one
// process, and the yardstick beside it: a bare Qt window with a dozen labels.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <initializer_list>

namespace bench {

// A scratch program folder in `dir`: the built program folder's read-only parts linked in and a
// copy of its bank, so that a benchmark never touches the build's own progress. False (after
// saying why) when the build has no bank yet.
inline bool scratch_program_folder(const QString& dir,
                                   std::initializer_list<const char*> linked = {"imgs", "tr"}) {
    const QString source = QStringLiteral(TRELVO_DIR);
    QDir(dir).mkpath(QStringLiteral("aces"));
    QDir(dir).mkpath(QStringLiteral("rs"));
    for (const char* sub : linked)
        QFile::link(source + QLatin1Char('/') + QLatin1String(sub),
                    dir + QLatin1Char('/') + QLatin1String(sub));
    if (!QFile::copy(source + QStringLiteral("/aces/btn_init.rar"),
                     dir + QStringLiteral("/aces/btn_init.rar"))) {
        std::fprintf(stderr, "no bank in %s: build the program first\n", qPrintable(source));
        return false;
    }
    return true;
}

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
