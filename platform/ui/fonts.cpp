// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace platform {

void installFontSubstitutes()
{
    const QString liberationSans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberationSans);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberationSans);
}

void applyDesignPointSizes(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QVariant size = widget->property("designPointSize");
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        widget->setFont(font);
    }
}

} // namespace platform
