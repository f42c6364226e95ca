#pragma once
// Bounds-checked little-endian reads over an untrusted byte string: a read past
// the end yields zero and marks the reader as failed, so decoders check once.

#include <cstddef>
#include <cstdint>

namespace picture {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool has(std::size_t offset, std::size_t count) const {
        return offset <= size_ && count <= size_ - offset;
    }
    std::uint8_t u8(std::size_t at) {
        if (!has(at, 1)) return fail();
        return data_[at];
    }
    std::uint16_t u16(std::size_t at) {
        if (!has(at, 2)) return fail();
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) {
        if (!has(at, 4)) return fail();
        return static_cast<std::uint32_t>(data_[at]) | static_cast<std::uint32_t>(data_[at + 1]) << 8 |
               static_cast<std::uint32_t>(data_[at + 2]) << 16 | static_cast<std::uint32_t>(data_[at + 3]) << 24;
    }
    std::int32_t i32(std::size_t at) { return static_cast<std::int32_t>(u32(at)); }
    std::int16_t i16(std::size_t at) { return static_cast<std::int16_t>(u16(at)); }

    bool ok() const { return ok_; }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    std::uint8_t fail() {
        ok_ = false;
        return 0;
    }
    const std::uint8_t* data_;
    std::size_t size_;
    bool ok_ = true;
};

}  // namespace picture
