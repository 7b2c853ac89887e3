// SPDX-License-Identifier: MIT
#include "decodepicture.h"

#include <climits>
#include <cstdlib>

// The program's one copy of stb_image: only the formats the committed pictures come in, from
// memory, with no per-thread error text (which would need a threads library on Windows).
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_FAILURE_STRINGS
#define STBI_NO_THREAD_LOCALS
#define STBI_MAX_DIMENSIONS 16384
#include <stb_image.h>

namespace platform {

void DecodedPicture::FreePixels::operator()(std::uint8_t *pixels) const
{
    stbi_image_free(pixels);
}

std::optional<DecodedPicture> decodePicture(std::span<const std::byte> bytes)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    int width = 0;
    int height = 0;
    int channels = 0;
    DecodedPicture picture;
    picture.pixels.reset(stbi_load_from_memory(reinterpret_cast<const stbi_uc *>(bytes.data()),
                                               static_cast<int>(bytes.size()), &width, &height,
                                               &channels, 4));
    if (!picture.pixels)
        return std::nullopt;
    picture.width = width;
    picture.height = height;
    // Grey with alpha, or colour with alpha.
    picture.hasAlpha = channels == 2 || channels == 4;
    return picture;
}

} // namespace platform
