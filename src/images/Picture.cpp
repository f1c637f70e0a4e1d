// Picture file -> bitmap, by extension.
//
// In: a file path, the decoder list, the target bitmap. Out: a status the caller can report.
// Always: the extension alone picks the decoder; the target changes only on success; the file is
// never opened unless it is a regular file (a FIFO or device would block or never end).
#include "Picture.h"

#include <QByteArrayView>
#include <exception>
#include <optional>
#include <string>

#include "ImageFiles.h"
#include "Jpeg.h"

namespace kiova {
namespace {

enum class Decoder { Jpeg, Bmp, PlugIns };

Decoder DecoderFor(const std::filesystem::path& file) {
    const std::string extension = LowerCaseExtension(file);
    if (extension == ".jpg" || extension == ".jpeg") return Decoder::Jpeg;
    if (extension == ".bmp") return Decoder::Bmp;
    return Decoder::PlugIns;
}

std::optional<QImage> DecodeBmp(std::span<const std::byte> bytes) {
    QImage image = QImage::fromData(
        QByteArrayView(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "BMP");
    if (image.isNull()) return std::nullopt;
    return image;
}

PictureStatus Decoded(std::optional<QImage> image, QImage& target) {
    if (!image) return PictureStatus::InvalidBitmap;
    target = std::move(*image);
    return PictureStatus::Loaded;
}

}  // namespace

PictureStatus LoadPictureFile(const std::filesystem::path& file, TSusiePlugInList& plugIns,
                              QImage& target) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return PictureStatus::NotExists;
    try {
        switch (DecoderFor(file)) {
            case Decoder::Jpeg:
                return Decoded(DecodeJpeg(ReadFileBytes(file)), target);
            case Decoder::Bmp:
                return Decoded(DecodeBmp(ReadFileBytes(file)), target);
            case Decoder::PlugIns:
                return plugIns.LoadFromFile(file, target) ? PictureStatus::Loaded
                                                          : PictureStatus::NotDecoded;
        }
    } catch (const std::exception&) {
        // unreadable after the check above, or larger than memory
    }
    return PictureStatus::InvalidBitmap;
}

}  // namespace kiova
