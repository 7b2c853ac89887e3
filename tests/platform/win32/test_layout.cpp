// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"
#include "twips.h"
#include "win32form.h"

namespace {

int pixels(double twips, UINT dpi)
{
    return platform::pixelsFromTwips(twips, static_cast<int>(dpi));
}

void changeDensity(HWND window, UINT dpi)
{
    RECT suggested;
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    harness::pump(std::chrono::milliseconds(20));
}

// Every windowed control at the position and size its twips give at the density, each figure
// rounded on its own.
void expectLaidOut(HWND form, const platform::FormDesign &design, UINT dpi)
{
    for (const platform::ControlDesign &control : design.controls) {
        HWND window = harness::control(form, design, control.name);
        if (!window || control.name == "Picture2")
            continue;
        const RECT placed = harness::placement(window);
        EXPECT_EQ(placed.left, pixels(control.left, dpi)) << control.name << " at " << dpi;
        EXPECT_EQ(placed.top, pixels(control.top, dpi)) << control.name << " at " << dpi;
        EXPECT_EQ(placed.right - placed.left, pixels(control.width, dpi))
            << control.name << " at " << dpi;
        EXPECT_EQ(placed.bottom - placed.top, pixels(control.height, dpi))
            << control.name << " at " << dpi;
    }
}

class AtDensity : public MainWindow, public ::testing::WithParamInterface<UINT>
{
};

TEST_P(AtDensity, MainWindowControlsFallOnTheirRoundedPixels)
{
    changeDensity(form, GetParam());
    expectLaidOut(form, Form1::design(), GetParam());
}

// The scroll reads the panels' heights in twips: they are the design's at every density, or the
// cycle of the credits would change with the screen.
TEST_P(AtDensity, CreditsPanelsKeepTheirTwips)
{
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    changeDensity(credits, GetParam());
    expectLaidOut(credits, Autor::design(), GetParam());
    platform::Form &form = *platform::win32::Win32Form::of(credits);
    EXPECT_EQ(form.pictureBox("Picture1").scaleHeight(), 4095.0F);
    EXPECT_EQ(form.pictureBox("Picture2").scaleHeight(), 1455.0F);
    const RECT panel = harness::placement(harness::control(credits, Autor::design(), "Picture2"));
    EXPECT_EQ(panel.bottom - panel.top, pixels(1455, GetParam()));
    EXPECT_EQ(panel.top, pixels(form.pictureBox("Picture2").top(), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Win32, AtDensity, ::testing::Values(96U, 120U, 144U, 192U),
                         [](const auto &info) { return std::to_string(info.param) + "dpi"; });

} // namespace
