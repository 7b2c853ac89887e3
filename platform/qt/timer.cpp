// SPDX-License-Identifier: MIT
#include "timer.h"

#include "heartbeat.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {

// The heartbeat's clock: one QTimer at the fastest rate, running only while some clock that
// shares it runs.
class SharedHeartbeat : public QObject
{
public:
    static SharedHeartbeat &instance()
    {
        if (!existing)
            existing = new SharedHeartbeat(QCoreApplication::instance());
        return *existing;
    }
    // Gone with the application, possibly before the last clock.
    static inline QPointer<SharedHeartbeat> existing;

    Heartbeat &heartbeat() { return heartbeat_; }

private:
    explicit SharedHeartbeat(QObject *parent) : QObject(parent)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kFastestTimerInterval);
        connect(&timer_, &QTimer::timeout, this, [this] { heartbeat_.beat(); });
    }

    QTimer timer_;
    Heartbeat heartbeat_{[this](bool running) {
        if (running)
            timer_.start();
        else
            timer_.stop();
    }};
};

class HeartbeatClock final : public TimerClock
{
public:
    HeartbeatClock(QObject *owner, std::function<void()> tick)
        : TimerClock(owner),
          subscription_(SharedHeartbeat::instance().heartbeat().subscribe(std::move(tick)))
    {}
    ~HeartbeatClock() override
    {
        if (SharedHeartbeat::existing)
            SharedHeartbeat::existing->heartbeat().unsubscribe(subscription_);
    }

    void setRunning(bool running) override
    {
        SharedHeartbeat::instance().heartbeat().setRunning(subscription_, running);
    }

private:
    const Heartbeat::Subscription subscription_;
};

class OwnClock final : public TimerClock
{
public:
    OwnClock(QObject *owner, std::chrono::milliseconds interval, std::function<void()> tick)
        : TimerClock(owner)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(interval);
        connect(&timer_, &QTimer::timeout, this, std::move(tick));
    }

    void setRunning(bool running) override
    {
        if (!running)
            timer_.stop();
        else if (!timer_.isActive())
            timer_.start();
    }

private:
    QTimer timer_;
};

} // namespace

TimerClock *startTimer(QObject *owner, std::chrono::milliseconds requested,
                       std::function<void()> tick)
{
    const std::chrono::milliseconds interval = effectiveTimerInterval(requested);
    TimerClock *clock = interval == kFastestTimerInterval
                            ? static_cast<TimerClock *>(new HeartbeatClock(owner, std::move(tick)))
                            : new OwnClock(owner, interval, std::move(tick));
    clock->setRunning(true);
    return clock;
}

} // namespace platform
