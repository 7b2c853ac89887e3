// SPDX-License-Identifier: MIT
#include "liveregionevent.h"
#include "mainwindowfixture.h"

#include <ostream>
#include <string>
#include <vector>

using namespace std::chrono_literals;

// What a screen reader that follows live regions hears, as NVDA does: on each live-region-changed
// event, the name of the object it comes from.
namespace {

struct Heard
{
    HWND window;
    std::wstring name;
};

std::vector<Heard> heard;

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD)
{
    heard.push_back({window, eventObjectName(window, object, child).value_or(L"")});
}

class LiveRegion : public MainWindow
{
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        // As in a screen reader's process.
        CoInitialize(nullptr);
        heard.clear();
        hook_ = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, liveRegionChanged,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_TRUE(hook_);
    }

    void TearDown() override
    {
        UnhookWinEvent(hook_);
        MainWindow::TearDown();
        CoUninitialize();
    }

    // The names heard, each from the given window, or a note of the window that was not.
    static std::vector<std::wstring> heardFrom(HWND window)
    {
        std::vector<std::wstring> names;
        for (const Heard &each : heard)
            names.push_back(each.window == window ? each.name : L"another window: " + each.name);
        return names;
    }

private:
    HWINEVENTHOOK hook_ = nullptr;
};

// The number field typed into: the letter is heard after each change of it, and only then.
struct Typing
{
    const char *name;
    std::wstring keys;
    std::vector<std::wstring> heard;
};

const Typing typingRows[] = {
    {"each new letter is heard", L"123", {L"Letra R", L"Letra N", L"Letra P"}},
    {"another number with the same letter is not", L"25", {L"Letra W"}},
};

void PrintTo(const Typing &row, std::ostream *out)
{
    *out << row.name;
}

class TypedNumber : public LiveRegion, public ::testing::WithParamInterface<Typing>
{
};

TEST_P(TypedNumber, HearsTheLetterOncePerChange)
{
    // A key at a time, as a screen reader hears the change after each one.
    for (const wchar_t key : GetParam().keys) {
        harness::sendCharacters(text1, std::wstring(1, key));
        harness::pump(30ms);
    }
    EXPECT_EQ(heardFrom(text2), GetParam().heard);
}

INSTANTIATE_TEST_SUITE_P(Win32, TypedNumber, ::testing::ValuesIn(typingRows), harness::RowName());

// The credits' texts are heard when their window opens, once, though the panel that holds them
// moves on every tick; and again when it opens afresh.
TEST_F(LiveRegion, CreditsAreHeardOnceEachTimeTheyOpen)
{
    for (int opened = 1; opened <= 2; ++opened) {
        HWND credits = openCredits();
        ASSERT_TRUE(credits);
        harness::pump(300ms);
        ASSERT_EQ(heard.size(), static_cast<std::size_t>(opened));
        EXPECT_EQ(heard.back().window, harness::control(credits, Autor::design(), "Picture2"));
        EXPECT_EQ(heard.back().name.rfind(L".: Velmora :.\nCreado por: ", 0), 0U)
            << "heard: " << std::string(heard.back().name.begin(), heard.back().name.end());
        DestroyWindow(credits);
        harness::pump(20ms);
    }
}

} // namespace
