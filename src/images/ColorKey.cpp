#include "ColorKey.h"

#include <array>
#include <cstring>

namespace kiova {
namespace {

// A colour as the three bytes of a Format_RGB888 pixel.
std::array<uchar, 3> PixelBytes(QRgb color) {
    return {static_cast<uchar>(qRed(color)), static_cast<uchar>(qGreen(color)),
            static_cast<uchar>(qBlue(color))};
}

}  // namespace

void ReplaceColor(QImage& bitmap, QRgb from, QRgb to) {
    if (bitmap.isNull()) return;
    bitmap = bitmap.convertToFormat(QImage::Format_RGB888);
    const std::array<uchar, 3> key = PixelBytes(from);
    const std::array<uchar, 3> replacement = PixelBytes(to);
    for (int y = 0; y < bitmap.height(); ++y) {
        uchar* pixel = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, pixel += 3) {
            if (std::memcmp(pixel, key.data(), 3) == 0) std::memcpy(pixel, replacement.data(), 3);
        }
    }
}

QRgb TransparencyKey(const QImage& bitmap) {
    return bitmap.pixel(0, bitmap.height() - 1);
}

void MakeTransparent(QImage& bitmap, QRgb background) {
    if (bitmap.isNull()) return;
    ReplaceColor(bitmap, TransparencyKey(bitmap), background);
}

}  // namespace kiova
