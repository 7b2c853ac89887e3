// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QAccessibleInterface;

namespace platform::qt {

// Words for screen readers, spoken wherever the focus is: a status bar that only screen readers
// see, holding one notification, shown again with each announcement. Orca 43 speaks such a
// notification as its words alone, while it ignores announcement events, live regions outside
// web pages and the changes of a text box that does not have the focus. Nothing is drawn.
class Announcer final : public QObject
{
    Q_OBJECT

public:
    // A child of the window; its status bar is the window's last accessible child.
    explicit Announcer(QObject *window);

    void announce(const QString &words);
    QString words() const { return words_; }
    QObject *notification() const { return notification_; }

Q_SIGNALS:
    // After each announcement has been sent; Qt sends it only while a screen reader listens.
    void announced(const QString &words);

private:
    QString words_;
    QObject *notification_;
};

// The status bar's and the notification's accessible interfaces, for the accessibility factory.
QAccessibleInterface *announcerAccessible(const QString &className, QObject *object);

} // namespace platform::qt
