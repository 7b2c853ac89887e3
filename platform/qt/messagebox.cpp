// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "accessibleids.h"

#include <QMessageBox>

namespace platform::qt {

void showMessageBox(QWidget *owner, const QString &body, MessageBoxStyle style,
                    const QString &title)
{
    const QMessageBox::Icon icon =
        style == MessageBoxStyle::Warning ? QMessageBox::Warning : QMessageBox::Information;
    {
        QMessageBox box(icon, title, body, QMessageBox::Ok, owner);
        box.exec();
    }
    retireLastAccessibleId();
}

} // namespace platform::qt
