// libFuzzer target: every byte string goes through recognition and decoding,
// at full size, at the picture box's scale, and frame by frame for GIFs.
#include <QBuffer>
#include <QImageReader>

#include "platform/picture/Decoders.h"
#include "platform/picture/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QImage boxed = picture::decodePicture(data, size, QSize(355, 375));
    const QImage full = picture::decodePicture(data, size);
    if (!full.isNull() && (full.width() > picture::kMaxSide || full.height() > picture::kMaxSide)) __builtin_trap();
    if (!boxed.isNull() && full.isNull() && picture::recognise(data, size) != picture::PictureFormat::Jpeg)
        __builtin_trap();  // only the scale may differ between the two
    if (picture::recognise(data, size) == picture::PictureFormat::Gif && picture::gifAffordable(data, size)) {
        QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        for (int frame = 0; frame < 64 && !reader.read().isNull(); ++frame) {
        }
    }
    return 0;
}
