#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace trelvo {

// A timer behind an interface, so that tests make time pass by hand instead of waiting.
class Ticker : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Starts (or restarts) ticking every interval_ms milliseconds.
    virtual void start(int interval_ms) = 0;
    virtual void stop() = 0;
    virtual bool is_active() const = 0;
    virtual int interval() const = 0;

  signals:
    void tick();
};

// The real one, on a QTimer.
class QtTicker final : public Ticker {
    Q_OBJECT
  public:
    explicit QtTicker(QObject* parent);
    void start(int interval_ms) override;
    void stop() override;
    bool is_active() const override;
    int interval() const override;

  private:
    QTimer timer_;
};

// For tests: ticks only when fire() is called, and only while started.
class ManualTicker final : public Ticker {
    Q_OBJECT
  public:
    using Ticker::Ticker;
    void start(int interval_ms) override;
    void stop() override { active_ = false; }
    bool is_active() const override { return active_; }
    int interval() const override { return interval_; }
    int starts() const { return starts_; }
    // One tick, as if the interval had passed; returns false (and does nothing) when stopped.
    bool fire();

  private:
    bool active_ = false;
    int interval_ = 0;
    int starts_ = 0;
};

using TickerFactory = std::function<Ticker*(QObject* parent)>;

}  // namespace trelvo
