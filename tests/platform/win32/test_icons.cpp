// SPDX-License-Identifier: MIT
#include "committedpicture.h"
#include "mainwindowfixture.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

// An icon's colours, as 24-bit rows bottom-up, and its width.
std::vector<std::uint8_t> colours(HICON icon, int &size)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    size = bitmap.bmWidth;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    std::vector<std::uint8_t> rows((static_cast<std::size_t>(size) * 3 + 3) / 4 * 4 * size);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, size, rows.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return rows;
}

struct WindowIcon
{
    const char *name;
    UINT dpi;
    WPARAM kind;
    const char *file;
};

const WindowIcon windowIconRows[] = {
    {"title bar at 96 dpi: the 16-pixel image", 96, ICON_SMALL, "velmora-16-icon.bin"},
    {"taskbar at 96 dpi: the 32-pixel image", 96, ICON_BIG, "velmora-32-icon.bin"},
    {"title bar at 192 dpi: the 32-pixel image", 192, ICON_SMALL, "velmora-32-icon.bin"},
    {"taskbar at 192 dpi: the 64-pixel image", 192, ICON_BIG, "velmora-64-icon.bin"},
};

void PrintTo(const WindowIcon &row, std::ostream *out)
{
    *out << row.name;
}

class IconAtDensity : public MainWindow, public ::testing::WithParamInterface<WindowIcon>
{
};

// The title bar's and the taskbar's icons are the images drawn for their sizes, as the system
// reads the committed ones, not the 48-pixel image of the executable's icon reduced.
TEST_P(IconAtDensity, IsTheImageDrawnForItsSize)
{
    const WindowIcon &row = GetParam();
    RECT suggested;
    GetWindowRect(form, &suggested);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    std::vector<char> image = fileBytes(VELMORA_SOURCE_DIR "/shell/" + std::string(row.file));
    const HICON committed = CreateIconFromResourceEx(reinterpret_cast<BYTE *>(image.data()),
                                                     static_cast<DWORD>(image.size()), TRUE,
                                                     0x00030000, 0, 0, LR_DEFAULTCOLOR);
    int drawnSize = 0;
    const std::vector<std::uint8_t> drawn = colours(committed, drawnSize);
    DestroyIcon(committed);
    ASSERT_FALSE(drawn.empty()) << row.file;
    int shownSize = 0;
    const std::vector<std::uint8_t> shown =
        colours(reinterpret_cast<HICON>(SendMessageW(form, WM_GETICON, row.kind, 0)), shownSize);
    ASSERT_EQ(shownSize, drawnSize);
    EXPECT_EQ(std::mismatch(shown.begin(), shown.end(), drawn.begin()).first, shown.end())
        << "unlike " << row.file;
}

INSTANTIATE_TEST_SUITE_P(Win32, IconAtDensity, ::testing::ValuesIn(windowIconRows),
                         harness::RowName());

} // namespace
