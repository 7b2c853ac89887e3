// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace platform {

// The icon and buttons of a message box, by the values the desktop's message-box call takes.
enum class MessageBoxStyle {
    Warning = 48,     // exclamation icon, OK button
    Information = 64, // information icon, OK button
};

// Shows a modal message box over the owner's window and returns when the user dismisses it.
// Timers keep ticking meanwhile: the box runs a nested event loop.
void showMessageBox(QWidget *owner, const QString &body, MessageBoxStyle style,
                    const QString &title);

} // namespace platform
