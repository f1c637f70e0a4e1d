// PictureLimits.h for Qt's image readers: their allocation limit, and the size a reader
// announces, checked before it decodes anything.
#pragma once

#include <QImageReader>
#include <QSize>

#include "PictureLimits.h"

namespace kiova {

// False when `reader` announces a picture larger than the limits; also sets Qt's allocation
// limit, which refuses what a reader that announces no size would allocate.
inline bool QtPictureSizeAllowed(QImageReader& reader) {
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    const QSize size = reader.size();
    return !size.isValid() || PictureSizeAllowed(size.width(), size.height());
}

}  // namespace kiova
