// SPDX-License-Identifier: MIT
#include "timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

class HeartbeatClock;

// One QTimer at the fastest rate for every clock that asks for it; it runs only while one of
// them runs.
class Heartbeat : public QObject
{
public:
    static Heartbeat &instance()
    {
        if (!existing)
            existing = new Heartbeat(QCoreApplication::instance());
        return *existing;
    }
    // Gone with the application, possibly before the last clock.
    static inline QPointer<Heartbeat> existing;

    void setRunning(HeartbeatClock *clock, bool running)
    {
        const auto found = std::find(running_.begin(), running_.end(), clock);
        if (running && found == running_.end())
            running_.push_back(clock);
        else if (!running && found != running_.end())
            running_.erase(found);
        if (running_.empty())
            timer_.stop();
        else if (!timer_.isActive())
            timer_.start();
    }

private:
    explicit Heartbeat(QObject *parent) : QObject(parent)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kFastestTimerInterval);
        connect(&timer_, &QTimer::timeout, this, &Heartbeat::beat);
    }

    void beat();

    QTimer timer_;
    // A tick may stop its own clock or another: beat() walks a copy.
    std::vector<HeartbeatClock *> running_;
};

class HeartbeatClock final : public TimerClock
{
public:
    HeartbeatClock(QObject *owner, std::function<void()> tick)
        : TimerClock(owner), tick_(std::move(tick))
    {}
    ~HeartbeatClock() override
    {
        if (Heartbeat::existing)
            Heartbeat::existing->setRunning(this, false);
    }

    void setRunning(bool running) override { Heartbeat::instance().setRunning(this, running); }
    void tick() { tick_(); }

private:
    std::function<void()> tick_;
};

void Heartbeat::beat()
{
    const std::vector<HeartbeatClock *> clocks = running_;
    for (HeartbeatClock *clock : clocks) {
        if (std::find(running_.begin(), running_.end(), clock) != running_.end())
            clock->tick();
    }
}

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
