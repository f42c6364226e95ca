#pragma once
// Which picture a byte string holds, told from its first bytes alone. Only the
// formats listed here are ever shown; anything else (PNG among them) is not.

#include <cstddef>
#include <cstdint>

namespace picture {

enum class PictureFormat { None, Bmp, Jpeg, Icon, Cursor, Gif, Pcx8, Pcx1 };

const char* formatName(PictureFormat format);

PictureFormat recognise(const std::uint8_t* data, std::size_t size);

}  // namespace picture
