#pragma once
// JPEG encoding through libjpeg-turbo, without chroma subsampling so that the
// small text of a page stays crisp.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace picture {

// The JPEG bytes of an image, or an empty result and the reason in `error`.
std::vector<std::uint8_t> encodeJpeg(const QImage& image, int quality = 95, std::string* error = nullptr);

}  // namespace picture
