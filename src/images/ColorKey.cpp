#include "ColorKey.h"

#include <algorithm>
#include <array>

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
            if (pixel[0] == key[0] && pixel[1] == key[1] && pixel[2] == key[2]) {
                std::copy(replacement.begin(), replacement.end(), pixel);
            }
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

void MakeKeyTransparent(QImage& bitmap, QRgb background) {
    if (bitmap.isNull()) return;
    bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = TransparencyKey(bitmap);
    const QRgb clear = background & RGB_MASK;
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        std::replace(row, row + bitmap.width(), key, clear);
    }
}

}  // namespace kiova
