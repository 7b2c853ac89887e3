// SPDX-License-Identifier: MIT
#include "buttonadapter.h"

#include <QPushButton>
#include <utility>

namespace platform::qt {

ButtonAdapter::ButtonAdapter(QPushButton *button, std::function<void()> changed)
    : button_(button), changed_(std::move(changed))
{}

bool ButtonAdapter::enabled() const
{
    return button_->isEnabled();
}

void ButtonAdapter::changeEnabled(bool enabled)
{
    button_->setEnabled(enabled);
    changed_();
}

} // namespace platform::qt
