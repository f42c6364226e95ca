#include "Fixtures.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <map>

extern "C" {
#include <jpeglib.h>
}

namespace fixtures {

namespace {

void put16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}
void push16(Bytes& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

std::vector<std::uint32_t> paletteOf(int width, int height, const PixelFn& pixel, std::size_t max) {
    std::vector<std::uint32_t> palette;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y) | 0xFF000000u;
            if (std::find(palette.begin(), palette.end(), c) == palette.end() && palette.size() < max)
                palette.push_back(c);
        }
    return palette;
}

std::size_t indexOf(const std::vector<std::uint32_t>& palette, std::uint32_t c) {
    const auto it = std::find(palette.begin(), palette.end(), c | 0xFF000000u);
    return it == palette.end() ? 0 : std::size_t(it - palette.begin());
}

// Pixel rows of a device-independent bitmap, bottom row first unless topDown.
Bytes dibPixels(int width, int height, const PixelFn& pixel, int bpp, const std::vector<std::uint32_t>& palette,
                bool topDown) {
    const std::size_t stride = (std::size_t(width) * bpp + 31) / 32 * 4;
    Bytes out(stride * height, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        std::uint8_t* d = out.data() + stride * row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y);
            switch (bpp) {
            case 1: d[x / 8] |= std::uint8_t(indexOf(palette, c) << (7 - x % 8)); break;
            case 4: d[x / 2] |= std::uint8_t(indexOf(palette, c) << (x % 2 ? 0 : 4)); break;
            case 8: d[x] = std::uint8_t(indexOf(palette, c)); break;
            case 24: d[3 * x] = c & 0xFF; d[3 * x + 1] = (c >> 8) & 0xFF; d[3 * x + 2] = (c >> 16) & 0xFF; break;
            case 32:
                d[4 * x] = c & 0xFF; d[4 * x + 1] = (c >> 8) & 0xFF; d[4 * x + 2] = (c >> 16) & 0xFF;
                d[4 * x + 3] = (c >> 24) & 0xFF;
                break;
            default: break;
            }
        }
    }
    return out;
}

}  // namespace

std::uint32_t halves(int x, int, int width) { return x < width / 2 ? 0xFFFF0000u : 0xFF0000FFu; }

Bytes bmp(int width, int height, const PixelFn& pixel, BmpOptions o) {
    const bool paletted = o.bitsPerPixel <= 8;
    auto palette = paletted ? paletteOf(width, height, pixel, std::size_t(1) << o.bitsPerPixel)
                            : std::vector<std::uint32_t>{};
    if (paletted && o.headerSize == 12) palette.resize(std::size_t(1) << o.bitsPerPixel, 0xFF000000u);  // always full
    const int entrySize = o.headerSize == 12 ? 3 : 4;
    const Bytes pixels = dibPixels(width, height, pixel, o.bitsPerPixel, palette, o.topDown);
    const std::size_t offset = 14 + o.headerSize + palette.size() * entrySize;
    Bytes b(offset, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, std::uint32_t(offset + pixels.size()));
    put32(b, 10, std::uint32_t(offset));
    put32(b, 14, std::uint32_t(o.headerSize));
    if (o.headerSize == 12) {
        put16(b, 18, unsigned(width));
        put16(b, 20, unsigned(height));
        put16(b, 22, 1);
        put16(b, 24, unsigned(o.bitsPerPixel));
    } else {
        put32(b, 18, std::uint32_t(width));
        put32(b, 22, std::uint32_t(o.topDown ? -height : height));
        put16(b, 26, 1);
        put16(b, 28, unsigned(o.bitsPerPixel));
        put32(b, 30, o.compression);
        put32(b, 34, std::uint32_t(pixels.size()));
        put32(b, 46, std::uint32_t(palette.size()));
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t e = 14 + o.headerSize + i * entrySize;
        b[e] = palette[i] & 0xFF;
        b[e + 1] = (palette[i] >> 8) & 0xFF;
        b[e + 2] = (palette[i] >> 16) & 0xFF;
    }
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes jpeg(int width, int height, const PixelFn& pixel, bool grey, int quality) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&c, &out, &outSize);
    c.image_width = JDIMENSION(width);
    c.image_height = JDIMENSION(height);
    c.input_components = grey ? 1 : 3;
    c.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    while (c.next_scanline < c.image_height) {
        const int y = int(c.next_scanline);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixel(x, y);
            const std::uint8_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, bl = p & 0xFF;
            if (grey) row[x] = std::uint8_t((r * 299 + g * 587 + bl * 114) / 1000);
            else row[3 * x] = r, row[3 * x + 1] = g, row[3 * x + 2] = bl;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes bytes(out, out + outSize);
    std::free(out);
    return bytes;
}

