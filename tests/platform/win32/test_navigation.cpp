// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"

#include <ostream>
#include <string_view>

namespace {

// A key pressed on the control that has the focus, through the program's message loop, as on
// Linux: Tab and Shift+Tab in the tab order, skipping a disabled button; Enter and Space press
// the focused button; Enter and Esc press no button anywhere else.
struct Keyed
{
    const char *name;
    std::string_view focus;
    // A digit typed first enables "Copiar resultado".
    bool copyEnabled;
    UINT key;
    bool shift;
    // The control that has the focus afterwards, or "credits" once they have opened.
    std::string_view then;
};

const Keyed keyedRows[] = {
    {"Tab from the number field reaches the letter field", "Text1", false, VK_TAB, false, "Text2"},
    {"Shift+Tab from the number field reaches Autor", "Text1", false, VK_TAB, true, "Command2"},
    {"Tab from the hidden field skips the disabled copy button", "Text3", false, VK_TAB, false,
     "Command2"},
    {"Tab from the hidden field reaches the enabled copy button", "Text3", true, VK_TAB, false,
     "Command1"},
    {"Enter on a focused Autor presses it", "Command2", false, VK_RETURN, false, "credits"},
    {"Space on a focused Autor presses it", "Command2", false, VK_SPACE, false, "credits"},
    {"Enter in the number field presses no button", "Text1", true, VK_RETURN, false, "Text1"},
    {"Esc presses no button", "Text1", true, VK_ESCAPE, false, "Text1"},
};

void PrintTo(const Keyed &row, std::ostream *out)
{
    *out << row.name;
}

class KeyOnTheMainWindow : public MainWindow, public ::testing::WithParamInterface<Keyed>
{
protected:
    HWND named(std::string_view name) const
    {
        return harness::control(form, Form1::design(), name);
    }
};

TEST_P(KeyOnTheMainWindow, MovesTheFocusOrPressesAButtonAsOnLinux)
{
    const Keyed &row = GetParam();
    if (row.copyEnabled)
        harness::sendCharacters(text1, L"1");
    const HWND focus = named(row.focus);
    SetFocus(focus);
    ASSERT_EQ(GetFocus(), focus);
    harness::SeenMessageBox box;
    harness::answerNextMessageBox(box);
    if (row.shift)
        harness::pressKey(focus, row.key, {VK_SHIFT});
    else
        harness::pressKey(focus, row.key);
    harness::stopAnsweringMessageBoxes();
    EXPECT_FALSE(box.opened) << "the copy's box opened";
    if (row.then == "credits") {
        EXPECT_TRUE(harness::pumpUntil([] { return harness::formWindow(Autor::design()); }));
        return;
    }
    EXPECT_EQ(GetFocus(), named(row.then));
    EXPECT_FALSE(harness::formWindow(Autor::design())) << "the credits opened";
}

INSTANTIATE_TEST_SUITE_P(Win32, KeyOnTheMainWindow, ::testing::ValuesIn(keyedRows),
                         harness::RowName());

// The viewport and the panel inside it both take the focus: Tab goes from one to the other and
// back, which the dialog navigation alone would not do.
TEST_F(MainWindow, TabInTheCreditsVisitsTheViewportAndThePanel)
{
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    const HWND viewport = harness::control(credits, Autor::design(), "Picture1");
    const HWND panel = harness::control(credits, Autor::design(), "Picture2");
    SetFocus(viewport);
    harness::pressKey(viewport, VK_TAB);
    EXPECT_EQ(GetFocus(), panel);
    harness::pressKey(panel, VK_TAB);
    EXPECT_EQ(GetFocus(), viewport);
    harness::pressKey(viewport, VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), panel);
}

} // namespace
