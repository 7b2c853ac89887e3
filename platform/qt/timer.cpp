// SPDX-License-Identifier: MIT
#include "timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {

// One QTimer at the fastest rate for every timer that asks for it; it runs only while some
// owner is alive.
class Heartbeat : public QObject
{
public:
    static Heartbeat &instance()
    {
        static QPointer<Heartbeat> heartbeat;
        if (!heartbeat)
            heartbeat = new Heartbeat(QCoreApplication::instance());
        return *heartbeat;
    }

    void subscribe(QObject *owner, std::function<void()> tick)
    {
        connect(&timer_, &QTimer::timeout, owner, std::move(tick));
        connect(owner, &QObject::destroyed, this, [this] {
            if (--owners_ == 0)
                timer_.stop();
        });
        if (owners_++ == 0)
            timer_.start();
    }

private:
    explicit Heartbeat(QObject *parent) : QObject(parent)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kFastestTimerInterval);
    }

    QTimer timer_;
    int owners_ = 0;
};

} // namespace

void startTimer(QObject *owner, std::chrono::milliseconds requested, std::function<void()> tick)
{
    const std::chrono::milliseconds interval = effectiveTimerInterval(requested);
    if (interval == kFastestTimerInterval) {
        Heartbeat::instance().subscribe(owner, std::move(tick));
        return;
    }
    auto *timer = new QTimer(owner);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, owner, std::move(tick));
    timer->start();
}

} // namespace platform
