// SPDX-License-Identifier: MIT
#include "qttext.h"

#include <QLocale>

namespace platform::qt {

NumberFormat numberFormatOf(const QLocale &locale)
{
    // Qt 5 gives the separators and signs as QChar, Qt 6 as QString.
    const auto text = [](const QString &s) { return std::u16string(u16(s)); };
    return {text(QString(locale.decimalPoint())), text(QString(locale.groupSeparator())),
            text(QString(locale.negativeSign())), text(QString(locale.positiveSign())),
            text(locale.currencySymbol())};
}

} // namespace platform::qt
