// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform::qt {

// A fixed-size window with a normal title bar: minimise and close, no maximise, and a
// taskbar button.
void setFixedSingleBorder(QWidget *window);

// A fixed-size tool window: a narrow title bar with a close button only, no taskbar button.
// Unlike Qt's default for tool windows, it keeps the application running while it is open,
// and it is never left minimised, since nothing could bring it back.
void setFixedToolWindowBorder(QWidget *window);

// Closing the window discards it and everything in it; the process ends when no window is left.
void unloadOnClose(QWidget *window);

// Shows the window without modality and brings it to the front, even if it was already open
// or minimised.
void showModeless(QWidget *window);

// Centres the window's outer frame on the available area of its screen, now and once more
// when it is first shown, since the frame's size is only known once the window is mapped.
void centreOnScreen(QWidget *window);

} // namespace platform::qt
