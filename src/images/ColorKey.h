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

// The key colour made see-through, for a window that shows what lies behind it: `bitmap`
// becomes 32-bit with alpha (not premultiplied), and every pixel equal to the bottom-left one,
// alpha included, becomes `background` with alpha 0. The picture's own alpha is kept, so
// painted over `background` it looks as MakeTransparent's result does. A null bitmap is left
// alone.
void MakeKeyTransparent(QImage& bitmap, QRgb background);

}  // namespace kiova
