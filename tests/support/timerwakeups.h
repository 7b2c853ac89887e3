// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

// Counts the wake-ups of every QTimer in the program: the windows' clocks among them, not the
// caret's blink, which runs on a timer of its own kind.
class TimerWakeups : public QObject
{
public:
    TimerWakeups() { QCoreApplication::instance()->installEventFilter(this); }

    int count = 0;

    // Waits until no QTimer has fired for a quarter of a second; false if that never happens.
    bool waitForRest()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            count = 0;
            QTest::qWait(250);
            if (count == 0)
                return true;
        }
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && qobject_cast<QTimer *>(watched))
            ++count;
        return false;
    }
};
