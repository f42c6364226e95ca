#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "platform/picture/ByteReader.h"
#include "platform/picture/Decoders.h"

namespace picture {

bool gifAffordable(const std::uint8_t* data, std::size_t size) {
    ByteReader r(data, size);
    const int width = r.u16(6), height = r.u16(8);
    return r.ok() && affordable(width, height);
}

QImage decodeGifFirstFrame(const std::uint8_t* data, std::size_t size) {
    if (!gifAffordable(data, size)) return {};
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Qt's readers share one limit; a frame bigger than ours is refused by the reader too.
    QImageReader::setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)));
    QImageReader reader(&buffer, "gif");
    QImage frame = reader.read();
    if (frame.isNull()) return {};
    return frame.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace picture
