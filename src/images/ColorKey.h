// The transparent colour key: one colour of a bitmap replaced by the window's background.
#pragma once

#include <QImage>
#include <QRgb>

namespace kiova {

// Converts `bitmap` to 24 bits per pixel, then gives every pixel whose red, green and blue equal
// those of `from` exactly the colour `to` (alpha is ignored). A null bitmap is left alone.
void ReplaceColor(QImage& bitmap, QRgb from, QRgb to);

// The key colour of a picture: its bottom-left pixel. `bitmap` must not be null.
QRgb TransparencyKey(const QImage& bitmap);

// Replaces the key colour by `background`; a null bitmap is left alone.
void MakeTransparent(QImage& bitmap, QRgb background);

}  // namespace kiova
