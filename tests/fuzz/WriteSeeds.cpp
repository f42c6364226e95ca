// Writes a seed corpus of tiny files of every format into the folder given.
#include <cstdio>
#include <string>

#include "Fixtures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace fixtures;
    const PixelFn four = [](int x, int y) {
        static const std::uint32_t c[4] = {0xFFFF0000, 0xFF00A000, 0xFF0000FF, 0xFFFFFFFF};
        return c[(x < 4 ? 0 : 1) + (y < 2 ? 0 : 2)];
    };
    const PixelFn two = [](int x, int) { return x < 4 ? 0xFF000000u : 0xFFFFFFFFu; };
    const PixelFn seeThrough = [](int x, int) { return x == 0 ? 0u : 0xFF00A000u; };
    const struct {
        const char* name;
        Bytes bytes;
    } seeds[] = {
        {"bmp1.bmp", bmp(8, 4, two, {.bitsPerPixel = 1})},
        {"bmp4.bmp", bmp(8, 4, four, {.bitsPerPixel = 4})},
        {"bmp8.bmp", bmp(8, 4, four, {.bitsPerPixel = 8})},
        {"bmp8core.bmp", bmp(8, 4, four, {.bitsPerPixel = 8, .headerSize = 12})},
        {"bmp24.bmp", bmp(7, 3, four, {.bitsPerPixel = 24})},
        {"bmp24top.bmp", bmp(7, 3, four, {.bitsPerPixel = 24, .topDown = true})},
        {"bmp32.bmp", bmp(8, 4, four, {.bitsPerPixel = 32})},
        {"colour.jpg", jpeg(16, 16, four)},
        {"grey.jpg", jpeg(16, 8, two, true)},
        {"icon32.ico", icon({{.size = 8, .bitsPerPixel = 32, .pixel = seeThrough}})},
        {"icon4.ico", icon({{.size = 8, .bitsPerPixel = 4, .alpha = false, .pixel = four},
                            {.size = 16, .bitsPerPixel = 1, .alpha = false, .pixel = two}})},
        {"cursor.cur", icon({{.size = 8, .bitsPerPixel = 1, .alpha = false, .pixel = two}}, true)},
        {"still.gif", gif({{8, 4, two, 10}})},
        {"moving.gif", gif({{8, 4, two, 10}, {8, 4, [](int, int) { return 0xFF000000u; }, 10}})},
        {"pcx8.pcx", pcx8(7, 4, four)},
        {"pcx1.pcx", pcx1(12, 3, two)},
    };
    for (const auto& s : seeds) {
        const std::string path = std::string(argv[1]) + "/" + s.name;
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(s.bytes.data(), 1, s.bytes.size(), f) != s.bytes.size()) {
            std::perror(path.c_str());
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
