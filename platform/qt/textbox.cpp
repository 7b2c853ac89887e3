// SPDX-License-Identifier: MIT
#include "textbox.h"

#include "qttext.h"

#include <QLineEdit>

namespace platform::qt {

std::u16string TextBoxControl::text() const
{
    return edit_->text().toStdU16String();
}

void TextBoxControl::replaceText(std::u16string_view text)
{
    edit_->setText(toQString(text));
}

} // namespace platform::qt
