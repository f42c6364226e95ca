#include "snapshot/Bitmap.h"

#include <cstring>

namespace snapshot {

static void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = std::uint8_t(v);
    at[1] = std::uint8_t(v >> 8);
}

static void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

std::vector<std::uint8_t> encodeBitmap(const QImage& picture) {
    if (picture.isNull()) return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const std::uint32_t stride = bitmapStride(width);
    const std::uint32_t imageSize = stride * std::uint32_t(height);
    std::vector<std::uint8_t> file(kBitmapPixelOffset + imageSize, 0);
    std::uint8_t* h = file.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, std::uint32_t(file.size()));
    put32(h + 10, kBitmapPixelOffset);
    put32(h + 14, 40);  // the information header
    put32(h + 18, std::uint32_t(width));
    put32(h + 22, std::uint32_t(height));  // positive: bottom row first
    put16(h + 26, 1);
    put16(h + 28, 24);
    put32(h + 30, 0);  // uncompressed
    put32(h + 34, imageSize);
    // Resolutions, colours used and important colours stay 0.
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        std::uint8_t* dst = file.data() + kBitmapPixelOffset + std::size_t(stride) * y;
        for (int x = 0; x < width; ++x) {
            dst[3 * x] = std::uint8_t(qBlue(src[x]));
            dst[3 * x + 1] = std::uint8_t(qGreen(src[x]));
            dst[3 * x + 2] = std::uint8_t(qRed(src[x]));
        }
    }
    return file;
}

}  // namespace snapshot
