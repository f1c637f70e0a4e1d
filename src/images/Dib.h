// Conversion of a Windows device-independent bitmap into an image.
#pragma once

#include <QImage>
#include <cstddef>
#include <optional>
#include <span>

namespace kiova {

// The picture that `info` (a BITMAPINFOHEADER followed by its colour masks or colour table) and
// `bits` (the pixel rows) describe, as a Format_RGB32 image with its top row first. 1, 4, 8, 16,
// 24 and 32 bits per pixel, BI_RGB or (16 and 32 bits) BI_BITFIELDS, bottom-up or top-down.
// Nothing when the header is not one of those or either block is too short for it.
std::optional<QImage> DibToImage(std::span<const std::byte> info, std::span<const std::byte> bits);

}  // namespace kiova
