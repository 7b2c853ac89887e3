// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// A fixed-size window with a normal title bar: minimise and close, no maximise, and a
// taskbar button.
void setFixedSingleBorder(QWidget *window);

// A fixed-size tool window: a narrow title bar with a close button only, no taskbar button.
void setFixedToolWindowBorder(QWidget *window);

// Centres the window's outer frame on the available area of its screen, now and once more
// when it is first shown, since the frame's size is only known once the window is mapped.
void centreOnScreen(QWidget *window);

} // namespace platform
