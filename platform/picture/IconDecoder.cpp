#include <vector>

#include "platform/picture/ByteReader.h"
#include "platform/picture/Decoders.h"

namespace picture {

namespace {

// One image of an icon or cursor directory, as its own bitmap header describes it.
struct IconImage {
    std::size_t offset = 0, length = 0;
    int width = 0, height = 0, bitsPerPixel = 0;
    std::uint32_t headerSize = 0, colours = 0;
};

// Reads the bitmap header of a directory entry; false for entries that cannot
// be shown (PNG-compressed, compressed bitmaps, odd depths, out of the file).
bool describe(const std::uint8_t* data, std::size_t size, std::size_t offset, std::size_t length, IconImage& out) {
    ByteReader file(data, size);
    if (!file.has(offset, length) || length < 40) return false;
    ByteReader r(data + offset, length);
    out.offset = offset;
    out.length = length;
    out.headerSize = r.u32(0);
    if (out.headerSize < 40 || out.headerSize > length) return false;
    out.width = r.i32(4);
    const std::int32_t doubled = r.i32(8);  // the colour bitmap and its mask, one above the other
    out.bitsPerPixel = r.u16(14);
    out.colours = r.u32(32);
    if (!r.ok() || r.u32(16) != 0 || doubled <= 0 || doubled % 2 != 0) return false;
    out.height = doubled / 2;
    switch (out.bitsPerPixel) {
    case 1: case 4: case 8: case 24: case 32: break;
    default: return false;
    }
    return affordable(out.width, out.height);
}

bool better(const IconImage& a, const IconImage& b) {
    const std::int64_t areaA = std::int64_t(a.width) * a.height, areaB = std::int64_t(b.width) * b.height;
    if (areaA != areaB) return areaA > areaB;
    return a.bitsPerPixel > b.bitsPerPixel;
}

}  // namespace

QImage decodeIcon(const std::uint8_t* data, std::size_t size) {
    ByteReader r(data, size);
    const int type = r.u16(2);
    const int count = r.u16(4);
    if (!r.ok() || r.u16(0) != 0 || (type != 1 && type != 2) || count == 0) return {};

    // The best image: the largest, then the deepest colour.
    IconImage best;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + std::size_t(i) * 16;
        if (!r.has(entry, 16)) break;
        IconImage candidate;
        if (!describe(data, size, r.u32(entry + 12), r.u32(entry + 8), candidate)) continue;
        if (!found || better(candidate, best)) best = candidate;
        found = true;
    }
    if (!found) return {};

    const std::uint8_t* image = data + best.offset;
    QRgb palette[256];
    int paletteSize = 0;
    if (best.bitsPerPixel <= 8) {
        const std::uint32_t full = 1u << best.bitsPerPixel;
        paletteSize = static_cast<int>(best.colours == 0 || best.colours > full ? full : best.colours);
        if (std::size_t(best.headerSize) + std::size_t(paletteSize) * 4 > best.length) return {};
        for (int i = 0; i < paletteSize; ++i) {
            const std::uint8_t* e = image + best.headerSize + i * 4;
            palette[i] = qRgb(e[2], e[1], e[0]);
        }
    }
    const std::size_t pixelsAt = best.headerSize + std::size_t(paletteSize) * 4;
    DibLayout layout{best.width, best.height, best.bitsPerPixel, true};
    QImage out;
    if (!readDibPixels(image + pixelsAt, best.length - pixelsAt, layout, palette, paletteSize, out)) return {};

    bool hasAlpha = false;
    if (best.bitsPerPixel == 32) {
        for (int y = 0; y < best.height && !hasAlpha; ++y) {
            const std::uint8_t* row = image + pixelsAt + dibStride(best.width, 32) * (best.height - 1 - y);
            for (int x = 0; x < best.width; ++x)
                if (row[4 * x + 3] != 0) { hasAlpha = true; break; }
        }
    }
    if (hasAlpha) {
        // A 32-bit icon carries its own alpha channel; the mask is then redundant.
        for (int y = 0; y < best.height; ++y) {
            const std::uint8_t* row = image + pixelsAt + dibStride(best.width, 32) * (best.height - 1 - y);
            auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < best.width; ++x) dst[x] = (dst[x] & 0x00FFFFFF) | (QRgb(row[4 * x + 3]) << 24);
        }
        return out;
    }
    // Otherwise the one-bit mask after the colours marks the transparent pixels.
    const std::size_t maskAt = pixelsAt + std::size_t(dibStride(best.width, best.bitsPerPixel)) * best.height;
    const std::int64_t maskStride = dibStride(best.width, 1);
    if (maskAt > best.length || std::int64_t(best.length - maskAt) < maskStride * best.height) return out;  // no mask: opaque
    for (int y = 0; y < best.height; ++y) {
        const std::uint8_t* row = image + maskAt + maskStride * (best.height - 1 - y);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < best.width; ++x)
            if ((row[x >> 3] >> (7 - (x & 7))) & 1) dst[x] = 0;
    }
    return out;
}

}  // namespace picture
