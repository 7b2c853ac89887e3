// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace platform {

// A picture's pixels as decoded: rows top to bottom, four bytes a pixel (red, green, blue,
// alpha), alpha 255 throughout where the file has no transparency. Held where the decoder wrote
// them: a picture's first pixels cost page faults, which are slower than decoding them.
struct DecodedPicture
{
    struct FreePixels
    {
        void operator()(std::uint8_t *pixels) const;
    };

    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::unique_ptr<std::uint8_t[], FreePixels> pixels;

    std::span<const std::uint8_t> rgba() const
    {
        return {pixels.get(), std::size_t(width) * std::size_t(height) * 4};
    }
};

// Decodes a JPEG or a PNG held in memory, the same way on every backend; nothing if the bytes
// are neither, or are cut short where the format tells. Reads no file and loads no library.
std::optional<DecodedPicture> decodePicture(std::span<const std::byte> bytes);

} // namespace platform
