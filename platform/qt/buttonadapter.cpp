// SPDX-License-Identifier: MIT
#include "buttonadapter.h"

#include <QPushButton>
#include <utility>

namespace platform::qt {

ButtonAdapter::ButtonAdapter(QPushButton *button, std::function<void()> changed)
    : button_(button), changed_(std::move(changed))
{}

void ButtonAdapter::setEnabled(bool enabled)
{
    if (enabled == button_->isEnabled())
        return;
    button_->setEnabled(enabled);
    changed_();
}

} // namespace platform::qt
