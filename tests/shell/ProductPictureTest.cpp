// Watches the heap to see that a replaced picture is freed, and freed once.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "shell/ProductPicture.h"

namespace {
// Blocks of this size and over are pictures here; nothing else in the test is that large.
constexpr std::size_t kPictureSize = 1 << 20;
std::atomic<long> livePictures{0};
}  // namespace

void* operator new(std::size_t size) {
    if (size >= kPictureSize) ++livePictures;
    // Keep the size in front of the block so that delete knows what it frees.
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (!block) throw std::bad_alloc();
    *block = size;
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void operator delete(void* p) noexcept {
    if (!p) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    if (*block >= kPictureSize) --livePictures;
    std::free(block);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

TEST(ProductPicture, StartsEmptyHoldsOnlyTheLastAndIsFreedOnce) {
    shell::ProductPicture picture;
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(livePictures, 0);

    for (int i = 1; i <= 4; ++i) {
        picture.replace(std::vector<std::uint8_t>(kPictureSize * i, static_cast<std::uint8_t>(i)));
        EXPECT_EQ(livePictures, 1) << "after replacement " << i;
    }
    EXPECT_EQ(picture.bytes().size(), kPictureSize * 4);
    EXPECT_EQ(picture.bytes().front(), 4);

    picture.release();
    EXPECT_EQ(livePictures, 0);
    EXPECT_TRUE(picture.empty());
    picture.release();  // a second release frees nothing more
    EXPECT_EQ(livePictures, 0);
}

TEST(ProductPicture, AnEmptyResultStillReplacesThePicture) {
    shell::ProductPicture picture;
    picture.replace(std::vector<std::uint8_t>(kPictureSize, 1));
    picture.replace({});
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(livePictures, 0);
}
