#include <gtest/gtest.h>

#include "BuiltinBalloons.h"

namespace kiova {
namespace {

TEST(BuiltinBalloonsTest, WhiteBalloonsOnAnExactBlackKey) {
    QImage character = CharacterBalloonImage();
    QImage user = UserBalloonImage();
    for (const QImage* image : {&character, &user}) {
        EXPECT_EQ(image->size(), QSize(350, 200));
        EXPECT_EQ(image->pixel(0, 199), qRgb(0, 0, 0));
        EXPECT_EQ(image->pixel(175, 100), qRgb(255, 255, 255));
        EXPECT_EQ(image->pixel(25, 15), qRgb(0, 0, 0));  // a rounded corner
        EXPECT_EQ(image->pixel(28, 100), qRgb(255, 255, 255));
    }
    // The character's tail points left at the picture, the user's right and down.
    EXPECT_EQ(character.pixel(8, 54), qRgb(255, 255, 255));
    EXPECT_EQ(character.pixel(340, 150), qRgb(0, 0, 0));
    EXPECT_EQ(user.pixel(340, 145), qRgb(255, 255, 255));
    EXPECT_EQ(user.pixel(8, 54), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace kiova