Bytes icon(const std::vector<IconEntry>& entries, bool cursor) {
    Bytes b(6 + 16 * entries.size(), 0);
    put16(b, 2, cursor ? 2 : 1);
    put16(b, 4, unsigned(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        const int s = e.size;
        const bool paletted = e.bitsPerPixel <= 8;
        const auto palette = paletted ? paletteOf(s, s, e.pixel, std::size_t(1) << e.bitsPerPixel)
                                      : std::vector<std::uint32_t>{};
        Bytes dib(40, 0);
        put32(dib, 0, 40);
        put32(dib, 4, std::uint32_t(s));
        put32(dib, 8, std::uint32_t(2 * s));
        put16(dib, 12, 1);
        put16(dib, 14, unsigned(e.bitsPerPixel));
        put32(dib, 32, std::uint32_t(palette.size()));
        for (std::uint32_t c : palette) {
            dib.push_back(c & 0xFF);
            dib.push_back((c >> 8) & 0xFF);
            dib.push_back((c >> 16) & 0xFF);
            dib.push_back(0);
        }
        const PixelFn colour = [&](int x, int y) { return e.bitsPerPixel == 32 && !e.alpha ? e.pixel(x, y) & 0x00FFFFFF : e.pixel(x, y); };
        const Bytes pixels = dibPixels(s, s, colour, e.bitsPerPixel, palette, false);
        dib.insert(dib.end(), pixels.begin(), pixels.end());
        // The mask: set where the pixel is transparent.
        const PixelFn mask = [&](int x, int y) { return (e.pixel(x, y) >> 24) < 128 ? 0xFFFFFFFFu : 0xFF000000u; };
        const Bytes maskBits = dibPixels(s, s, mask, 1, {0xFF000000u, 0xFFFFFFFFu}, false);
        dib.insert(dib.end(), maskBits.begin(), maskBits.end());

        const std::size_t entry = 6 + 16 * i;
        b[entry] = std::uint8_t(s >= 256 ? 0 : s);
        b[entry + 1] = std::uint8_t(s >= 256 ? 0 : s);
        put16(b, entry + 4, cursor ? 0 : 1);
        put16(b, entry + 6, cursor ? 0 : unsigned(e.bitsPerPixel));
        put32(b, entry + 8, std::uint32_t(dib.size()));
        put32(b, entry + 12, std::uint32_t(b.size()));
        b.insert(b.end(), dib.begin(), dib.end());
    }
    return b;
}

Bytes gif(const std::vector<GifFrame>& frames) {
    const int width = frames.at(0).width, height = frames.at(0).height;
    // One global table of two colours for all frames.
    std::vector<std::uint32_t> palette;
    for (const GifFrame& f : frames)
        for (std::uint32_t c : paletteOf(f.width, f.height, f.pixel, 2))
            if (std::find(palette.begin(), palette.end(), c) == palette.end() && palette.size() < 2) palette.push_back(c);
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    push16(b, unsigned(width));
    push16(b, unsigned(height));
    b.push_back(0x80);  // a global colour table of two entries
    b.push_back(0);
    b.push_back(0);
    for (int i = 0; i < 2; ++i) {
        const std::uint32_t c = i < int(palette.size()) ? palette[i] : 0xFF000000u;
        b.push_back((c >> 16) & 0xFF);
        b.push_back((c >> 8) & 0xFF);
        b.push_back(c & 0xFF);
    }
    if (frames.size() > 1) {  // loop for ever
        const char app[] = "\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00";
        b.insert(b.end(), app, app + sizeof app - 1);
    }
    for (const GifFrame& f : frames) {
        b.insert(b.end(), {0x21, 0xF9, 0x04, 0x00});
        push16(b, unsigned(f.delayCs));
        b.insert(b.end(), {0x00, 0x00});
        b.push_back(0x2C);
        push16(b, 0);
        push16(b, 0);
        push16(b, unsigned(f.width));
        push16(b, unsigned(f.height));
        b.push_back(0);
        // Codes of three bits: a clear code before every two pixels keeps the
        // table from growing, so no compression is needed.
        b.push_back(2);
        std::vector<int> codes;
        int n = 0;
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                if (n++ % 2 == 0) codes.push_back(4);
                codes.push_back(int(indexOf(palette, f.pixel(x, y))));
            }
        codes.push_back(5);
        Bytes data;
        std::uint32_t acc = 0;
        int bits = 0;
        for (int code : codes) {
            acc |= std::uint32_t(code) << bits;
            bits += 3;
            while (bits >= 8) {
                data.push_back(acc & 0xFF);
                acc >>= 8;
                bits -= 8;
            }
        }
        if (bits) data.push_back(acc & 0xFF);
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t len = std::min<std::size_t>(255, data.size() - at);
            b.push_back(std::uint8_t(len));
            b.insert(b.end(), data.begin() + long(at), data.begin() + long(at + len));
        }
        b.push_back(0);
    }
    b.push_back(0x3B);
    return b;
}

