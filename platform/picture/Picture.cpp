#include "platform/picture/Picture.h"

#include "platform/picture/Decoders.h"

namespace picture {

QImage decodePicture(const std::uint8_t* data, std::size_t size, QSize target) {
    switch (recognise(data, size)) {
    case PictureFormat::Bmp: return decodeBmp(data, size);
    case PictureFormat::Jpeg: return decodeJpeg(data, size, target);
    case PictureFormat::Icon:
    case PictureFormat::Cursor: return decodeIcon(data, size);
    case PictureFormat::Gif: return decodeGifFirstFrame(data, size);
    case PictureFormat::Pcx8:
    case PictureFormat::Pcx1: return decodePcx(data, size);
    case PictureFormat::None: break;
    }
    return {};
}

}  // namespace picture
