// SPDX-License-Identifier: MIT
#pragma once

#include "autor.h"
#include "form1.h"
#include "formdesign.h"
#include "win32harness.h"

#include <gtest/gtest.h>

// The main window loaded and shown as at start-up, its controls found by their design names;
// every window of ours is closed afterwards.
class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::load<Form1>().showModeless();
        form = harness::formWindow(Form1::design());
        ASSERT_TRUE(form);
        for (auto [name, window] : {std::pair{"Text1", &text1},
                                    {"Text2", &text2},
                                    {"Text3", &text3},
                                    {"Command1", &command1},
                                    {"Command2", &command2}}) {
            *window = harness::control(form, Form1::design(), name);
            ASSERT_TRUE(*window) << name;
        }
        harness::pump(std::chrono::milliseconds(20));
    }

    void TearDown() override
    {
        for (const platform::FormDesign *design : {&Form1::design(), &Autor::design()}) {
            if (HWND window = harness::formWindow(*design))
                DestroyWindow(window);
        }
        harness::pump(std::chrono::milliseconds(20));
    }

    // Opens the credits with the "Autor" button, as a click does, and waits until they are the
    // active window.
    HWND openCredits()
    {
        SendMessageW(command2, BM_CLICK, 0, 0);
        harness::pumpUntil([] {
            const HWND credits = harness::formWindow(Autor::design());
            return credits && GetForegroundWindow() == credits;
        });
        return harness::formWindow(Autor::design());
    }

    HWND form = nullptr;
    HWND text1 = nullptr;
    HWND text2 = nullptr;
    HWND text3 = nullptr;
    HWND command1 = nullptr;
    HWND command2 = nullptr;
};
