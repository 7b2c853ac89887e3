// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// A picture's pixels as decoded: rows top to bottom, four bytes a pixel (red, green, blue,
// alpha), alpha 255 throughout where the file has no transparency.
struct DecodedPicture
{
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint8_t> rgba;
};

// Decodes a JPEG or a PNG held in memory, the same way on every backend; nothing if the bytes
// are neither, or are cut short where the format tells. Reads no file and loads no library.
std::optional<DecodedPicture> decodePicture(std::span<const std::byte> bytes);

} // namespace platform
