// SPDX-License-Identifier: MIT
#include "accessibleids.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QRect>
#include <QString>
#include <memory>

namespace platform::qt {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
// Holds an id and nothing else: no object, no parent, no place in any tree.
class Placeholder final : public QAccessibleInterface
{
public:
    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};
#endif

} // namespace

void retireLastAccessibleId()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (!QAccessible::isActive())
        return;
    // The id before is below every id Qt gives out from now on: it can go with its holder.
    static QAccessible::Id held = 0;
    const QAccessible::Id previous = held;
    held = QAccessible::registerAccessibleInterface(new Placeholder);
    if (previous)
        QAccessible::deleteAccessibleInterface(previous);
#endif
}

} // namespace platform::qt
