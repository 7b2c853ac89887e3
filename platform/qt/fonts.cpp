// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFont>
#include <QString>

namespace platform::qt {

void installFontSubstitutes()
{
    const QString liberationSans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberationSans);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberationSans);
}

} // namespace platform::qt
