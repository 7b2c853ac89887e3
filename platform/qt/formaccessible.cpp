// SPDX-License-Identifier: MIT
#include "formaccessible.h"

#include "lineeditaccessible.h"
#include "qtform.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace platform::qt {
namespace {

// A form is a window of its own: screen readers announce a frame by its title on activation,
// where a plain widget would be a nameless filler.
QAccessibleInterface *formAccessible(QtForm *form)
{
    return new QAccessibleWidget(form, QAccessible::Window);
}

QAccessibleInterface *velmoraAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(QtForm::staticMetaObject.className()))
        return formAccessible(static_cast<QtForm *>(object));
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(velmoraAccessible), true);
    Q_UNUSED(installed);
}

} // namespace platform::qt
