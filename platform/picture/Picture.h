#pragma once
// From the bytes of a picture file to an image: the format is told from the
// first bytes, and only the formats of PictureFormat are decoded.

#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>

#include "platform/picture/PictureFormat.h"

namespace picture {

// A null image when the bytes are no picture the program shows. `target` is
// the area the picture will fill (see decodeJpeg).
QImage decodePicture(const std::uint8_t* data, std::size_t size, QSize target = {});

}  // namespace picture
