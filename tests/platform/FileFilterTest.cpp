#include <gtest/gtest.h>

#include "platform/FileFilter.h"

using platform::FilterEntry;

TEST(FileFilter, SplitsIntoDescriptionAndPattern) {
    struct Case {
        std::string filter;
        std::vector<FilterEntry> expected;
    };
    const Case cases[] = {
        {"JPG图片(*.jpg)|*.jpg|", {{"JPG图片(*.jpg)", "*.jpg"}}},
        {"JPG图片(*.jpg)|*.jpg", {{"JPG图片(*.jpg)", "*.jpg"}}},
        {"JPG图片(*.jpg)|*.jpg|  ", {{"JPG图片(*.jpg)", "*.jpg"}}},
        {"A|*.a|B|*.b;*.c|", {{"A", "*.a"}, {"B", "*.b;*.c"}}},
        {"", {}},
        {"|", {}},
        {"lonely", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::parseFilter(c.filter), c.expected) << c.filter;
}

TEST(FileFilter, QtNameFilters) {
    struct Case {
        FilterEntry entry;
        std::string expected;
    };
    const Case cases[] = {
        {{"JPG图片(*.jpg)", "*.jpg"}, "JPG图片(*.jpg)"},
        {{"Pictures", "*.jpg;*.bmp"}, "Pictures (*.jpg *.bmp)"},
        {{"Pictures", "*.jpg; *.bmp;"}, "Pictures (*.jpg *.bmp)"},
        {{"", "*.png"}, "(*.png)"},
        {{"Everything", ""}, "Everything (*)"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::qtNameFilter(c.entry), c.expected) << c.entry.description;
}
