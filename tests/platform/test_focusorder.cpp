// SPDX-License-Identifier: MIT
#include "focusorder.h"
#include "formdesign.h"

#include <gtest/gtest.h>
#include <string>

using namespace platform;

namespace {

std::string namesInFocusOrder(std::span<const ControlDesign> controls)
{
    const FormDesign design{.name = "Form",
                            .title = u"",
                            .clientWidth = 0,
                            .clientHeight = 0,
                            .border = Border::FixedSingle,
                            .font = {},
                            .backColour = {},
                            .controls = controls};
    std::string names;
    for (const ControlDesign *control : focusOrder(design))
        names.append(names.empty() ? "" : " ").append(control->name);
    return names;
}

// Tab follows the tab indexes, not the order the design lists the controls in (their z-order);
// labels, images and timers never take the focus, whatever index they hold, nor a control
// without an index.
TEST(FocusOrder, FollowsTabIndexesAndSkipsWhatCannotTakeTheFocus)
{
    const ControlDesign controls[] = {
        {.name = "Command2", .kind = ControlKind::CommandButton, .tabIndex = 6},
        {.name = "Command1", .kind = ControlKind::CommandButton, .tabIndex = 5, .enabled = false},
        {.name = "Timer1", .kind = ControlKind::Timer},
        {.name = "Text3", .kind = ControlKind::TextBox, .tabIndex = 4},
        {.name = "Text2", .kind = ControlKind::TextBox, .tabIndex = 1, .locked = true},
        {.name = "Text1", .kind = ControlKind::TextBox, .tabIndex = 0},
        {.name = "Label2", .kind = ControlKind::Label, .tabIndex = 3},
        {.name = "Label1", .kind = ControlKind::Label, .tabIndex = 2},
        {.name = "Image1", .kind = ControlKind::Image},
        {.name = "Text4", .kind = ControlKind::TextBox, .tabIndex = -1},
    };
    // A disabled button stays in the order; Tab skips it only while it is disabled.
    EXPECT_EQ(namesInFocusOrder(controls), "Text1 Text2 Text3 Command1 Command2");
}

TEST(FocusOrder, PictureBoxesTakeTheFocusAndTheirLabelsDoNot)
{
    const ControlDesign controls[] = {
        {.name = "Picture1", .kind = ControlKind::PictureBox, .tabIndex = 0},
        {.name = "Picture2", .kind = ControlKind::PictureBox, .tabIndex = 1},
        {.name = "Label1", .kind = ControlKind::Label, .tabIndex = 3},
        {.name = "Label2", .kind = ControlKind::Label, .tabIndex = 2},
    };
    EXPECT_EQ(namesInFocusOrder(controls), "Picture1 Picture2");
}

} // namespace
