#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/picture/Decoders.h"

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace picture {

namespace {

// A source larger than this is refused even though it would be decoded scaled down.
constexpr std::int64_t kMaxSourcePixels = 300'000'000;
// Progressive pictures keep all coefficients in memory; past this libjpeg gives up.
constexpr long kMaxLibjpegMemory = 256L * 1024 * 1024;

// Lives across the setjmp below and is only reached through a pointer, so its
// members stay valid when a decoding error jumps back.
struct Session {
    jpeg_error_mgr err{};
    std::jmp_buf jump{};
    QImage image;
    std::vector<std::uint8_t> row;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Session*>(cinfo->err)->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level) {
    // Data that ends too soon would be padded with grey rows for ever: a
    // truncated or hostile file shows nothing instead.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) onError(cinfo);
}

void silent(j_common_ptr) {}

// The smallest scale M/8 whose output still covers the target.
int scaleFor(JDIMENSION width, JDIMENSION height, QSize target) {
    if (target.isEmpty()) return 8;
    for (int m = 1; m < 8; ++m) {
        const std::int64_t w = (std::int64_t(width) * m + 7) / 8, h = (std::int64_t(height) * m + 7) / 8;
        if (w >= target.width() && h >= target.height()) return m;
    }
    return 8;
}

}  // namespace

QImage decodeJpeg(const std::uint8_t* data, std::size_t size, QSize target) {
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return {};
    Session s;
    Session* session = &s;
    jpeg_decompress_struct cinfo{};
    cinfo.err = jpeg_std_error(&session->err);
    session->err.error_exit = onError;
    session->err.emit_message = onMessage;
    session->err.output_message = silent;
    if (setjmp(session->jump)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK ||
        std::int64_t(cinfo.image_width) * cinfo.image_height > kMaxSourcePixels) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool invertedCmyk = cinfo.saw_Adobe_marker;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // the byte order of QImage::Format_ARGB32
#else
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    cinfo.scale_num = static_cast<unsigned>(scaleFor(cinfo.image_width, cinfo.image_height, target));
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    if (!affordable(cinfo.output_width, cinfo.output_height)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    session->image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_ARGB32);
    if (session->image.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    if (cmyk) session->row.resize(std::size_t(cinfo.output_width) * 4);
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW row = cmyk ? session->row.data() : session->image.scanLine(y);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
        if (!cmyk) continue;
        auto* dst = reinterpret_cast<QRgb*>(session->image.scanLine(y));
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
            int c = row[4 * x], m = row[4 * x + 1], yl = row[4 * x + 2], k = row[4 * x + 3];
            if (!invertedCmyk) c = 255 - c, m = 255 - m, yl = 255 - yl, k = 255 - k;
            dst[x] = qRgb(c * k / 255, m * k / 255, yl * k / 255);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return std::move(session->image);
}

}  // namespace picture
