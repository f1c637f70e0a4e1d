#include "Layout.h"

#include <algorithm>

namespace kiova {

TLayout LayoutForPicture(QSize picture_size) {
    TLayout layout;
    layout.picture_area = QSize(std::max(picture_size.width(), kMinimumPictureSide),
                                std::max(picture_size.height(), kMinimumPictureSide));
    layout.balloon_left = layout.picture_area.width();
    layout.balloon_control_left = layout.balloon_left + kBalloonControlOffset;
    layout.client =
        QSize(kBalloonWidth + layout.picture_area.width(), layout.picture_area.height());
    return layout;
}

}  // namespace kiova
