// Checks a saved page for the end-to-end test:
//   check_snapshot bmp|jpeg FILE WIDTH HEIGHT [X,Y,W,H,RRGGBB ...]
// The file must be a 24-bit bitmap of exactly the layout the program writes, or
// a JPEG, of that size; each rectangle must hold a pixel near its colour.
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/picture/Picture.h"
#include "snapshot/Bitmap.h"

static std::uint32_t u32(const QByteArray& b, int at) {
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

static int fail(const std::string& why) {
    std::printf("FAIL: %s\n", why.c_str());
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 5) return fail("usage: check_snapshot bmp|jpeg FILE WIDTH HEIGHT [X,Y,W,H,RRGGBB ...]");
    const std::string kind = argv[1];
    QFile f(argv[2]);
    if (!f.open(QIODevice::ReadOnly)) return fail(std::string("cannot read ") + argv[2]);
    const QByteArray b = f.readAll();
    const int width = std::atoi(argv[3]), height = std::atoi(argv[4]);

    if (kind == "bmp") {
        const std::uint32_t stride = snapshot::bitmapStride(width);
        if (b.size() != qsizetype(54 + stride * height)) return fail("bitmap size " + std::to_string(b.size()));
        if (b[0] != 'B' || b[1] != 'M') return fail("no BM");
        const std::pair<int, std::uint32_t> fields[] = {{2, std::uint32_t(b.size())}, {6, 0}, {10, 54}, {14, 40},
                                                        {18, std::uint32_t(width)}, {22, std::uint32_t(height)},
                                                        {26, 1 | 24 << 16}, {30, 0}, {34, stride * height},
                                                        {38, 0}, {42, 0}, {46, 0}, {50, 0}};
        for (auto [at, value] : fields)
            if (u32(b, at) != value) return fail("bitmap field at " + std::to_string(at) + " is " + std::to_string(u32(b, at)));
    } else if (std::uint8_t(b[0]) != 0xFF || std::uint8_t(b[1]) != 0xD8) {
        return fail("not a JPEG");
    }
    const QImage img = picture::decodePicture(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()));
    if (img.size() != QSize(width, height))
        return fail("decodes to " + std::to_string(img.width()) + "x" + std::to_string(img.height()));

    for (int i = 5; i < argc; ++i) {
        int x, y, w, h;
        unsigned colour;
        if (std::sscanf(argv[i], "%d,%d,%d,%d,%x", &x, &y, &w, &h, &colour) != 5) return fail(std::string("bad rectangle ") + argv[i]);
        const int r = int(colour >> 16), g = int((colour >> 8) & 0xFF), bl = int(colour & 0xFF);
        bool found = false;
        for (int yy = y; yy < y + h && !found; ++yy)
            for (int xx = x; xx < x + w && !found; ++xx) {
                const QRgb p = img.pixel(xx, yy);
                found = std::abs(qRed(p) - r) + std::abs(qGreen(p) - g) + std::abs(qBlue(p) - bl) <= 60;
            }
        if (!found) return fail(std::string("no pixel near the colour in ") + argv[i]);
    }
    std::printf("%s: %dx%d ok\n", argv[2], width, height);
    return 0;
}
