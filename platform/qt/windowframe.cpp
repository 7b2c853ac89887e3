// SPDX-License-Identifier: MIT
#include "windowframe.h"

#include "geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace platform::qt {
namespace {

void moveToCentre(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    // move() places the outer frame.
    window->move(centredStart(available.x(), available.width(), frame.width()),
                 centredStart(available.y(), available.height(), frame.height()));
}

// Centres again once the window manager has framed the window: its frame's size is only known
// then, and arrives as a move some moments after the first show. Restoring a minimised window
// shows it again; by then it stays where the user put it.
class CentreWhenFramed : public QObject
{
public:
    explicit CentreWhenFramed(QWidget *window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            QTimer::singleShot(0, window_, [window = window_] { moveToCentre(window); });
            // Without a window manager that frames windows, no frame ever comes.
            QTimer::singleShot(kFrameWait, this, [this] { finish(); });
        } else if (event->type() == QEvent::Move && shown_ &&
                   window_->frameGeometry().size() != window_->size()) {
            finish();
            QTimer::singleShot(0, window_, [window = window_] { moveToCentre(window); });
        }
        return false;
    }

private:
    static constexpr std::chrono::milliseconds kFrameWait{2000};

    void finish()
    {
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget *const window_;
    bool shown_ = false;
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
    new CentreWhenFramed(window);
}

} // namespace platform::qt
