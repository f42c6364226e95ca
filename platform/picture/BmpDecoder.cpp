#include <climits>

#include "platform/picture/ByteReader.h"
#include "platform/picture/Decoders.h"

namespace picture {

std::int64_t dibStride(int width, int bitsPerPixel) {
    return (static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

bool readDibPixels(const std::uint8_t* pixels, std::size_t available, const DibLayout& l, const QRgb* palette,
                   int paletteSize, QImage& out) {
    const std::int64_t stride = dibStride(l.width, l.bitsPerPixel);
    if (stride * l.height > static_cast<std::int64_t>(available)) return false;  // truncated
    out = QImage(l.width, l.height, QImage::Format_ARGB32);
    if (out.isNull()) return false;
    auto colour = [&](unsigned index) { return index < static_cast<unsigned>(paletteSize) ? palette[index] : 0xFF000000u; };
    for (int y = 0; y < l.height; ++y) {
        const std::uint8_t* row = pixels + stride * (l.bottomUp ? l.height - 1 - y : y);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        switch (l.bitsPerPixel) {
        case 1:
            for (int x = 0; x < l.width; ++x) dst[x] = colour((row[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < l.width; ++x) dst[x] = colour((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
            break;
        case 8:
            for (int x = 0; x < l.width; ++x) dst[x] = colour(row[x]);
            break;
        case 24:
            for (int x = 0; x < l.width; ++x) dst[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        case 32:
            // The fourth byte of an uncompressed 32-bit bitmap is not alpha.
            for (int x = 0; x < l.width; ++x) dst[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
            break;
        default:
            out = QImage();
            return false;
        }
    }
    return true;
}

QImage decodeBmp(const std::uint8_t* data, std::size_t size) {
    ByteReader r(data, size);
    if (r.u8(0) != 'B' || r.u8(1) != 'M') return {};
    const std::uint32_t pixelOffset = r.u32(10);
    const std::uint32_t headerSize = r.u32(14);

    DibLayout layout;
    std::int64_t height = 0;
    int paletteEntrySize = 4;
    std::uint32_t colours = 0;
    if (headerSize == 12) {  // the old core header: 16-bit sides, three-byte palette entries
        layout.width = r.i16(18);
        height = r.i16(20);
        layout.bitsPerPixel = r.u16(24);
        paletteEntrySize = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 || headerSize == 108 ||
               headerSize == 124) {
        layout.width = r.i32(18);
        height = r.i32(22);
        layout.bitsPerPixel = r.u16(28);
        if (r.u32(30) != 0) return {};  // compressed: not shown
        colours = r.u32(46);
    } else {
        return {};
    }
    if (!r.ok()) return {};
    switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: case 24: case 32: break;
    default: return {};
    }
    layout.bottomUp = height > 0;
    height = height < 0 ? -height : height;
    if (!affordable(layout.width, height)) return {};
    layout.height = static_cast<int>(height);

    QRgb palette[256];
    int paletteSize = 0;
    if (layout.bitsPerPixel <= 8) {
        const std::uint32_t full = 1u << layout.bitsPerPixel;
        paletteSize = static_cast<int>(colours == 0 || colours > full ? full : colours);
        const std::size_t at = 14 + std::size_t{headerSize};
        if (!r.has(at, std::size_t(paletteSize) * paletteEntrySize)) return {};
        for (int i = 0; i < paletteSize; ++i) {
            const std::size_t e = at + std::size_t(i) * paletteEntrySize;
            palette[i] = qRgb(data[e + 2], data[e + 1], data[e]);
        }
    }
    if (pixelOffset >= size) return {};
    QImage out;
    if (!readDibPixels(data + pixelOffset, size - pixelOffset, layout, palette, paletteSize, out)) return {};
    return out;
}

}  // namespace picture
