#pragma once
// A picture as the bytes of a 24-bit uncompressed Windows bitmap file:
// bottom row first, blue-green-red, rows padded with zeros to 4 bytes.

#include <QImage>
#include <cstdint>
#include <vector>

namespace snapshot {

constexpr std::uint32_t kBitmapPixelOffset = 54;

// Bytes of one stored row: the 24-bit pixels rounded up to a multiple of 4.
constexpr std::uint32_t bitmapStride(int width) { return (24u * std::uint32_t(width) + 31u) / 32u * 4u; }

// The whole file; empty for a null picture.
std::vector<std::uint8_t> encodeBitmap(const QImage& picture);

}  // namespace snapshot
