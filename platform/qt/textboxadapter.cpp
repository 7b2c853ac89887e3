// SPDX-License-Identifier: MIT
#include "textboxadapter.h"

#include "qttext.h"

#include <QLineEdit>

namespace platform::qt {

std::u16string TextBoxAdapter::text() const
{
    return edit_->text().toStdU16String();
}

void TextBoxAdapter::setText(std::u16string_view text)
{
    if (const QString wanted = toQString(text); wanted != edit_->text())
        edit_->setText(wanted);
}

} // namespace platform::qt
