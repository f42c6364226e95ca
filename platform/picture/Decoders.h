#pragma once
// Decoders of the product picture formats, each to a 32-bit image. They trust
// nothing in the bytes: every offset and length is checked, and dimensions the
// program cannot afford are refused before anything is allocated. A null image
// means the bytes could not be shown.

#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>

namespace picture {

// What one decoded picture may cost: a side and a pixel count (the pixels of a
// 32-bit image of that size stay under 160 MB).
constexpr int kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 40'000'000;

inline bool affordable(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

QImage decodeBmp(const std::uint8_t* data, std::size_t size);
// `target` is the area the picture will fill: a large JPEG is decoded at the
// smallest DCT scale that still covers it. An empty target decodes at full size.
QImage decodeJpeg(const std::uint8_t* data, std::size_t size, QSize target);
QImage decodeIcon(const std::uint8_t* data, std::size_t size);  // icons and cursors
QImage decodePcx(const std::uint8_t* data, std::size_t size);
QImage decodeGifFirstFrame(const std::uint8_t* data, std::size_t size);
// Whether a GIF's header is one the program can afford to decode.
bool gifAffordable(const std::uint8_t* data, std::size_t size);

// Pixels of a device-independent bitmap, shared by bitmaps and icons. `palette`
// holds `paletteSize` colours as 0xAARRGGBB; an index past it draws black.
struct DibLayout {
    int width = 0, height = 0;  // height positive; `bottomUp` tells the row order
    int bitsPerPixel = 0;
    bool bottomUp = true;
};
bool readDibPixels(const std::uint8_t* pixels, std::size_t available, const DibLayout& layout,
                   const QRgb* palette, int paletteSize, QImage& out);
std::int64_t dibStride(int width, int bitsPerPixel);

}  // namespace picture
