#pragma once
// Small pictures of every format, made in memory: test fixtures, the fuzzer's
// seeds and the benchmark's input. A pixel function gives 0xAARRGGBB at x, y.

#include <cstdint>
#include <functional>
#include <vector>

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;
using PixelFn = std::function<std::uint32_t(int x, int y)>;

// Two colours split down the middle: red on the left, blue on the right.
std::uint32_t halves(int x, int y, int width);

struct BmpOptions {
    int bitsPerPixel = 24;
    bool topDown = false;
    std::uint32_t compression = 0;
    int headerSize = 40;  // 12 for the old core header
};
// Palette bitmaps take their palette from the distinct colours of `pixel`.
Bytes bmp(int width, int height, const PixelFn& pixel, BmpOptions options = {});

Bytes jpeg(int width, int height, const PixelFn& pixel, bool grey = false, int quality = 90);

struct IconEntry {
    int size = 16;
    int bitsPerPixel = 32;
    bool alpha = true;       // 32-bit: use the pixel's alpha; otherwise the mask
    PixelFn pixel;
};
Bytes icon(const std::vector<IconEntry>& entries, bool cursor = false);

struct GifFrame {
    int width = 0, height = 0;
    PixelFn pixel;  // at most two colours
    int delayCs = 10;
};
Bytes gif(const std::vector<GifFrame>& frames);

Bytes pcx8(int width, int height, const PixelFn& pixel);
Bytes pcx1(int width, int height, const PixelFn& pixel);  // white where the pixel is white
Bytes png(int width, int height, const PixelFn& pixel);

// A JPEG that compresses like a photo: broad gradients with a fine grain.
Bytes photoLike(int width, int height);

}  // namespace fixtures
