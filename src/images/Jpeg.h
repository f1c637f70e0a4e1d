// JPEG pictures, decoded with libjpeg (decompression only).
#pragma once

#include <QImage>
#include <cstddef>
#include <optional>
#include <span>

namespace kiova {

// The picture in `bytes` as a Format_RGB32 image; nothing when the bytes are not a JPEG that
// libjpeg can decode into RGB (CMYK pictures are refused), or the picture is unreasonably large.
// Damaged data past a valid header decodes as far as it goes, as libjpeg does.
std::optional<QImage> DecodeJpeg(std::span<const std::byte> bytes);

}  // namespace kiova
