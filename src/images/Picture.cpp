// Picture file -> bitmap, by extension.
//
// In: a file path, the decoder list, the target bitmap. Out: a status the caller can report.
// Always: the extension alone picks the decoder; the target changes only on success; the file is
// never read unless it is a regular file (a FIFO or device would block or never end) of at most
// 64 MB, and no picture larger than PictureLimits.h allows is decoded.
#include "Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <exception>
#include <optional>
#include <string>

#include "ImageFiles.h"
#include "Jpeg.h"
#include "PictureLimits.h"
#include "QtPictureLimits.h"

namespace kiova {
namespace {

enum class Decoder { Jpeg, Bmp, PlugIns };

std::span<const std::byte> AsBytes(const std::string& bytes) {
    return std::as_bytes(std::span(bytes));
}

Decoder DecoderFor(const std::filesystem::path& file) {
    const std::string extension = LowerCaseExtension(file);
    if (extension == ".jpg" || extension == ".jpeg") return Decoder::Jpeg;
    if (extension == ".bmp") return Decoder::Bmp;
    return Decoder::PlugIns;
}

// Through QImageReader rather than QImage::fromData, for the reader's reason when it refuses.
std::optional<QImage> DecodeBmp(std::span<const std::byte> bytes, std::string& reason) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "BMP");
    if (!QtPictureSizeAllowed(reader)) {
        reason = "the BMP reader refused it: larger than " + std::to_string(kMaxPictureSide) +
                 " pixels a side or " + std::to_string(kMaxPicturePixels) + " pixels";
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        reason = "the BMP reader refused it: " + reader.errorString().toStdString();
        return std::nullopt;
    }
    return image;
}

std::optional<QImage> DecodeJpegFile(std::span<const std::byte> bytes, std::string& reason) {
    std::optional<QImage> image = DecodeJpeg(bytes);
    if (!image)
        reason =
            "the JPEG decoder (libjpeg) refused it: not a JPEG it can decode into RGB, "
            "damaged, or too large";
    return image;
}

bool DecodeWithPlugIns(const std::filesystem::path& file, TSusiePlugInList& plugIns, QImage& target,
                       std::string& reason) {
    if (plugIns.LoadFromFile(file, target)) return true;
    std::string asked;
    for (int i = 0; i < plugIns.Count(); ++i) {
        if (!plugIns[i].CanDecode()) continue;
        asked += (asked.empty() ? "" : ", ") + plugIns[i].Path().filename().string();
    }
    reason = asked.empty() ? "no decoder library is loaded for its extension"
                           : "no decoder library decoded it (asked: " + asked + ")";
    return false;
}

PictureStatus Decoded(std::optional<QImage> image, QImage& target) {
    if (!image) return PictureStatus::InvalidBitmap;
    target = std::move(*image);
    return PictureStatus::Loaded;
}

}  // namespace

PictureStatus LoadPictureFile(const std::filesystem::path& file, TSusiePlugInList& plugIns,
                              QImage& target) {
    std::string unused;
    return LoadPictureFile(file, plugIns, target, unused);
}

PictureStatus LoadPictureFile(const std::filesystem::path& file, TSusiePlugInList& plugIns,
                              QImage& target, std::string& reason) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        reason = "not an existing file";
        return PictureStatus::NotExists;
    }
    try {
        switch (DecoderFor(file)) {
            case Decoder::Jpeg:
                return Decoded(DecodeJpegFile(AsBytes(ReadFileBytes(file)), reason), target);
            case Decoder::Bmp:
                return Decoded(DecodeBmp(AsBytes(ReadFileBytes(file)), reason), target);
            case Decoder::PlugIns:
                return DecodeWithPlugIns(file, plugIns, target, reason) ? PictureStatus::Loaded
                                                                        : PictureStatus::NotDecoded;
        }
    } catch (const std::exception& failure) {
        // unreadable after the check above, or larger than memory
        reason = failure.what();
    }
    return PictureStatus::InvalidBitmap;
}

}  // namespace kiova
