// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

#include <cstdint>
#include <string_view>

namespace platform {
struct FormDesign;
}

// The calculator window: number entry, the live check letter, and the copy of the full
// identifier. Its layout is data (form1design.cpp); this class holds the handlers and knows no
// toolkit.
class Form1 : public platform::Handlers
{
public:
    static const platform::FormDesign &design();

    explicit Form1(platform::Form &form);

private:
    void Text1_KeyPress(std::int16_t &KeyAscii);
    void Text1_Change();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();

    platform::Form &form_;
    platform::TextBox &Text1;
    platform::TextBox &Text2;
    platform::TextBox &Text3;
    platform::CommandButton &Command1;
    // The single credits window; it reads as unloaded once the user has closed it.
    platform::FormHandle autor_;
};
