// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"

namespace {

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
