// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A window's fixed design-time layout, as data that every backend builds real windows from.
// Positions and sizes are in twips (15 to the pixel at 96 dots per inch), each control's
// measured from its container's inner top-left corner. Nothing here changes at run time.
namespace platform {

struct Rgb
{
    std::uint8_t red, green, blue;
};

struct FontDesign
{
    std::u16string_view face;
    double points;
    bool bold = false;
};

enum class ControlKind { Image, Label, TextBox, CommandButton, PictureBox, Timer };

enum class Alignment { Left, Centre };

enum class MousePointer { Default, Arrow, PointingHand };

// The pictures the windows show, each carried by the backend in its own form.
enum class Picture { None, Background };

struct ControlDesign
{
    std::string_view name;
    ControlKind kind;
    // The containing picture box's name; empty for the window itself.
    std::string_view container = {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Text of a text box, caption of a label or button.
    std::u16string_view text = {};
    // Empty: the window's font.
    std::optional<FontDesign> font = {};
    // Empty: the platform's colours for that kind of control. Labels are transparent.
    std::optional<Rgb> foreColour = {};
    std::optional<Rgb> backColour = {};
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    MousePointer pointer = MousePointer::Default;
    // Read by screen readers as the control's description as well.
    std::u16string_view toolTip = {};
    // What a screen reader calls the control. Empty: its caption, if any; a text box needs one,
    // since the label painted above it is not tied to it.
    std::u16string_view accessibleName = {};
    // Text boxes that only the program writes: screen readers are told of each new text, politely,
    // wherever the focus is (liveannouncement.h says with what words).
    bool liveRegion = false;
    // Place in the tab order; -1 for none. Labels hold one but never take the focus.
    int tabIndex = -1;
    // Text boxes: 0 is no limit. A locked text box can take the focus but not be edited.
    int maxLength = 0;
    bool locked = false;
    bool enabled = true;
    Picture picture = Picture::None;
    // Timers: the interval asked for, in milliseconds.
    int interval = 0;
};

enum class Border {
    FixedSingle,     // a normal title bar; the user cannot resize the window
    FixedToolWindow, // a narrow title bar, close button only, no taskbar button
};

struct FormDesign
{
    std::string_view name;
    std::u16string_view title;
    int clientWidth;
    int clientHeight;
    Border border;
    FontDesign font;
    // Empty: the platform's window-face colour.
    std::optional<Rgb> backColour;
    // In z-order, the topmost first; containers before what they contain.
    std::span<const ControlDesign> controls;
};

} // namespace platform
