#include <gtest/gtest.h>

#include "snapshot/Bitmap.h"
#include "snapshot/SaveName.h"

using snapshot::SaveFormat;
using snapshot::SaveTarget;

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

}  // namespace

TEST(Bitmap, HeaderFieldsAtThePageSizes) {
    struct Case {
        int width, height;
        std::uint32_t stride;
    };
    for (const Case c : {Case{982, 507, 2948}, Case{823, 366, 2472}, Case{1, 1, 4}, Case{4, 2, 12}}) {
        SCOPED_TRACE(c.width);
        QImage img(c.width, c.height, QImage::Format_RGB32);
        img.fill(Qt::white);
        const auto b = snapshot::encodeBitmap(img);
        EXPECT_EQ(snapshot::bitmapStride(c.width), c.stride);
        ASSERT_EQ(b.size(), 54 + std::size_t(c.stride) * c.height);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(u32(b, 6), 0u);
        EXPECT_EQ(u32(b, 10), 54u);
        EXPECT_EQ(u32(b, 14), 40u);
        EXPECT_EQ(u32(b, 18), std::uint32_t(c.width));
        EXPECT_EQ(u32(b, 22), std::uint32_t(c.height));
        EXPECT_EQ(u16(b, 26), 1);
        EXPECT_EQ(u16(b, 28), 24);
        EXPECT_EQ(u32(b, 30), 0u);
        EXPECT_EQ(u32(b, 34), c.stride * std::uint32_t(c.height));
        for (std::size_t at : {38, 42, 46, 50}) EXPECT_EQ(u32(b, at), 0u) << at;
    }
}

TEST(Bitmap, BottomRowFirstInBlueGreenRedWithZeroPadding) {
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(1, 2, 3));       // top row
    img.setPixel(1, 0, qRgb(4, 5, 6));
    img.setPixel(2, 0, qRgb(7, 8, 9));
    img.setPixel(0, 1, qRgb(10, 20, 30));    // bottom row
    img.setPixel(1, 1, qRgb(40, 50, 60));
    img.setPixel(2, 1, qRgb(70, 80, 90));
    const auto b = snapshot::encodeBitmap(img);
    ASSERT_EQ(b.size(), 54u + 12u * 2u);
    const std::vector<std::uint8_t> bottom(b.begin() + 54, b.begin() + 66), top(b.begin() + 66, b.end());
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{30, 20, 10, 60, 50, 40, 90, 80, 70, 0, 0, 0}));
    EXPECT_EQ(top, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));
}

TEST(Bitmap, NothingToEncodeGivesNothing) { EXPECT_TRUE(snapshot::encodeBitmap(QImage()).empty()); }

TEST(SaveName, TheNameConfirmedIsTheFileWritten) {
    struct Case {
        std::string confirmed;
        SaveTarget expected;
    };
    const Case cases[] = {
        {"/x/a.jpg", {"/x/a.jpg", SaveFormat::Jpeg, false}},
        {"/x/a.JPG", {"/x/a.JPG", SaveFormat::Jpeg, false}},
        {"/x/a.jpeg", {"/x/a.jpeg", SaveFormat::Jpeg, false}},
        {"/x/b.bmp", {"/x/b.bmp", SaveFormat::Bmp, false}},
        {"/x/b.BMP", {"/x/b.BMP", SaveFormat::Bmp, false}},
        {"/x/a.png", {"/x/a.png.jpg", SaveFormat::Jpeg, true}},
        {"/x/a", {"/x/a.jpg", SaveFormat::Jpeg, true}},
        {"/x.d/a", {"/x.d/a.jpg", SaveFormat::Jpeg, true}},
        {"/x/.bmp", {"/x/.bmp.jpg", SaveFormat::Jpeg, true}},
        {"/x/a.jpg.bmp", {"/x/a.jpg.bmp", SaveFormat::Bmp, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(snapshot::saveTargetFor(c.confirmed), c.expected) << c.confirmed;
}
