// qtimage.spi: a Susie-style decoder for every picture format Qt's image readers know.
//
// In: picture bytes in memory (file input is not offered). Out: a 32-bit bottom-up device-
// independent bitmap in two malloc'ed blocks, which the host frees. Always: formats are told by
// content, never by name; no C++ exception leaves an entry point; on failure nothing is handed
// back; a picture larger than PictureLimits.h allows is refused before it is decoded. Alpha is
// dropped: the host keys transparency by colour.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>

#include "QtPictureLimits.h"
#include "kiova/spi.h"

namespace {

constexpr char kVersion[] = "00IN";
constexpr char kDescription[] = "Kiova picture decoder (Qt image readers)";
constexpr char kTypeName[] = "Pictures read by Qt";

// "*.png;*.gif;..." for every format the readers know.
QByteArray Extensions() {
    QByteArray extensions;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        if (!extensions.isEmpty()) extensions += ';';
        extensions += "*." + format;
    }
    return extensions;
}

int CopyText(const QByteArray& text, char* buffer, int length) {
    if (!buffer || length <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), length - 1);
    std::memcpy(buffer, text.constData(), count);
    buffer[count] = '\0';
    return count;
}

// Runs an entry point's body; exceptions become result codes at the C boundary.
template <typename Body>
int Guarded(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return SPI_NO_MEMORY;
    } catch (...) {
        return SPI_INTERNAL_ERROR;
    }
}

// A reader over bytes the caller owns; the format is decided from the content.
class Reader {
public:
    Reader(const char* bytes, qsizetype size)
        : data_(QByteArray::fromRawData(bytes, size)), buffer_(&data_) {
        buffer_.open(QIODevice::ReadOnly);
        reader_.setDevice(&buffer_);
        reader_.setDecideFormatFromContent(true);
    }
    QImageReader& operator*() { return reader_; }
    QImageReader* operator->() { return &reader_; }

private:
    QByteArray data_;
    QBuffer buffer_;
    QImageReader reader_;
};

bool IsMemoryInput(const char* buf, intptr_t len, unsigned int flag) {
    return (flag & SPI_INPUT_MASK) == SPI_INPUT_MEMORY && buf && len > 0;
}

// Hands `image` over as a 32-bit bottom-up bitmap.
int ToBitmap(const QImage& decoded, void** pHBInfo, void** pHBm) {
    const QImage image = decoded.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return SPI_NO_MEMORY;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * 4;
    auto* info = static_cast<BITMAPINFOHEADER*>(std::calloc(1, sizeof(BITMAPINFOHEADER)));
    auto* bits = static_cast<unsigned char*>(std::malloc(rowBytes * image.height()));
    if (!info || !bits) {
        std::free(info);
        std::free(bits);
        return SPI_NO_MEMORY;
    }
    info->biSize = sizeof(BITMAPINFOHEADER);
    info->biWidth = image.width();
    info->biHeight = image.height();
    info->biPlanes = 1;
    info->biBitCount = 32;
    info->biCompression = BI_RGB;
    info->biSizeImage = static_cast<uint32_t>(rowBytes * image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(bits + (image.height() - 1 - y) * rowBytes, image.constScanLine(y), rowBytes);
    }
    *pHBInfo = info;
    *pHBm = bits;
    return SPI_OK;
}

}  // namespace

extern "C" {

SPI_EXPORT int GetPluginInfo(int infono, char* buf, int buflen) {
    return Guarded([&]() -> int {
        switch (infono) {
            case 0:
                return CopyText(kVersion, buf, buflen);
            case 1:
                return CopyText(kDescription, buf, buflen);
            case 2:
                return CopyText(Extensions(), buf, buflen);
            case 3:
                return CopyText(kTypeName, buf, buflen);
            default:
                return 0;
        }
    });
}

SPI_EXPORT int IsSupported(const char* /*filename*/, const void* head) {
    return Guarded([&]() -> int {
        if (!head) return 0;
        Reader reader(static_cast<const char*>(head), SPI_HEAD_SIZE);
        return reader->canRead() ? 1 : 0;
    });
}

SPI_EXPORT int GetPictureInfo(const char* buf, intptr_t len, unsigned int flag, PictureInfo* info) {
    return Guarded([&]() -> int {
        if (!IsMemoryInput(buf, len, flag)) return SPI_NOT_IMPLEMENTED;
        if (!info) return SPI_INTERNAL_ERROR;
        Reader reader(buf, len);
        const QSize size = reader->size();
        if (!reader->canRead() || !size.isValid()) return SPI_UNKNOWN_FORMAT;
        *info = PictureInfo{};
        info->width = size.width();
        info->height = size.height();
        const QImage::Format format = reader->imageFormat();
        if (format != QImage::Format_Invalid) {
            info->colorDepth = static_cast<int16_t>(QImage::toPixelFormat(format).bitsPerPixel());
        }
        return SPI_OK;
    });
}

SPI_EXPORT int GetPicture(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo,
                          void** pHBm, SPI_PROGRESS progress, intptr_t lData) {
    return Guarded([&]() -> int {
        if (!IsMemoryInput(buf, len, flag)) return SPI_NOT_IMPLEMENTED;
        if (!pHBInfo || !pHBm) return SPI_INTERNAL_ERROR;
        if (progress && progress(0, 1, lData) != 0) return SPI_ABORTED;
        Reader reader(buf, len);
        if (!reader->canRead()) return SPI_UNKNOWN_FORMAT;
        if (!kiova::QtPictureSizeAllowed(*reader)) return SPI_NO_MEMORY;
        QImage image;
        if (!reader->read(&image)) return SPI_BROKEN_DATA;
        if (progress && progress(1, 1, lData) != 0) return SPI_ABORTED;
        return ToBitmap(image, pHBInfo, pHBm);
    });
}

SPI_EXPORT int GetPreview(const char*, intptr_t, unsigned int, void**, void**, SPI_PROGRESS,
                          intptr_t) {
    return SPI_NOT_IMPLEMENTED;
}

}  // extern "C"
