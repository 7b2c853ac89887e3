// SPDX-License-Identifier: MIT
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace platform::qt {
namespace {

// The notification's object: only its class tells the factory what it is.
class Announcement final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
};

class StatusBarAccessible final : public QAccessibleObject
{
public:
    explicit StatusBarAccessible(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(announcer()->notification())
                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == announcer()->notification() ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }

private:
    Announcer *announcer() const { return static_cast<Announcer *>(object()); }
};

// Named by the words; the status bar around it keeps Orca from saying its role.
class NotificationAccessible final : public QAccessibleObject
{
public:
    explicit NotificationAccessible(QObject *notification) : QAccessibleObject(notification) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(object()->parent())->words()
                                      : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

} // namespace

Announcer::Announcer(QObject *window) : QObject(window), notification_(new Announcement(this)) {}

void Announcer::announce(const QString &words)
{
    words_ = words;
    QAccessibleEvent shown(notification_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    Q_EMIT announced(words_);
}

QAccessibleInterface *announcerAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new StatusBarAccessible(static_cast<Announcer *>(object));
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new NotificationAccessible(object);
    return nullptr;
}

} // namespace platform::qt

#include "announcer.moc"
