#include <gtest/gtest.h>

#include <QColor>
#include <climits>
#include <cstring>

#include "Fixtures.h"
#include "platform/picture/Decoders.h"
#include "platform/picture/Picture.h"

using fixtures::Bytes;
using picture::PictureFormat;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
constexpr std::uint32_t kGreen = 0xFF00A000, kClear = 0x00000000;

std::uint32_t fourColours(int x, int y) {
    static const std::uint32_t c[4] = {0xFFFF0000, 0xFF00A000, 0xFF0000FF, 0xFFFFFFFF};
    return c[(x < 8 ? 0 : 1) + (y < 4 ? 0 : 2)];
}
// 16 x 8: red, green / blue, white quarters.
fixtures::PixelFn quarters = fourColours;
fixtures::PixelFn halves16 = [](int x, int y) { return fixtures::halves(x, y, 16); };
fixtures::PixelFn blackWhite = [](int x, int) { return x < 8 ? kBlack : kWhite; };
// An icon: opaque green with a transparent left column.
fixtures::PixelFn iconPixels = [](int x, int) { return x == 0 ? 0x00000000u : kGreen; };

QImage decode(const Bytes& b, QSize target = {}) { return picture::decodePicture(b.data(), b.size(), target); }

bool near(QRgb a, std::uint32_t b, int tolerance) {
    return std::abs(qRed(a) - int((b >> 16) & 0xFF)) <= tolerance && std::abs(qGreen(a) - int((b >> 8) & 0xFF)) <= tolerance &&
           std::abs(qBlue(a) - int(b & 0xFF)) <= tolerance && std::abs(qAlpha(a) - int(b >> 24)) <= tolerance;
}

struct Sample {
    int x, y;
    std::uint32_t argb;
};

struct Case {
    const char* name;
    Bytes bytes;
    PictureFormat format;
    QSize size;  // empty: the bytes show nothing
    std::vector<Sample> samples;
    int tolerance = 0;
};

