// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {
struct ControlDesign;
struct FontDesign;
} // namespace platform

namespace platform::qt {

// Creates the widget that shows one control of a window's design, named as the design names
// it, with its text, geometry, font, colours, tool tip, focus and pointer; null for a timer,
// which shows nothing. The form, not this, connects the control's events.
QWidget *createControl(const ControlDesign &design, const FontDesign &windowFont, QWidget *parent);

} // namespace platform::qt
