// SPDX-License-Identifier: MIT
#include "beep.h"

#include <QApplication>

namespace platform {
namespace {
int beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

} // namespace platform
