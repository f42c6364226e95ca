#include "platform/picture/JpegEncoder.h"

#include <csetjmp>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace picture {

namespace {

struct Session {
    jpeg_error_mgr err{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* s = reinterpret_cast<Session*>(cinfo->err);
    cinfo->err->format_message(cinfo, s->message);
    std::longjmp(s->jump, 1);
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const QImage& source, int quality, std::string* error) {
    if (source.isNull()) {
        if (error) *error = "there is no picture to encode";
        return {};
    }
    // 32-bit rows go to libjpeg as they are; only other formats are converted.
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    Session s;
    Session* session = &s;
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&session->err);
    session->err.error_exit = onError;
    if (setjmp(session->jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(session->out);
        if (error) *error = session->message;
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &session->out, &session->outSize);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.in_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
#else
    cinfo.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i) {  // 4:4:4
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> bytes(session->out, session->out + session->outSize);
    std::free(session->out);
    return bytes;
}

}  // namespace picture
