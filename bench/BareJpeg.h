#pragma once
// The floors of the benchmarks: libjpeg doing only what any program must.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

namespace bench {

// Decodes at scale M/8 into RGB rows; returns the bytes of pixels produced.
std::size_t bareDecode(const std::uint8_t* data, std::size_t size, int scaleNum);
inline std::size_t bareDecode(const QByteArray& file, int scaleNum) {
    return bareDecode(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()), scaleNum);
}

// Encodes 32-bit rows at quality 95 without chroma subsampling; returns the JPEG's size.
std::size_t bareEncode(const QImage& rgb32);

}  // namespace bench
