// SPDX-License-Identifier: MIT
#pragma once

#include "decodepicture.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The pictures' files as committed, and as the shared decoder decodes them: what the tests
// compare each backend's drawing with.

// A file's bytes; none if it cannot be read.
inline std::vector<char> fileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::optional<platform::DecodedPicture> decodeBytes(const std::vector<char> &bytes)
{
    return platform::decodePicture(std::as_bytes(std::span(bytes.data(), bytes.size())));
}

#ifdef VELMORA_SOURCE_DIR
// A picture of main_window/ by its file name ("background@2x.jpg").
inline std::vector<char> committedPictureBytes(const std::string &name)
{
    return fileBytes(VELMORA_SOURCE_DIR "/main_window/" + name);
}
#endif
