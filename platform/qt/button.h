// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

#include <functional>

class QPushButton;

namespace platform::qt {

// A window's command button as its handlers see it (forms.h), over the push button that shows
// it. The form connects its click; this only enables and disables it.
class ButtonControl final : public CommandButton
{
public:
    // `changed` hears of each change a handler makes, as the window's resting timers must.
    ButtonControl(QPushButton *button, std::function<void()> changed);

    QPushButton *button() const { return button_; }

private:
    bool enabled() const override;
    void changeEnabled(bool enabled) override;

    QPushButton *const button_;
    const std::function<void()> changed_;
};

} // namespace platform::qt
