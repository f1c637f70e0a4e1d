// The program's own balloon images, used when a character brings none: a white speech balloon
// on black, 350 x 200, whose black (the bottom-left pixel) is the transparent key.
#pragma once

#include <QImage>

namespace kiova {

// Tail on the left, pointing at the picture.
QImage CharacterBalloonImage();
// Tail on the right, at the bottom.
QImage UserBalloonImage();

}  // namespace kiova
