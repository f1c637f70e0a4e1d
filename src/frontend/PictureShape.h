// The shape of the character window in desktop mode: the picture's pixels that show, as a
// region, so the window can be cut to it (the X shape extension) and clicks beside the
// character reach the window underneath. Computed once per picture.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>

namespace kiova {

// A pixel shows when its alpha reaches this: half see-through edges count without a
// compositor, which can only show a pixel or not.
inline constexpr int kShapeAlphaCut = 128;
// With a compositor every pixel that is not wholly see-through shows.
inline constexpr int kShapeAlphaAny = 1;

// The handle that stands in for a picture that shows nothing (or failed to load), so the
// character can still be found, dragged and right-clicked: a square at the bottom left.
inline constexpr int kHandleSide = 12;

struct TPictureShape {
    QSize size;      // the window's size
    QRegion region;  // the pixels that show, in window coordinates
    bool handle = false;
};

// The pixels of `picture` whose alpha is at least `alpha_cut`, as rows of runs merged where
// consecutive rows are alike; a picture with none of them (or none at all) is the handle.
TPictureShape PictureShape(const QImage& picture, int alpha_cut);

}  // namespace kiova
