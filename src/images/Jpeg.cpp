// JPEG bytes -> QImage through libjpeg's decompressor.
//
// In: the bytes of a whole file. Out: a Format_RGB32 image of the picture's full size, or nothing.
// Always: libjpeg reports fatal errors by longjmp; every setjmp sits in a function whose locals are
// trivially destructible, so the jump never skips a C++ destructor. Sizes and the number of
// progressive scans are bounded, so hostile headers cannot exhaust memory or time.
#include "Jpeg.h"

#include <csetjmp>
#include <cstdint>

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

#include "PictureLimits.h"

namespace kiova {
namespace {

constexpr int kMaxScans = 1000;

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Some files repeat scans without end; libjpeg would read every one of them.
void LimitScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) JumpOnError(info);
}

// The decompressor's state; released by the destructor whatever stage failed.
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager error{};
    jpeg_progress_mgr progress{};

    Decompressor() {
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = JumpOnError;
        error.manager.output_message = IgnoreMessage;
        progress.progress_monitor = LimitScans;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

bool ReadHeader(Decompressor& jpeg, const unsigned char* data, unsigned long size) {
    if (setjmp(jpeg.error.jump)) return false;
    jpeg_create_decompress(&jpeg.info);
    jpeg.info.progress = &jpeg.progress;
    jpeg_mem_src(&jpeg.info, data, size);
    return jpeg_read_header(&jpeg.info, TRUE) == JPEG_HEADER_OK;
}

bool ReadPixels(Decompressor& jpeg, unsigned char* bits, std::int64_t stride) {
    if (setjmp(jpeg.error.jump)) return false;
    jpeg.info.out_color_space = JCS_EXT_BGRA;  // Format_RGB32's byte order, alpha 0xFF
    jpeg_start_decompress(&jpeg.info);
    while (jpeg.info.output_scanline < jpeg.info.output_height) {
        JSAMPROW row = bits + jpeg.info.output_scanline * stride;
        jpeg_read_scanlines(&jpeg.info, &row, 1);
    }
    jpeg_finish_decompress(&jpeg.info);
    return true;
}

}  // namespace

std::optional<QImage> DecodeJpeg(std::span<const std::byte> bytes) {
    Decompressor jpeg;
    if (!ReadHeader(jpeg, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) {
        return std::nullopt;
    }
    const std::int64_t width = jpeg.info.image_width;
    const std::int64_t height = jpeg.info.image_height;
    if (!PictureSizeAllowed(width, height)) return std::nullopt;

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull() || !ReadPixels(jpeg, image.bits(), image.bytesPerLine())) {
        return std::nullopt;
    }
    return image;
}

}  // namespace kiova
