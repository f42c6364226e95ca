#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIO.h"

namespace fs = std::filesystem;
using platform::Bytes;

namespace {

class FileIOTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/mockshot-io-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    void put(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
    }
    std::string get(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : fs::directory_iterator(dir)) all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }

    fs::path dir;
};

Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

TEST_F(FileIOTest, ReadsAWholeRegularFile) {
    std::string content(100000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
    put("pic", content);
    EXPECT_EQ(platform::readWholeFile(path("pic")), bytesOf(content));
}

TEST_F(FileIOTest, WhatCannotBeReadGivesNothing) {
    put("empty", "");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    // Sparse, so the test costs no disk: one byte over the cap.
    {
        const int fd = ::open(path("huge").c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(platform::kMaxReadBytes + 1)), 0);
        ::close(fd);
    }
    for (const char* name : {"missing", "empty", "fifo", "folder", "huge"})
        EXPECT_TRUE(platform::readWholeFile(path(name)).empty()) << name;
    EXPECT_TRUE(platform::readWholeFile("/dev/zero").empty());
}

TEST_F(FileIOTest, TheCapIsInclusive) {
    put("ten", "0123456789");
    EXPECT_EQ(platform::readWholeFile(path("ten"), 10).size(), 10u);
    EXPECT_TRUE(platform::readWholeFile(path("ten"), 9).empty());
}

TEST_F(FileIOTest, WritesAtomicallyAndReplaces) {
    put("a.jpg", "old");
    EXPECT_EQ(platform::writeFileAtomic(path("a.jpg"), bytesOf("new content")), "");
    EXPECT_EQ(get("a.jpg"), "new content");
    EXPECT_EQ(platform::writeFileAtomic(path("b.bmp"), {}), "");
    EXPECT_EQ(get("b.bmp"), "");
    EXPECT_EQ(names(), (std::vector<std::string>{"a.jpg", "b.bmp"}));

    struct stat st {};
    ASSERT_EQ(::stat(path("b.bmp").c_str(), &st), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << "a saved file gets the usual mode, not the temporary's 0600";
}

TEST_F(FileIOTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    // A folder of that name cannot be replaced by a file, even by root.
    fs::create_directory(dir / "taken.jpg");
    put("taken.jpg/inside", "keep");
    const std::string why = platform::writeFileAtomic(path("taken.jpg"), bytesOf("x"));
    EXPECT_NE(why, "");
    EXPECT_EQ(get("taken.jpg/inside"), "keep");
    EXPECT_EQ(names(), (std::vector<std::string>{"taken.jpg"}));

    EXPECT_NE(platform::writeFileAtomic(path("no/such/folder.jpg"), bytesOf("x")), "");
    EXPECT_NE(platform::writeFileAtomic(path(""), bytesOf("x")), "");
    EXPECT_EQ(names(), (std::vector<std::string>{"taken.jpg"}));
}
