// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"
#include "win32form.h"

using namespace std::chrono_literals;

namespace {

float panelTop(HWND credits)
{
    return platform::win32::Win32Form::of(credits)->pictureBox("Picture2").top();
}

// At rest nothing wakes the program: neither the main window's timer once the identifier is
// composed, nor the credits' once they have closed.
TEST_F(MainWindow, NoTimerRunsAtRest)
{
    harness::sendCharacters(text1, L"7");
    EXPECT_TRUE(harness::pumpUntil([&] { return harness::text(text3) == L"7F"; }));
    harness::pump(100ms);
    EXPECT_EQ(harness::pump(300ms), 0);
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    EXPECT_GT(harness::pump(200ms), 0);
    DestroyWindow(credits);
    harness::pump(100ms);
    EXPECT_EQ(harness::pump(300ms), 0);
}

// The box, with the handler's title and text, belongs to the whole program: behind it the
// credits can be neither used nor closed, and they keep scrolling.
TEST_F(MainWindow, MessageBoxIsModalToEveryWindow)
{
    HWND credits = openCredits();
    ASSERT_TRUE(credits);
    harness::sendCharacters(text1, L"1");
    bool creditsEnabled = true;
    float scrolledWhileOpen = 0;
    harness::SeenMessageBox seen;
    harness::answerNextMessageBox(seen, [&] {
        creditsEnabled = IsWindowEnabled(credits) != FALSE;
        const float before = panelTop(credits);
        harness::pump(200ms);
        scrolledWhileOpen = before - panelTop(credits);
    });
    SendMessageW(command1, BM_CLICK, 0, 0);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.title, L"Se ha copiado al portapapeles!!");
    EXPECT_EQ(seen.text,
              L"El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V");
    EXPECT_FALSE(creditsEnabled);
    EXPECT_GT(scrolledWhileOpen, 0.0F);
    EXPECT_TRUE(IsWindowEnabled(credits));
    EXPECT_TRUE(IsWindowEnabled(form));
}

} // namespace
