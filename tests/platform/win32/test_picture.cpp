// SPDX-License-Identifier: MIT
#include "committedpicture.h"
#include "mainwindowfixture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A 32-bit top-down bitmap to draw into and read back.
class Canvas
{
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void *bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint8_t *>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The committed picture as the shared decoder decodes it, independently of the backend's
    // own bitmap.
    static std::unique_ptr<Canvas> ofCommittedPicture(const char *name)
    {
        const auto picture = decodeBytes(committedPictureBytes(name));
        if (!picture)
            return nullptr;
        auto canvas = std::make_unique<Canvas>(picture->width, picture->height);
        const auto rgba = picture->rgba();
        for (std::size_t pixel = 0; pixel < rgba.size() / 4; ++pixel) {
            for (int channel = 0; channel < 3; ++channel)
                canvas->bits_[pixel * 4 + channel] = rgba[pixel * 4 + 2 - channel];
        }
        return canvas;
    }

    // The mean difference per colour channel over the top-left width x height, 0 to 255.
    double difference(const Canvas &other, int width, int height) const
    {
        GdiFlush();
        long long sum = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                for (int channel = 0; channel < 3; ++channel)
                    sum += std::abs(at(x, y, channel) - other.at(x, y, channel));
            }
        }
        return static_cast<double>(sum) / (3.0 * width * height);
    }

private:
    int at(int x, int y, int channel) const
    {
        return bits_[(static_cast<std::size_t>(y) * width_ + x) * 4 + channel];
    }

    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint8_t *bits_ = nullptr;
};

void drawResized(const Canvas &canvas, const Canvas &picture, double scale)
{
    SetStretchBltMode(canvas.dc(), HALFTONE);
    SetBrushOrgEx(canvas.dc(), 0, 0, nullptr);
    StretchBlt(canvas.dc(), 0, 0, static_cast<int>(std::lround(picture.width() * scale)),
               static_cast<int>(std::lround(picture.height() * scale)), picture.dc(), 0, 0,
               picture.width(), picture.height(), SRCCOPY);
}

class BackgroundAtDensity : public MainWindow, public ::testing::WithParamInterface<UINT>
{
};

// The background is the committed JPEG as the shared decoder decodes it: at 96 and at 192 dots
// per inch the 1x and the 2x picture pixel for pixel; in between, the 2x one made smaller to the
// screen's pixels, not the 1x one made larger and blurred.
TEST_P(BackgroundAtDensity, IsDrawnFromThePictureMadeForIt)
{
    const UINT dpi = GetParam();
    RECT suggested;
    GetWindowRect(form, &suggested);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT client;
    GetClientRect(form, &client);
    const Canvas shown(client.right, client.bottom);
    SendMessageW(form, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.dc()), PRF_CLIENT);

    const auto single = Canvas::ofCommittedPicture("background.jpg");
    const auto twice = Canvas::ofCommittedPicture("background@2x.jpg");
    ASSERT_TRUE(single && twice);
    const Canvas fromSingle(client.right, client.bottom);
    drawResized(fromSingle, *single, dpi / 96.0);
    const Canvas fromTwice(client.right, client.bottom);
    drawResized(fromTwice, *twice, dpi / 192.0);

    // Left of the captions and fields, where only the picture shows.
    const int width = static_cast<int>(240 * dpi / 96);
    const Canvas &expected = dpi > 96 ? fromTwice : fromSingle;
    const Canvas &other = dpi > 96 ? fromSingle : fromTwice;
    const double toExpected = shown.difference(expected, width, client.bottom);
    if (dpi % 96 == 0)
        EXPECT_EQ(toExpected, 0.0) << "at " << dpi << " dpi";
    else
        EXPECT_LT(toExpected, 1.0) << "at " << dpi << " dpi";
    EXPECT_LT(toExpected, shown.difference(other, width, client.bottom)) << "at " << dpi << " dpi";
}

INSTANTIATE_TEST_SUITE_P(Win32, BackgroundAtDensity, ::testing::Values(96U, 120U, 144U, 192U),
                         [](const auto &info) { return std::to_string(info.param) + "dpi"; });

} // namespace

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
