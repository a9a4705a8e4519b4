#include "core/ticker.h"

namespace trelvo {

QtTicker::QtTicker(QObject* parent) : Ticker(parent) {
    connect(&timer_, &QTimer::timeout, this, &Ticker::tick);
}

void QtTicker::start(int interval_ms) {
    timer_.start(interval_ms);
}
void QtTicker::stop() {
    timer_.stop();
}
bool QtTicker::is_active() const {
    return timer_.isActive();
}
int QtTicker::interval() const {
    return timer_.interval();
}

void ManualTicker::start(int interval_ms) {
    interval_ = interval_ms;
    active_ = true;
    ++starts_;
}

bool ManualTicker::fire() {
    if (!active_) return false;
    emit tick();
    return true;
}

}  // namespace trelvo
