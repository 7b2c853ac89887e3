// SPDX-License-Identifier: MIT
#include "button.h"

#include <QPushButton>
#include <utility>

namespace platform::qt {

ButtonControl::ButtonControl(QPushButton *button, std::function<void()> changed)
    : button_(button), changed_(std::move(changed))
{}

bool ButtonControl::enabled() const
{
    return button_->isEnabled();
}

void ButtonControl::changeEnabled(bool enabled)
{
    button_->setEnabled(enabled);
    changed_();
}

} // namespace platform::qt
