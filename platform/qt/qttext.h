// SPDX-License-Identifier: MIT
#pragma once

#include "numberformat.h"

#include <QString>
#include <QStringView>
#include <string_view>

class QLocale;

// Between Qt's strings and locale and the shared text layer's standard ones.
namespace platform::qt {

inline std::u16string_view u16(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<int>(text.size()));
}

NumberFormat numberFormatOf(const QLocale &locale);

} // namespace platform::qt
