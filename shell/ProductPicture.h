#pragma once
// The raw bytes of the picture file loaded last, or nothing. The program never
// parses them here: a page's picture box takes its own copy and decodes that.

#include <cstdint>
#include <vector>

namespace shell {

class ProductPicture {
public:
    // Frees what was held and holds `bytes` instead, even when they are empty.
    void replace(std::vector<std::uint8_t> bytes);
    // Frees what is held; afterwards the picture holds nothing.
    void release();

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

private:
    std::vector<std::uint8_t> bytes_;
};

// The one picture of the process, owned by the shell for the whole run.
ProductPicture& productPicture();

}  // namespace shell
