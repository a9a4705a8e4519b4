#pragma once

// For the start-up benchmark: reports a window's first paint on standard output, then quits.
// Header-only and Qt-only, so that the benchmark's bare yardstick window can use it unchanged.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace trelvo {

class FirstPaintProbe final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("first-paint\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace trelvo
