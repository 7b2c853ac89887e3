// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"

namespace {

BOOL CALLBACK countCredits(HWND window, LPARAM counted)
{
    if (IsWindowVisible(window) && window == harness::formWindow(Autor::design()))
        ++*reinterpret_cast<int *>(counted);
    return TRUE;
}

int visibleCreditsWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countCredits, reinterpret_cast<LPARAM>(&count));
    return count;
}

// "Autor" pressed again while the credits are open, behind the main window: the same window
// comes back as the active one, with the keyboard focus in it, so that Alt+F4 closes it.
TEST_F(MainWindow, AutorAgainActivatesTheOneCreditsWindow)
{
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    SetForegroundWindow(form);
    SetFocus(text1);
    ASSERT_EQ(GetForegroundWindow(), form);
    SendMessageW(command2, BM_CLICK, 0, 0);
    EXPECT_TRUE(harness::pumpUntil(
        [credits] { return GetForegroundWindow() == credits && IsChild(credits, GetFocus()); }));
    EXPECT_EQ(harness::formWindow(Autor::design()), credits);
    EXPECT_EQ(visibleCreditsWindows(), 1);
}

// Closed and opened again, the credits start their scroll afresh from the design.
TEST_F(MainWindow, ReopenedCreditsStartFromTheirDesign)
{
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    harness::pump(std::chrono::milliseconds(200));
    DestroyWindow(credits);
    harness::pump(std::chrono::milliseconds(20));
    credits = openCredits();
    ASSERT_TRUE(credits);
    const RECT panel = harness::placement(harness::control(credits, Autor::design(), "Picture2"));
    EXPECT_GE(panel.top, 130) << "the panel starts near the bottom edge again";
}

} // namespace