static Bytes pcxHeader(int width, int height, int version, int bpp, int bytesPerLine) {
    Bytes b(128, 0);
    b[0] = 0x0A;
    b[1] = std::uint8_t(version);
    b[2] = 1;
    b[3] = std::uint8_t(bpp);
    put16(b, 8, unsigned(width - 1));
    put16(b, 10, unsigned(height - 1));
    b[65] = 1;
    put16(b, 66, unsigned(bytesPerLine));
    return b;
}

static void pcxRun(Bytes& b, std::uint8_t value, int count) {
    while (count > 0) {
        const int n = std::min(count, 63);
        if (n > 1 || (value & 0xC0) == 0xC0) {
            b.push_back(std::uint8_t(0xC0 | n));
        }
        b.push_back(value);
        count -= n;
    }
}

static void pcxLine(Bytes& b, const std::vector<std::uint8_t>& line) {
    for (std::size_t i = 0; i < line.size();) {
        std::size_t j = i;
        while (j < line.size() && line[j] == line[i]) ++j;
        pcxRun(b, line[i], int(j - i));
        i = j;
    }
}

Bytes pcx8(int width, int height, const PixelFn& pixel) {
    const auto palette = paletteOf(width, height, pixel, 256);
    const int bpl = (width + 1) / 2 * 2;
    Bytes b = pcxHeader(width, height, 5, 8, bpl);
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint8_t> line(std::size_t(bpl), 0);
        for (int x = 0; x < width; ++x) line[x] = std::uint8_t(indexOf(palette, pixel(x, y)));
        pcxLine(b, line);
    }
    b.push_back(0x0C);
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t c = i < int(palette.size()) ? palette[i] : 0;
        b.push_back((c >> 16) & 0xFF);
        b.push_back((c >> 8) & 0xFF);
        b.push_back(c & 0xFF);
    }
    return b;
}

Bytes pcx1(int width, int height, const PixelFn& pixel) {
    const int bpl = ((width + 7) / 8 + 1) / 2 * 2;
    Bytes b = pcxHeader(width, height, 3, 1, bpl);
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint8_t> line(std::size_t(bpl), 0);
        for (int x = 0; x < width; ++x)
            if ((pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) line[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        pcxLine(b, line);
    }
    return b;
}

Bytes png(int width, int height, const PixelFn& pixel) {
    QImage img(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) img.setPixel(x, y, pixel(x, y));
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return Bytes(out.begin(), out.end());
}

Bytes photoLike(int width, int height) {
    std::uint32_t seed = 12345;
    return jpeg(width, height, [&](int x, int y) {
        seed = seed * 1664525u + 1013904223u;
        const int grain = int(seed >> 28) - 8;
        const int r = std::clamp(x * 255 / width + grain, 0, 255), g = std::clamp(y * 255 / height + grain, 0, 255);
        const int b = std::clamp(128 + ((x / 40 + y / 40) % 2) * 60 + grain, 0, 255);
        return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
    });
}

}  // namespace fixtures
