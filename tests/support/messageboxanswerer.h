// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTime>
#include <QTimer>
#include <functional>

struct SeenMessageBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next modal message box from inside its own event loop, after running whileOpen,
// so that a test never hangs on it. Gives up after five seconds.
inline void answerNextMessageBox(SeenMessageBox *seen, std::function<void()> whileOpen = {})
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout,
                     [poll, seen, whileOpen, started = QTime::currentTime()] {
                         auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                         if (!box && started.msecsTo(QTime::currentTime()) < 5000)
                             return;
                         poll->deleteLater();
                         poll->stop();
                         if (!box)
                             return;
                         seen->title = box->windowTitle();
                         seen->text = box->text();
                         seen->icon = box->icon();
                         for (const QAbstractButton *button : box->buttons())
                             seen->buttons << button->text();
                         if (whileOpen)
                             whileOpen();
                         box->accept();
                     });
    poll->start(10);
}