std::vector<Case> cases() {
    using fixtures::BmpOptions;
    const std::vector<Sample> q{{0, 0, kRed}, {15, 0, kGreen}, {0, 7, kBlue}, {15, 7, kWhite}};
    const std::vector<Sample> qJpeg{{2, 1, kRed}, {13, 1, kGreen}, {2, 6, kBlue}, {13, 6, kWhite}};
    return {
        {"bmp 1 bit", fixtures::bmp(16, 8, blackWhite, {.bitsPerPixel = 1}), PictureFormat::Bmp, {16, 8},
         {{0, 0, kBlack}, {15, 7, kWhite}}},
        {"bmp 4 bit", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 4}), PictureFormat::Bmp, {16, 8}, q},
        {"bmp 8 bit", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 8}), PictureFormat::Bmp, {16, 8}, q},
        {"bmp 8 bit core header", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 8, .headerSize = 12}),
         PictureFormat::Bmp, {16, 8}, q},
        {"bmp 24 bit", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 24}), PictureFormat::Bmp, {16, 8}, q},
        {"bmp 24 bit top-down", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 24, .topDown = true}),
         PictureFormat::Bmp, {16, 8}, q},
        {"bmp 32 bit", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 32}), PictureFormat::Bmp, {16, 8}, q},
        {"bmp odd width pads rows", fixtures::bmp(5, 3, [](int x, int) { return x == 4 ? kBlue : kRed; }),
         PictureFormat::Bmp, {5, 3}, {{3, 2, kRed}, {4, 0, kBlue}}},
        {"jpeg colour", fixtures::jpeg(16, 8, quarters), PictureFormat::Jpeg, {16, 8}, qJpeg, 40},
        {"jpeg grey", fixtures::jpeg(16, 8, blackWhite, true), PictureFormat::Jpeg, {16, 8},
         {{1, 1, kBlack}, {14, 6, kWhite}}, 24},
        {"icon 32 bit with alpha", fixtures::icon({{.size = 16, .bitsPerPixel = 32, .pixel = iconPixels}}),
         PictureFormat::Icon, {16, 16}, {{0, 5, kClear}, {1, 5, kGreen}, {15, 15, kGreen}}},
        {"icon 8 bit with mask", fixtures::icon({{.size = 16, .bitsPerPixel = 8, .alpha = false, .pixel = iconPixels}}),
         PictureFormat::Icon, {16, 16}, {{0, 0, kClear}, {8, 8, kGreen}}},
        {"icon 32 bit without alpha uses the mask",
         fixtures::icon({{.size = 16, .bitsPerPixel = 32, .alpha = false, .pixel = iconPixels}}), PictureFormat::Icon,
         {16, 16}, {{0, 3, kClear}, {9, 3, kGreen}}},
        {"icon best image: largest, then deepest",
         fixtures::icon({{.size = 16, .bitsPerPixel = 32, .pixel = iconPixels},
                         {.size = 32, .bitsPerPixel = 4, .alpha = false, .pixel = [](int, int) { return kBlue; }},
                         {.size = 32, .bitsPerPixel = 8, .alpha = false, .pixel = [](int, int) { return kRed; }}}),
         PictureFormat::Icon, {32, 32}, {{5, 5, kRed}}},
        {"cursor", fixtures::icon({{.size = 32, .bitsPerPixel = 1, .alpha = false, .pixel = [](int x, int) {
                                        return x < 16 ? kBlack : kWhite; }}}, true),
         PictureFormat::Cursor, {32, 32}, {{3, 3, kBlack}, {20, 3, kWhite}}},
        {"gif", fixtures::gif({{16, 8, halves16}}), PictureFormat::Gif, {16, 8}, {{0, 0, kRed}, {15, 7, kBlue}}},
        {"pcx 8 bit", fixtures::pcx8(16, 8, quarters), PictureFormat::Pcx8, {16, 8}, q},
        {"pcx 8 bit odd width", fixtures::pcx8(7, 3, [](int x, int) { return x < 3 ? kRed : kBlue; }),
         PictureFormat::Pcx8, {7, 3}, {{2, 2, kRed}, {6, 0, kBlue}}},
        {"pcx 1 bit", fixtures::pcx1(20, 4, [](int x, int) { return x < 10 ? kBlack : kWhite; }), PictureFormat::Pcx1,
         {20, 4}, {{9, 0, kBlack}, {10, 3, kWhite}}},
        // Refused although a library could show some of them.
        {"bmp run-length compressed", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 8, .compression = 1}),
         PictureFormat::Bmp, {}, {}},
        {"bmp bit fields", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 32, .compression = 3}), PictureFormat::Bmp,
         {}, {}},
        {"bmp 16 bit", fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 16}), PictureFormat::Bmp, {}, {}},
        {"png", fixtures::png(16, 8, quarters), PictureFormat::None, {}, {}},
        {"five bytes", {'B', 'M', 0, 0, 0}, PictureFormat::None, {}, {}},
        {"pcx 1 bit of version 5", [] {
             Bytes b = fixtures::pcx1(8, 2, blackWhite);
             b[1] = 5;
             return b;
         }(), PictureFormat::None, {}, {}},
        {"pcx 4 bit", [] {
             Bytes b = fixtures::pcx1(8, 2, blackWhite);
             b[3] = 4;
             return b;
         }(), PictureFormat::None, {}, {}},
        {"icon with no images", {0, 0, 1, 0, 0, 0, 0, 0}, PictureFormat::None, {}, {}},
    };
}

}  // namespace

TEST(Pictures, EveryVariantDecodesOrIsRefused) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(picture::recognise(c.bytes.data(), c.bytes.size()), c.format)
            << picture::formatName(picture::recognise(c.bytes.data(), c.bytes.size()));
        const QImage img = decode(c.bytes);
        if (c.size.isEmpty()) {
            EXPECT_TRUE(img.isNull());
            continue;
        }
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), c.size);
        EXPECT_EQ(img.format(), QImage::Format_ARGB32);
        for (const Sample& s : c.samples) {
            const QRgb got = img.pixel(s.x, s.y);
            EXPECT_TRUE(near(got, s.argb, c.tolerance))
                << "at " << s.x << "," << s.y << ": " << std::hex << got << " for " << s.argb;
        }
    }
}

