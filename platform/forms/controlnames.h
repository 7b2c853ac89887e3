// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

enum class ControlKind;
struct ControlDesign;
struct FormDesign;

// A window's control of that kind by the name its design gives it. A name the design does not
// hold for that kind is a programming error, and stops the program.
const ControlDesign &designOf(const FormDesign &form, std::string_view name, ControlKind kind);

// Says on the standard error that the window has no control of that name and kind, and stops
// the program: what every backend does when a handler asks for a control that is not there.
[[noreturn]] void noSuchControl(std::string_view form, std::string_view name);

} // namespace platform
