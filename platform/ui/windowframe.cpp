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
            QTimer::singleShot(0, window, [window] { moveToCentre(window); });
            deleteLater();
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
}

void unloadOnClose(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose, true);
}

void showModeless(QWidget *window)
{
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
