#include "shell/ProductPicture.h"

namespace shell {

void ProductPicture::replace(std::vector<std::uint8_t> bytes) {
    // The old buffer goes with the swap's temporary, so only the new one stays held.
    std::vector<std::uint8_t>(std::move(bytes)).swap(bytes_);
}

void ProductPicture::release() { std::vector<std::uint8_t>().swap(bytes_); }

ProductPicture& productPicture() {
    static ProductPicture picture;
    return picture;
}

}  // namespace shell
