// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

namespace platform {
struct FormDesign;
}

// The credits window: the title and the credits on a black panel that scrolls upward through
// a fixed viewport, endlessly. Its layout is data (autordesign.cpp); this class holds the
// scroll. Closing it discards it.
class Autor : public platform::Handlers
{
public:
    static const platform::FormDesign &design();

    explicit Autor(platform::Form &form);

private:
    void Timer1_Timer();

    platform::PictureBox &Picture1;
    platform::PictureBox &Picture2;
};
