// SPDX-License-Identifier: MIT
// Writes a committed picture as the shared decoder decodes it, as a binary PPM, for the
// end-to-end tests to compare the screen with.
// Usage: decodepicture <picture> <output.ppm>
#include "committedpicture.h"

#include <cstdio>
#include <fstream>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: decodepicture <picture> <output.ppm>\n");
        return 2;
    }
    const auto picture = decodeBytes(fileBytes(argv[1]));
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
