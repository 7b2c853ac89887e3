// SPDX-License-Identifier: MIT
#include "windowframe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

void moveToCentre(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    // move() places the outer frame.
    window->move(available.topLeft() + QPoint((available.width() - frame.width()) / 2,
                                              (available.height() - frame.height()) / 2));
}

// Re-centres once after the first show, when the window manager has told us the frame.
// Restoring a minimised window shows it again: by then it stays where the user put it.
class CentreWhenShown : public QObject
{
public:
    explicit CentreWhenShown(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            window->removeEventFilter(this);
            QTimer::singleShot(0, window, [window] { moveToCentre(window); });
            deleteLater();
        }
        return false;
    }
};

void restoreIfMinimised(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
}

// A window with neither a minimise button nor a taskbar button could not be brought back once
// minimised, so a window manager that minimises it anyway sees it restored at once.
class RefuseMinimise : public QObject
{
public:
    explicit RefuseMinimise(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            auto *window = static_cast<QWidget *>(watched);
            if (window->isMinimized())
                QTimer::singleShot(0, window, [window] { restoreIfMinimised(window); });
        }
        return false;
    }
};

} // namespace

void setFixedSingleBorder(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(window->size());
}

void setFixedToolWindowBorder(QWidget *window)
{
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(window->size());
    // Qt leaves tool windows out of the count of windows that keep an application alive.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    new RefuseMinimise(window);
}

void unloadOnClose(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose, true);
}

void showModeless(QWidget *window)
{
    restoreIfMinimised(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void centreOnScreen(QWidget *window)
{
    moveToCentre(window);
    new CentreWhenShown(window);
}

} // namespace platform
