// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"
#include "services.h"

#include <ostream>
#include <string>

using namespace std::chrono_literals;

namespace {

// Each character reaches the number field's key filter once, however it is sent, and one the
// filter refuses has no effect at all. The field holds "12" before each row.
struct Typed
{
    const char *name;
    UINT message;
    WPARAM character;
    std::wstring expected;
    int beeps;
};

const Typed typedRows[] = {
    {"digit goes in", WM_CHAR, L'3', L"123", 0},
    {"letter is refused", WM_CHAR, L'B', L"12", 1},
    {"character outside the code page is not narrowed to the digit 1", WM_CHAR, 0x0231, L"12", 1},
    {"Ctrl+V's control code neither pastes nor goes in", WM_CHAR, 0x16, L"12", 1},
    {"Enter inserts nothing, silently", WM_CHAR, L'\r', L"12", 0},
    {"Backspace deletes, silently", WM_CHAR, L'\b', L"1", 0},
    {"digit sent as WM_UNICHAR goes in", WM_UNICHAR, L'7', L"127", 0},
    {"letter sent as WM_UNICHAR is refused", WM_UNICHAR, L'B', L"12", 1},
    {"emoji sent as WM_UNICHAR: one refusal", WM_UNICHAR, 0x1F600, L"12", 1},
};

void PrintTo(const Typed &row, std::ostream *out)
{
    *out << row.name;
}

class TypedCharacter : public MainWindow, public ::testing::WithParamInterface<Typed>
{
};

TEST_P(TypedCharacter, ReachesTheFilterOnce)
{
    const Typed &row = GetParam();
    platform::setClipboardText(u"99");
    harness::sendCharacters(text1, L"12");
    const int beeps = platform::beepCount();
    SendMessageW(text1, row.message, row.character, 1);
    EXPECT_EQ(harness::text(text1), row.expected);
    EXPECT_EQ(platform::beepCount() - beeps, row.beeps);
}

INSTANTIATE_TEST_SUITE_P(Win32, TypedCharacter, ::testing::ValuesIn(typedRows), harness::RowName());

TEST_F(MainWindow, EmojiAsTwoHalvesIsOneRefusedCharacter)
{
    const int beeps = platform::beepCount();
    harness::sendCharacters(text1, L"1\U0001F6002");
    EXPECT_EQ(harness::text(text1), L"12");
    EXPECT_EQ(platform::beepCount() - beeps, 1);
}

TEST_F(MainWindow, UnicodeCharacterMessagesAreTakenAtAll)
{
    EXPECT_EQ(SendMessageW(text1, WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
}

// The control acts on Ctrl+A as the key goes down; refused, it must not select anything.
TEST_F(MainWindow, RefusedKeyHasNoEffectAtAll)
{
    harness::sendCharacters(text1, L"123");
    const int beeps = platform::beepCount();
    harness::pressKey(text1, 'A', {VK_CONTROL});
    harness::sendCharacters(text1, L"4");
    EXPECT_EQ(harness::text(text1), L"1234");
    EXPECT_EQ(platform::beepCount() - beeps, 1);
}

TEST_F(MainWindow, NumberFieldHoldsAtMostEightCharacters)
{
    harness::sendCharacters(text1, L"123456789");
    EXPECT_EQ(harness::text(text1), L"12345678");
    EXPECT_EQ(harness::text(text2), L"Z");
}

// A paste passes no key filter and takes the first line only, whatever ends it.
struct Pasted
{
    const char *name;
    std::u16string clipboard;
    std::wstring expected;
};

const Pasted pastedRows[] = {
    {"line feed", u"12\n34", L"12"},
    {"Unicode line separator", u"12\u202834", L"12"},
    {"ten digits cut to eight", u"1234567890", L"12345678"},
    {"letters are not filtered", u"abc", L"abc"},
};

void PrintTo(const Pasted &row, std::ostream *out)
{
    *out << row.name;
}

class PastedText : public MainWindow, public ::testing::WithParamInterface<Pasted>
{
};

TEST_P(PastedText, TakesTheFirstLineByEveryRoute)
{
    const Pasted &row = GetParam();
    platform::setClipboardText(row.clipboard);
    SendMessageW(text1, WM_PASTE, 0, 0);
    EXPECT_EQ(harness::text(text1), row.expected) << "WM_PASTE";
    SetWindowTextW(text1, L"");
    harness::pressKey(text1, VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(harness::text(text1), row.expected) << "Shift+Insert";
}

INSTANTIATE_TEST_SUITE_P(Win32, PastedText, ::testing::ValuesIn(pastedRows), harness::RowName());

TEST_F(MainWindow, PasteIntoTheOtherFields)
{
    platform::setClipboardText(u"12\r34");
    SendMessageW(text3, WM_PASTE, 0, 0);
    EXPECT_EQ(harness::text(text3), L"12");
    SendMessageW(text2, WM_PASTE, 0, 0);
    EXPECT_EQ(harness::text(text2), L"") << "the letter field is read-only";
}

} // namespace
