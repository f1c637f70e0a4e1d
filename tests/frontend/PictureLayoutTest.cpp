#include <gtest/gtest.h>

#include "BuiltinBalloons.h"
#include "Layout.h"

namespace kiova {
namespace {

TEST(LayoutTest, FollowsThePictureWithAMinimumOf200) {
    struct Case {
        QSize picture;
        QSize area;
        int balloon_left;
        QSize client;
    };
    for (const Case& c : {Case{QSize(), QSize(200, 200), 200, QSize(550, 200)},
                          Case{QSize(100, 100), QSize(200, 200), 200, QSize(550, 200)},
                          Case{QSize(300, 400), QSize(300, 400), 300, QSize(650, 400)},
                          Case{QSize(120, 500), QSize(200, 500), 200, QSize(550, 500)}}) {
        TLayout layout = LayoutForPicture(c.picture);
        EXPECT_EQ(layout.picture_area, c.area);
        EXPECT_EQ(layout.balloon_left, c.balloon_left);
        EXPECT_EQ(layout.balloon_control_left, c.balloon_left + 40);
        EXPECT_EQ(layout.client, c.client);
    }
}

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
