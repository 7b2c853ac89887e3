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

// An icon image as the resource script carries it: a bitmap header, the 24-bit colours bottom-up
// and the transparency mask.
struct IconImage
{
    int size = 0;
    std::vector<char> bytes;

    explicit IconImage(const std::string &file)
        : bytes(fileBytes(VELMORA_SOURCE_DIR "/shell/" + file))
    {
        BITMAPINFOHEADER header{};
        if (bytes.size() >= sizeof(header))
            std::memcpy(&header, bytes.data(), sizeof(header));
        if (header.biBitCount == 24 && header.biHeight == 2 * header.biWidth)
            size = header.biWidth;
    }
    const std::uint8_t *colour(int x, int y) const
    {
        const auto at = sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(y) * stride() + x * 3;
        return reinterpret_cast<const std::uint8_t *>(bytes.data() + at);
    }
    bool opaque(int x, int y) const
    {
        const std::size_t maskStride = (static_cast<std::size_t>(size) + 31) / 32 * 4;
        const auto row = reinterpret_cast<const std::uint8_t *>(
            bytes.data() + sizeof(BITMAPINFOHEADER) + stride() * size + y * maskStride);
        return !(row[x / 8] & (0x80 >> (x % 8)));
    }
    std::size_t stride() const { return (static_cast<std::size_t>(size) * 3 + 3) / 4 * 4; }
};

struct WindowIcon
{
    const char *name;
    UINT dpi;
    WPARAM kind;
    const char *file;
};

const WindowIcon windowIconRows[] = {
    {"title_bar_at_96dpi_16_pixels", 96, ICON_SMALL, "velmora-16-icon.bin"},
    {"taskbar_at_96dpi_32_pixels", 96, ICON_BIG, "velmora-32-icon.bin"},
    {"title_bar_at_192dpi_32_pixels", 192, ICON_SMALL, "velmora-32-icon.bin"},
    {"taskbar_at_192dpi_64_pixels", 192, ICON_BIG, "velmora-64-icon.bin"},
};

void PrintTo(const WindowIcon &row, std::ostream *out)
{
    *out << row.name;
}

class IconAtDensity : public MainWindow, public ::testing::WithParamInterface<WindowIcon>
{
};

// The title bar's and the taskbar's icons are the images drawn for their sizes, pixel for pixel,
// not the 48-pixel image of the executable's icon reduced.
TEST_P(IconAtDensity, IsTheImageDrawnForItsSize)
{
    const WindowIcon &row = GetParam();
    RECT suggested;
    GetWindowRect(form, &suggested);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const IconImage drawn(row.file);
    ASSERT_GT(drawn.size, 0) << row.file;
    const auto icon = reinterpret_cast<HICON>(SendMessageW(form, WM_GETICON, row.kind, 0));
    ICONINFO info{};
    ASSERT_TRUE(icon && GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, drawn.size);
    EXPECT_EQ(bitmap.bmHeight, drawn.size);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = drawn.size;
    format.bmiHeader.biHeight = drawn.size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    std::vector<std::uint8_t> shown(drawn.stride() * drawn.size);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, drawn.size, shown.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    int differing = 0;
    for (int y = 0; y < drawn.size; ++y) {
        for (int x = 0; x < drawn.size; ++x) {
            const std::uint8_t *expected = drawn.colour(x, y);
            const std::uint8_t *actual = shown.data() + y * drawn.stride() + x * 3;
            if (drawn.opaque(x, y) && !std::equal(expected, expected + 3, actual))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0) << "pixels unlike " << row.file;
}

INSTANTIATE_TEST_SUITE_P(Win32, IconAtDensity, ::testing::ValuesIn(windowIconRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
