// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

class QString;
class QWidget;

namespace platform::qt {

// Shows a modal message box over the owner's window and returns when the user dismisses it.
// Timers keep ticking meanwhile: the box runs a nested event loop.
void showMessageBox(QWidget *owner, const QString &body, MessageBoxStyle style,
                    const QString &title);

} // namespace platform::qt
