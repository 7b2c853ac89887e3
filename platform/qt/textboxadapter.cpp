// SPDX-License-Identifier: MIT
#include "textboxadapter.h"

#include "qttext.h"

#include <QLineEdit>

namespace platform::qt {

std::u16string TextBoxAdapter::text() const
{
    return edit_->text().toStdU16String();
}

void TextBoxAdapter::replaceText(std::u16string_view text)
{
    edit_->setText(toQString(text));
}

} // namespace platform::qt