TEST(Pictures, RecognitionFollowsTheFirstBytesInOrder) {
    struct Probe {
        Bytes bytes;
        PictureFormat format;
    };
    const Probe probes[] = {
        {{'B', 'M', 0xFF, 0xD8, 0, 0}, PictureFormat::Bmp},
        {{0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureFormat::Jpeg},
        {{0, 0, 1, 0, 1, 0}, PictureFormat::Icon},
        {{0, 0, 1, 0, 0, 1}, PictureFormat::Icon},
        {{0, 0, 1, 0, 0, 0}, PictureFormat::None},
        {{0, 0, 2, 0, 3, 0}, PictureFormat::Cursor},
        {{'G', 'I', 'F', '8', '7', 'a'}, PictureFormat::Gif},
        {{'G', 'I', 'F', '8', '8', 'a'}, PictureFormat::None},
        {{0x0A, 0, 1, 8, 0, 0}, PictureFormat::Pcx8},
        {{0x0A, 5, 1, 8, 0, 0}, PictureFormat::Pcx8},
        {{0x0A, 6, 1, 8, 0, 0}, PictureFormat::None},
        {{0x0A, 5, 0, 8, 0, 0}, PictureFormat::None},
        {{0x0A, 3, 1, 1, 0, 0}, PictureFormat::Pcx1},
        {{0x0A, 2, 1, 1, 0, 0}, PictureFormat::None},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A}, PictureFormat::None},
        {{0xFF, 0xD8, 0xFF, 0xE0, 0}, PictureFormat::None},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(picture::recognise(p.bytes.data(), p.bytes.size()), p.format)
            << int(p.bytes[0]) << " " << int(p.bytes[1]) << " size " << p.bytes.size();
    EXPECT_EQ(picture::recognise(nullptr, 0), PictureFormat::None);
}

TEST(Pictures, ALargeJpegIsDecodedAtTheSmallestScaleThatCoversTheBox) {
    const Bytes photo = fixtures::jpeg(1600, 1200, [](int x, int y) { return 0xFF000000u | (x & 0xFF) << 16 | (y & 0xFF); });
    EXPECT_EQ(decode(photo, {355, 375}).size(), QSize(600, 450));  // 3/8: 2/8 would be 300 high
    EXPECT_EQ(decode(photo, {200, 150}).size(), QSize(200, 150));  // 1/8 covers it
    EXPECT_EQ(decode(photo).size(), QSize(1600, 1200));
    const Bytes small = fixtures::jpeg(100, 100, halves16);
    EXPECT_EQ(decode(small, {355, 375}).size(), QSize(100, 100)) << "never enlarged by the decoder";
}

namespace {

void setU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = std::uint8_t(v >> (8 * i));
}
void setU16(Bytes& b, std::size_t at, unsigned v) {
    b.at(at) = std::uint8_t(v);
    b.at(at + 1) = std::uint8_t(v >> 8);
}

}  // namespace

