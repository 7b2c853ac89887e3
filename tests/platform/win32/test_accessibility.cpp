// SPDX-License-Identifier: MIT
#include "accessibleread.h"
#include "mainwindowfixture.h"

#include <ostream>
#include <string>

// What a screen reader reads of each control through MSAA: the name its label gives it (its
// labels are painted, not windows the system could find), its tool tip as the description, and
// its text as the value. Wine's oleacc has no objects of its own for buttons, so their roles are
// left to Windows. The credits' panel is read from another process (e2e_wine_liveregion).
namespace {

struct Read
{
    std::wstring name;
    std::wstring description;
    std::wstring value;
};

Read readClient(HWND window)
{
    const auto read = [window](AccessibleText text) {
        return readAccessible(window, OBJID_CLIENT, CHILDID_SELF, text).value_or(L"(no object)");
    };
    return {read(&IAccessible::get_accName), read(&IAccessible::get_accDescription),
            read(&IAccessible::get_accValue)};
}

class Accessible : public MainWindow
{
protected:
    // As in a screen reader's process.
    void SetUp() override
    {
        CoInitialize(nullptr);
        MainWindow::SetUp();
    }
    void TearDown() override
    {
        MainWindow::TearDown();
        CoUninitialize();
    }
};

TEST_F(Accessible, ControlsAreReadByNameToolTipAndText)
{
    harness::sendCharacters(text1, L"12345678");
    harness::pumpUntil([&] { return harness::text(text3) == L"12345678Z"; });
    const struct
    {
        HWND window;
        Read read;
    } rows[] = {
        {text1, {L"Número", L"Introduzca el número del DNI", L"12345678"}},
        {text2, {L"Letra Z", L"", L"Z"}},
        {text3, {L"DNI completo", L"", L"12345678Z"}},
        {command1,
         {L"Copiar resultado",
          L"Copia el resultado completo al portapapeles, para pegar use CTRL+V", L""}},
        {command2, {L"Autor", L"Créditos del autor", L""}},
    };
    for (const auto &row : rows) {
        const Read read = readClient(row.window);
        const std::string name(row.read.name.begin(), row.read.name.end());
        EXPECT_EQ(read.name, row.read.name);
        EXPECT_EQ(read.description, row.read.description) << name;
        EXPECT_EQ(read.value, row.read.value) << name;
    }
}

} // namespace
