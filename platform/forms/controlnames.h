// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

struct ControlDesign;
struct FormDesign;

// A window's control by the name its design gives it. A name the design does not hold is a
// programming error, and stops the program.
const ControlDesign &controlNamed(const FormDesign &design, std::string_view name);

// Says on the standard error that the window has no control of that name and kind, and stops
// the program: what every backend does when a handler asks for a control that is not there.
[[noreturn]] void noSuchControl(std::string_view form, std::string_view name);

} // namespace platform
