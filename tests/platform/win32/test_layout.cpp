// SPDX-License-Identifier: MIT
#include "geometry.h"
#include "mainwindowfixture.h"
#include "win32form.h"

namespace {

int pixels(double twips, UINT dpi)
{
    return platform::pixelsFromTwips(twips, static_cast<int>(dpi));
}

// As the system does, with room for either window at 192 dots per inch.
void changeDensity(HWND window, UINT dpi)
{
    RECT suggested{0, 0, 960, 560};
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

// After a change of density every windowed control draws with a live font of the new size, its
// own or the window's; the fields' is bold at every density, 96 dots per inch included, and the
// face the system chose for them is a bold one.
TEST_P(AtDensity, ControlsDrawWithTheirFontsAtTheNewSize)
{
    changeDensity(form, 168);
    changeDensity(form, GetParam());
    for (const platform::ControlDesign &control : Form1::design().controls) {
        HWND window = harness::control(form, Form1::design(), control.name);
        if (!window)
            continue;
        const platform::FontDesign &font = control.font.value_or(Form1::design().font);
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        LOGFONTW asked{};
        ASSERT_EQ(GetObjectW(handle, sizeof(asked), &asked), int{sizeof(asked)})
            << control.name << " draws with a deleted font at " << GetParam();
        EXPECT_EQ(asked.lfHeight, -std::lround(font.points * GetParam() / 72.0))
            << control.name << " at " << GetParam();
        if (!font.bold)
            continue;
        HDC dc = GetDC(window);
        const HGDIOBJ previous = SelectObject(dc, handle);
        TEXTMETRICW chosen{};
        GetTextMetricsW(dc, &chosen);
        SelectObject(dc, previous);
        ReleaseDC(window, dc);
        EXPECT_EQ(asked.lfWeight, FW_BOLD) << control.name << " at " << GetParam();
        EXPECT_GE(chosen.tmWeight, FW_BOLD) << control.name << " at " << GetParam();
    }
}

// The design puts the letter field over the number field's right edge. The controls are stacked in
// the tab order for the dialog navigation, so the number field is cut where they overlap: the
// letter field's edge is what shows there, and what a click there reaches.
TEST_P(AtDensity, LetterFieldStaysOverTheNumberFieldsEdge)
{
    changeDensity(form, GetParam());
    const RECT letter = harness::placement(text2);
    ASSERT_LT(letter.left, harness::placement(text1).right);
    POINT edge{letter.left, (letter.top + letter.bottom) / 2};
    ClientToScreen(form, &edge);
    EXPECT_EQ(WindowFromPoint(edge), text2) << "at " << GetParam();
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
