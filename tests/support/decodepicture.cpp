// SPDX-License-Identifier: MIT
// Writes a committed picture as the shared decoder decodes it, as a binary PPM, for the
// end-to-end tests to compare the screen with.
// Usage: decodepicture <picture> <output.ppm>
#include "decodepicture.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: decodepicture <picture> <output.ppm>\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(input),
                                  std::istreambuf_iterator<char>()};
    const auto picture =
        platform::decodePicture(std::as_bytes(std::span(bytes.data(), bytes.size())));
    if (!picture) {
        std::fprintf(stderr, "%s: no picture the decoder reads\n", argv[1]);
        return 1;
    }
    std::ofstream output(argv[2], std::ios::binary);
    output << "P6\n" << picture->width << ' ' << picture->height << "\n255\n";
    const auto rgba = picture->rgba();
    for (std::size_t pixel = 0; pixel < rgba.size(); pixel += 4)
        output.write(reinterpret_cast<const char *>(&rgba[pixel]), 3);
    if (!output.flush()) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
