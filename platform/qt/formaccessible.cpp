// SPDX-License-Identifier: MIT
#include "formaccessible.h"

#include "announcer.h"
#include "lineeditaccessible.h"
#include "qtform.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace platform::qt {
namespace {

// A form is a window of its own: screen readers announce a frame by its title on activation,
// where a plain widget would be a nameless filler. A tool window is a dialog to them, since
// Orca reads out the texts of a dialog when it opens and of a frame only the title. The
// announcer's status bar, which only screen readers see, follows the controls.
class FormAccessible final : public QAccessibleWidget
{
public:
    explicit FormAccessible(QtForm *form)
        : QAccessibleWidget(form, form->design().border == Border::FixedToolWindow
                                      ? QAccessible::Dialog
                                      : QAccessible::Window)
    {}

    int childCount() const override { return controls() + (announcer() ? 1 : 0); }

    QAccessibleInterface *child(int index) const override
    {
        if (index == controls() && announcer())
            return QAccessible::queryAccessibleInterface(announcer());
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child && announcer() && child->object() == announcer())
            return controls();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    int controls() const { return QAccessibleWidget::childCount(); }
    Announcer *announcer() const
    {
        return object()->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface *velmoraAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(QtForm::staticMetaObject.className()))
        return new FormAccessible(static_cast<QtForm *>(object));
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    return announcerAccessible(className, object);
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(velmoraAccessible), true);
    Q_UNUSED(installed);
}

} // namespace platform::qt
