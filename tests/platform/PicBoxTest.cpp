#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "Fixtures.h"
#include "platform/PicBox.h"

using platform::PicBox;

namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

QByteArray bytes(const fixtures::Bytes& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())); }

QImage shot(PicBox& box) { return box.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

}  // namespace

TEST(PicBox, EmptyBoxIsWhiteInsideItsFrame) {
    PicBox box;
    box.resize(357, 377);
    for (const QByteArray& nothing : {QByteArray(), QByteArray("BM"), bytes(fixtures::png(10, 10, [](int, int) { return kRed; }))}) {
        box.setPicture(nothing);
        const QImage img = shot(box);
        EXPECT_EQ(img.pixel(0, 0), PicBox::kFrameColour);
        EXPECT_EQ(img.pixel(356, 376), PicBox::kFrameColour);
        EXPECT_EQ(img.pixel(1, 1), kWhite);
        EXPECT_EQ(img.pixel(178, 188), kWhite);
        EXPECT_EQ(img.pixel(355, 375), kWhite);
    }
}

TEST(PicBox, APictureIsStretchedOverTheWholeInnerArea) {
    PicBox box;
    box.resize(357, 377);
    // 100 x 100: red left half, blue right half.
    box.setPicture(bytes(fixtures::bmp(100, 100, [](int x, int y) { return fixtures::halves(x, y, 100); })));
    const QImage img = shot(box);
    EXPECT_EQ(img.pixel(0, 0), PicBox::kFrameColour) << "the frame stays";
    // Every corner of the inner 355 x 375 area is covered: proportions are not kept.
    EXPECT_EQ(img.pixel(1, 1), kRed);
    EXPECT_EQ(img.pixel(1, 375), kRed);
    EXPECT_EQ(img.pixel(355, 1), kBlue);
    EXPECT_EQ(img.pixel(355, 375), kBlue);
    // The split sits in the middle of the inner width, where a stretch puts it.
    EXPECT_EQ(img.pixel(170, 188), kRed);
    EXPECT_EQ(img.pixel(187, 188), kBlue);
}

TEST(PicBox, KeepsItsOwnCopyAndANewPictureReplacesTheOld) {
    PicBox box;
    box.resize(50, 50);
    QByteArray red = bytes(fixtures::bmp(4, 4, [](int, int) { return kRed; }));
    box.setPicture(red);
    red.fill('\0');  // the caller frees or reuses its buffer
    EXPECT_EQ(shot(box).pixel(25, 25), kRed);
    box.setPicture(bytes(fixtures::bmp(4, 4, [](int, int) { return kBlue; })));
    EXPECT_EQ(shot(box).pixel(25, 25), kBlue);
    box.setPicture({});
    EXPECT_EQ(shot(box).pixel(25, 25), kWhite);
}

TEST(PicBox, CopiesEvenBytesItIsOnlyLentAView) {
    PicBox box;
    box.resize(50, 50);
    fixtures::Bytes owner = fixtures::bmp(4, 4, [](int, int) { return kRed; });
    box.setPicture(QByteArray::fromRawData(reinterpret_cast<const char*>(owner.data()), qsizetype(owner.size())));
    std::fill(owner.begin(), owner.end(), 0);  // the lender frees or reuses its buffer
    owner.clear();
    owner.shrink_to_fit();
    EXPECT_EQ(shot(box).pixel(25, 25), kRed);
}

TEST(PicBox, IconTransparencyShowsTheBoxWhite) {
    PicBox box;
    box.resize(18, 18);  // inner 16 x 16: one picture pixel per box pixel
    box.setPicture(bytes(fixtures::icon({{.size = 16, .bitsPerPixel = 32, .pixel = [](int x, int) {
                                              return x < 8 ? 0x00000000u : kBlue; }}})));
    const QImage img = shot(box);
    EXPECT_EQ(img.pixel(3, 8), kWhite);
    EXPECT_EQ(img.pixel(14, 8), kBlue);
}

TEST(PicBox, AGifOfSeveralFramesPlaysAndLoops) {
    PicBox box;
    box.resize(20, 20);
    const auto red = [](int, int) { return kRed; };
    const auto blue = [](int, int) { return kBlue; };
    box.setPicture(bytes(fixtures::gif({{8, 8, red, 5}, {8, 8, blue, 5}})));
    ASSERT_TRUE(box.isAnimated());
    EXPECT_EQ(box.currentImage().pixel(4, 4), kRed) << "the first frame shows at once";
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.currentImage().pixel(4, 4) == kBlue; }, 3000));
    EXPECT_EQ(shot(box).pixel(10, 10), kBlue);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.currentImage().pixel(4, 4) == kRed; }, 3000)) << "loops";

    // A new picture stops the old animation.
    box.setPicture(bytes(fixtures::bmp(4, 4, [](int, int) { return kWhite; })));
    EXPECT_FALSE(box.isAnimated());
    QTest::qWait(150);
    EXPECT_EQ(box.currentImage().pixel(1, 1), kWhite);
}

TEST(PicBox, AOneFrameGifStaysStill) {
    PicBox box;
    box.resize(20, 20);
    box.setPicture(bytes(fixtures::gif({{8, 8, [](int, int) { return kRed; }, 5}})));
    EXPECT_FALSE(box.isAnimated());
    EXPECT_EQ(box.currentImage().pixel(4, 4), kRed);
}
