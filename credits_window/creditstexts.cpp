// SPDX-License-Identifier: MIT
#include "creditstexts.h"

#include "identity.h"

#include <QString>

namespace {
QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}
} // namespace

QString creditsTitle()
{
    return QStringLiteral("Créditos") + blanks(21) + QStringLiteral(VELMORA_WEB_ADDRESS " ") +
           QStringLiteral(VELMORA_YEAR "©");
}

QString creditsText()
{
    return QStringLiteral(VELMORA_AUTHOR_LINE) + blanks(66) + QStringLiteral(VELMORA_RIGHTS_LINE) +
           blanks(18) + QStringLiteral(VELMORA_WEB_ADDRESS);
}
