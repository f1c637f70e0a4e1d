// The balloon's font. Characters made on Windows name Windows fonts ("ＭＳ ゴシック"); where this
// machine lacks the family, fontconfig picks the installed font closest to it that covers
// Japanese, so the balloon never shows boxes.
#pragma once

#include <QFont>
#include <QString>

namespace kiova {

QFont BalloonFont(const QString& family, int point_size);

}  // namespace kiova
