// The main window's geometry, which follows the size of the character's picture.
#pragma once

#include <QPoint>
#include <QSize>

namespace kiova {

inline constexpr int kMinimumPictureSide = 200;
inline constexpr int kBalloonWidth = 350;
inline constexpr int kBalloonHeight = 200;
inline constexpr int kBalloonControlOffset = 40;  // from the balloon area's left edge

struct TLayout {
    QSize picture_area;    // at the client area's top left
    int balloon_left = 0;  // the balloon area, kBalloonWidth x kBalloonHeight
    int balloon_control_left = 0;
    QSize client;

    bool operator==(const TLayout&) const = default;
};

// The layout for a picture of `picture_size` (a null picture is 0 x 0): the picture area is at
// least 200 x 200 and the balloon stands to its right.
TLayout LayoutForPicture(QSize picture_size);

}  // namespace kiova
