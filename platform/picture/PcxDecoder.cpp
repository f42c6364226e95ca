#include "platform/picture/ByteReader.h"
#include "platform/picture/Decoders.h"
#include "platform/picture/PictureFormat.h"

#include <vector>

namespace picture {

QImage decodePcx(const std::uint8_t* data, std::size_t size) {
    const PictureFormat format = recognise(data, size);
    if (format != PictureFormat::Pcx8 && format != PictureFormat::Pcx1) return {};
    ByteReader r(data, size);
    const int xMin = r.u16(4), yMin = r.u16(6), xMax = r.u16(8), yMax = r.u16(10);
    const int planes = r.u8(65);
    const int bytesPerLine = r.u16(66);
    if (!r.ok() || size < 128 || xMax < xMin || yMax < yMin || planes != 1) return {};
    const int width = xMax - xMin + 1, height = yMax - yMin + 1;
    const int bits = format == PictureFormat::Pcx8 ? 8 : 1;
    if (!affordable(width, height) || bytesPerLine < (std::int64_t(width) * bits + 7) / 8) return {};

    QRgb palette[256];
    std::size_t end = size;  // where the run-length data stops
    if (format == PictureFormat::Pcx8) {
        // The 256-colour palette closes the file, behind a marker byte.
        if (size < 128 + 769 || data[size - 769] != 0x0C) return {};
        const std::uint8_t* p = data + size - 768;
        for (int i = 0; i < 256; ++i) palette[i] = qRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
        end = size - 769;
    } else {
        palette[0] = qRgb(0, 0, 0);
        palette[1] = qRgb(255, 255, 255);
    }

    QImage out(width, height, QImage::Format_ARGB32);
    if (out.isNull()) return {};
    std::vector<std::uint8_t> line(static_cast<std::size_t>(bytesPerLine));
    std::size_t at = 128;
    std::uint8_t runValue = 0;
    int runLeft = 0;  // a run may carry on into the next line
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < bytesPerLine; ++x) {
            if (runLeft == 0) {
                if (at >= end) return {};  // truncated
                const std::uint8_t b = data[at++];
                if ((b & 0xC0) == 0xC0) {
                    if (at >= end) return {};
                    runLeft = b & 0x3F;
                    runValue = data[at++];
                    if (runLeft == 0) { --x; continue; }  // an empty run draws nothing
                } else {
                    runLeft = 1;
                    runValue = b;
                }
            }
            line[static_cast<std::size_t>(x)] = runValue;
            --runLeft;
        }
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (bits == 8) {
            for (int x = 0; x < width; ++x) dst[x] = palette[line[static_cast<std::size_t>(x)]];
        } else {
            for (int x = 0; x < width; ++x) dst[x] = palette[(line[static_cast<std::size_t>(x >> 3)] >> (7 - (x & 7))) & 1];
        }
    }
    return out;
}

}  // namespace picture
