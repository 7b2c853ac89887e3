// SPDX-License-Identifier: MIT
#include "heartbeatclock.h"

#include "timerfloor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace platform::qt {
namespace {

// Made on first use, a child of the application: gone with it, possibly before the last window.
QPointer<QTimer> clock;

void setClockRunning(bool running)
{
    if (running && !clock) {
        clock = new QTimer(QCoreApplication::instance());
        clock->setTimerType(Qt::PreciseTimer);
        clock->setInterval(kFastestTimerInterval);
        QObject::connect(clock, &QTimer::timeout, [] { heartbeat().beat(); });
    }
    if (!clock)
        return;
    if (running)
        clock->start();
    else
        clock->stop();
}

} // namespace

Heartbeat &heartbeat()
{
    static Heartbeat shared(setClockRunning);
    return shared;
}

} // namespace platform::qt
