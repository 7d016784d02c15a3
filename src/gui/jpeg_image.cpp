#include "gui/jpeg_image.h"

#include <cstdio>

#include <csetjmp>
#include <jpeglib.h> // needs size_t and FILE declared first

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the reader instead.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// Only objects without destructors live in this frame, so a jump back skips none; the image is the
// caller's. The libjpeg state is cleaned up on either way out, as its manual shows.
bool readJpeg(const unsigned char* data, std::size_t size, QImage& image)
{
    jpeg_decompress_struct info{};
    JumpingErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size == 0)
        return {};
    QImage image;
    if (!readJpeg(data, size, image))
        return {};
    return image;
}
