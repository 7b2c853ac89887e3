// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

class QLineEdit;

namespace platform::qt {

// A window's text box as its handlers see it (forms.h), over the line edit that shows it. The
// form connects its events; this only reads and writes the text.
class TextBoxControl final : public TextBox
{
public:
    explicit TextBoxControl(QLineEdit *edit) : edit_(edit) {}

    QLineEdit *edit() const { return edit_; }

    std::u16string text() const override;

private:
    void replaceText(std::u16string_view text) override;

    QLineEdit *const edit_;
};

} // namespace platform::qt