// Broken and hostile files: nothing crashes, hangs or allocates what it claims.
// Run under the sanitizers, this table is also the check for reads out of bounds.
TEST(Pictures, HostileFilesShowNothingOrWhatTheyReallyHold) {
    enum Expect { Nothing, Something, Either };
    struct Hostile {
        const char* name;
        Bytes bytes;
        Expect expect = Nothing;
    };
    const Bytes bmp8 = fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 8});
    const Bytes ico = fixtures::icon({{.size = 16, .bitsPerPixel = 8, .alpha = false, .pixel = iconPixels}});
    const Bytes pcx = fixtures::pcx8(16, 8, quarters);
    const Bytes gif = fixtures::gif({{16, 8, halves16}, {16, 8, halves16}});
    const Bytes jpg = fixtures::jpeg(64, 64, quarters);
    auto edit = [](Bytes b, std::function<void(Bytes&)> f) {
        f(b);
        return b;
    };
    std::vector<Hostile> table = {
        {"bmp huge width", edit(bmp8, [](Bytes& b) { setU32(b, 18, 0x7FFFFFFF); })},
        {"bmp most negative height", edit(bmp8, [](Bytes& b) { setU32(b, 22, 0x80000000u); })},
        {"bmp zero width", edit(bmp8, [](Bytes& b) { setU32(b, 18, 0); })},
        {"bmp negative width", edit(bmp8, [](Bytes& b) { setU32(b, 18, 0xFFFFFFF0u); })},
        {"bmp 40000 x 40000", edit(bmp8, [](Bytes& b) { setU32(b, 18, 40000); setU32(b, 22, 40000); })},
        {"bmp pixels offset past the end", edit(bmp8, [](Bytes& b) { setU32(b, 10, 0xFFFFFFF0u); })},
        {"bmp header size past the end", edit(bmp8, [](Bytes& b) { setU32(b, 14, 0x7FFFFFF0u); })},
        {"bmp palette longer than the file", edit(bmp8, [](Bytes& b) { setU32(b, 46, 0xFFFFFFFFu); b.resize(80); })},
        {"bmp palette indexes past the palette", edit(bmp8, [](Bytes& b) { setU32(b, 46, 2); }), Something},
        {"ico 65535 images", edit(ico, [](Bytes& b) { setU16(b, 4, 65535); }), Something},
        {"ico image past the end", edit(ico, [](Bytes& b) { setU32(b, 18, 0xFFFFFF00u); })},
        {"ico image longer than the file", edit(ico, [](Bytes& b) { setU32(b, 14, 0x7FFFFFFFu); })},
        {"ico huge image", edit(ico, [](Bytes& b) { setU32(b, 22 + 4, 30000); setU32(b, 22 + 8, 60000); })},
        {"ico odd doubled height", edit(ico, [](Bytes& b) { setU32(b, 22 + 8, 33); })},
        {"ico without its mask", edit(Bytes(ico.begin(), ico.end() - 64), [](Bytes& b) { setU32(b, 14, std::uint32_t(b.size() - 22)); }),
         Something},
        {"pcx max below min", edit(pcx, [](Bytes& b) { setU16(b, 8, 0); setU16(b, 4, 5); })},
        {"pcx 65536 x 65536", edit(pcx, [](Bytes& b) { setU16(b, 8, 65535); setU16(b, 10, 65535); })},
        {"pcx zero bytes per line", edit(pcx, [](Bytes& b) { setU16(b, 66, 0); })},
        {"pcx three planes", edit(pcx, [](Bytes& b) { b[65] = 3; })},
        {"pcx without the palette marker", edit(pcx, [](Bytes& b) { b[b.size() - 769] = 0; })},
        {"pcx run past the end", edit(Bytes(pcx.begin(), pcx.begin() + 130), [](Bytes& b) {
             b.push_back(0xFF);
             b.push_back(0x0C);
             b.insert(b.end(), 768, 0);
         })},
        {"gif 65535 x 65535", edit(gif, [](Bytes& b) { setU16(b, 6, 65535); setU16(b, 8, 65535); })},
        {"gif zero size", edit(gif, [](Bytes& b) { setU16(b, 6, 0); })},
        {"gif frame larger than the screen", edit(gif, [](Bytes& b) {
             // The first image descriptor after the header and its two-colour table.
             const std::size_t frame = std::size_t(std::find(b.begin() + 19, b.end(), 0x2C) - b.begin());
             setU16(b, frame + 5, 65535);
             setU16(b, frame + 7, 65535);
         }), Either},  // clipped to the screen, or refused: never allocated
        {"jpeg 65500 x 65500", edit(jpg, [](Bytes& b) {
             for (std::size_t i = 2; i + 8 < b.size(); ++i)
                 if (b[i] == 0xFF && b[i + 1] == 0xC0) {  // the frame header
                     b[i + 5] = 0xFF; b[i + 6] = 0xDC; b[i + 7] = 0xFF; b[i + 8] = 0xDC;
                     break;
                 }
         })},
        {"jpeg garbage after the marker", {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 2, 3}},
    };
    // Every valid fixture cut short at several places. A GIF cut short may still
    // hold a whole first frame, and an icon the images before the cut.
    for (const Case& c : cases()) {
        if (c.size.isEmpty()) continue;
        const bool partsRemain = c.format == PictureFormat::Gif || std::string(c.name).find("best") != std::string::npos;
        for (std::size_t cut : {std::size_t(6), std::size_t(13), c.bytes.size() / 2, c.bytes.size() - 1})
            if (cut < c.bytes.size())
                table.push_back({c.name, Bytes(c.bytes.begin(), c.bytes.begin() + long(cut)), partsRemain ? Either : Nothing});
    }
    for (const Hostile& h : table) {
        SCOPED_TRACE(h.name);
        const QImage img = decode(h.bytes, {355, 375});
        if (h.expect == Nothing) {
            EXPECT_TRUE(img.isNull()) << img.width() << "x" << img.height();
        } else if (h.expect == Something) {
            EXPECT_FALSE(img.isNull());
        }
        if (!img.isNull()) {
            EXPECT_LE(std::int64_t(img.width()) * img.height(), picture::kMaxPixels);
        }
    }
}

TEST(Pictures, PaletteIndexesPastThePaletteDrawBlack) {
    Bytes b = fixtures::bmp(16, 8, quarters, {.bitsPerPixel = 8});
    setU32(b, 46, 2);  // only red and green listed; blue and white use indexes 2 and 3
    const QImage img = decode(b);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixel(0, 0), kRed);
    EXPECT_EQ(img.pixel(0, 7), kBlack);
}
