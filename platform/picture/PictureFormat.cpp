#include "platform/picture/PictureFormat.h"

#include <cstring>

namespace picture {

const char* formatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::None: return "none";
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Icon: return "icon";
    case PictureFormat::Cursor: return "cursor";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Pcx8: return "pcx8";
    case PictureFormat::Pcx1: return "pcx1";
    }
    return "?";
}

PictureFormat recognise(const std::uint8_t* d, std::size_t size) {
    if (!d || size < 6) return PictureFormat::None;
    // Tested in this order; the first that fits decides.
    if (d[0] == 'B' && d[1] == 'M') return PictureFormat::Bmp;
    if (d[0] == 0xFF && d[1] == 0xD8) return PictureFormat::Jpeg;
    const bool imageCount = d[4] != 0 || d[5] != 0;
    if (d[0] == 0 && d[1] == 0 && d[2] == 1 && d[3] == 0 && imageCount) return PictureFormat::Icon;
    if (d[0] == 0 && d[1] == 0 && d[2] == 2 && d[3] == 0 && imageCount) return PictureFormat::Cursor;
    if (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0) return PictureFormat::Gif;
    if (d[0] == 0x0A && d[2] == 1) {
        if (d[1] <= 5 && d[3] == 8) return PictureFormat::Pcx8;
        if (d[1] == 3 && d[3] == 1) return PictureFormat::Pcx1;
    }
    return PictureFormat::None;
}

}  // namespace picture
