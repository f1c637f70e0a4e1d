// Where desktop mode puts its windows, on one screen and on two, and the character window's
// shape, which is computed without any window.
#include <gtest/gtest.h>

#include <QPainter>
#include <climits>

#include "DesktopPlacement.h"
#include "PictureShape.h"

namespace kiova {
namespace {

const QRect kPrimary(0, 0, 1920, 1040);  // a panel below
const QRect kRightOfIt(1920, -200, 1280, 1024);
const TScreens kTwo = {kPrimary, kRightOfIt};

TEST(DesktopPlacement, StoredPlaceKeptWhileTheCharacterCanBeGrabbed) {
    const QSize size(400, 600);
    EXPECT_EQ(CharacterPosition(QPoint(100, 50), size, kTwo), QPoint(100, 50));
    EXPECT_EQ(CharacterPosition(QPoint(3000, -150), size, kTwo), QPoint(3000, -150));
    // Mostly off the right monitor's right edge, a grip still on it.
    EXPECT_EQ(CharacterPosition(QPoint(3180, 0), size, kTwo), QPoint(3180, 0));
    // A grip's width on the left edge, and one pixel less.
    const QPoint bottom_right(1920 - 400, 1040 - 600);
    EXPECT_EQ(CharacterPosition(QPoint(-384, 100), size, kTwo), QPoint(-384, 100));
    EXPECT_EQ(CharacterPosition(QPoint(-385, 100), size, kTwo), bottom_right);
    // Above the right monitor, beside the primary: on neither.
    EXPECT_EQ(CharacterPosition(QPoint(2500, -900), size, kTwo), bottom_right);
    EXPECT_EQ(CharacterPosition(QPoint(5000, 0), size, kTwo), bottom_right);
}

TEST(DesktopPlacement, NoOrGarbagePlaceGoesBottomRightOfThePrimaryScreen) {
    const TScreens second_primary = {kRightOfIt, kPrimary};
    EXPECT_EQ(CharacterPosition(std::nullopt, QSize(100, 200), second_primary),
              QPoint(3200 - 100, 824 - 200));
    EXPECT_EQ(CharacterPosition(QPoint(INT_MAX, INT_MIN), QSize(100, 200), kTwo),
              QPoint(1820, 840));
    // Larger than the screen: its top left stays on it.
    EXPECT_EQ(CharacterPosition(std::nullopt, QSize(2500, 1500), kTwo), QPoint(0, 0));
}

TEST(DesktopPlacement, BalloonOnTheSideWithMoreRoomWithinTheCharactersScreen) {
    const QSize balloon(320, 120);
    TBalloonPlacement right = PlaceBalloon(QRect(100, 300, 400, 600), balloon, kTwo);
    EXPECT_EQ(right.side, ESide::Right);
    EXPECT_EQ(right.rect, QRect(QPoint(500 + kDockGap, 300), balloon));

    TBalloonPlacement left = PlaceBalloon(QRect(1400, 300, 400, 600), balloon, kTwo);
    EXPECT_EQ(left.side, ESide::Left);
    EXPECT_EQ(left.rect, QRect(QPoint(1400 - kDockGap - 320, 300), balloon));

    // On the right monitor, whose left neighbour is the primary: its own edges count.
    TBalloonPlacement second = PlaceBalloon(QRect(2000, -200, 400, 600), balloon, kTwo);
    EXPECT_EQ(second.side, ESide::Right);
    EXPECT_EQ(second.rect.topLeft(), QPoint(2400 + kDockGap, -200));

    // A character standing low keeps the balloon's bottom on the screen.
    TBalloonPlacement low = PlaceBalloon(QRect(100, 1000, 400, 600), QSize(320, 300), kTwo);
    EXPECT_EQ(low.rect.bottom(), kPrimary.bottom());
    // A character wider than the room on both sides: the balloon still lies within the screen.
    TBalloonPlacement wide = PlaceBalloon(QRect(-100, 0, 2100, 500), balloon, kTwo);
    EXPECT_TRUE(kPrimary.contains(wide.rect)) << wide.rect.x();
}

TEST(DesktopPlacement, BalloonGrowsWithItsTextUpToTheScreen) {
    EXPECT_EQ(BalloonHeight(20, 96, kPrimary), 96);
    EXPECT_EQ(BalloonHeight(400, 96, kPrimary), 400);
    EXPECT_EQ(BalloonHeight(5000, 96, kPrimary), 1040);
}

TEST(DesktopPlacement, PattingWindowDocksAwayFromTheBalloon) {
    const QSize patting(133, 227);
    const QRect pair(300, 200, 724, 600);
    EXPECT_EQ(DockPatting(pair, ESide::Right, patting, kTwo), QPoint(300 - kDockGap - 133, 200));
    EXPECT_EQ(DockPatting(pair, ESide::Left, patting, kTwo), QPoint(1024 + kDockGap, 200));
    // No room on the left: the right side.
    EXPECT_EQ(DockPatting(QRect(50, 200, 724, 600), ESide::Right, patting, kTwo),
              QPoint(774 + kDockGap, 200));
    // Low on the screen: its bottom on it.
    EXPECT_EQ(DockPatting(QRect(300, 1000, 724, 40), ESide::Right, patting, kTwo).y(), 1040 - 227);
}

// A 6 x 4 picture: the key around a shape that changes from row to row.
QImage KeyedPicture() {
    QImage picture(6, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(1, 0, 2, 2, Qt::red);  // rows 0 and 1 alike
    painter.fillRect(4, 0, 1, 2, Qt::red);
    painter.fillRect(0, 2, 6, 1, QColor(0, 0, 255, 100));  // half see-through
    return picture;
}

TEST(PictureShape, PixelsThatShowByTheirAlpha) {
    const QImage picture = KeyedPicture();
    TPictureShape any = PictureShape(picture, kShapeAlphaAny);
    EXPECT_FALSE(any.handle);
    EXPECT_EQ(any.size, QSize(6, 4));
    QRegion expected = QRegion(1, 0, 2, 2) + QRegion(4, 0, 1, 2) + QRegion(0, 2, 6, 1);
    EXPECT_EQ(any.region, expected);

    TPictureShape cut = PictureShape(picture, kShapeAlphaCut);
    EXPECT_EQ(cut.region, QRegion(1, 0, 2, 2) + QRegion(4, 0, 1, 2));
    // Rows alike are one band: three rectangles would be a row at a time.
    EXPECT_EQ(cut.region.rectCount(), 2);

    QImage opaque(30, 20, QImage::Format_RGB32);
    opaque.fill(Qt::green);
    EXPECT_EQ(PictureShape(opaque, kShapeAlphaCut).region, QRegion(0, 0, 30, 20));
}

TEST(PictureShape, NothingToShowLeavesTheHandle) {
    QImage all_key(400, 600, QImage::Format_ARGB32);
    all_key.fill(Qt::transparent);
    TPictureShape shape = PictureShape(all_key, kShapeAlphaCut);
    EXPECT_TRUE(shape.handle);
    EXPECT_EQ(shape.size, QSize(400, 600));
    EXPECT_EQ(shape.region, QRegion(0, 600 - kHandleSide, kHandleSide, kHandleSide));

    TPictureShape none = PictureShape(QImage(), kShapeAlphaCut);
    EXPECT_TRUE(none.handle);
    EXPECT_EQ(none.size, QSize(kHandleSide, kHandleSide));
    EXPECT_EQ(none.region, QRegion(0, 0, kHandleSide, kHandleSide));
}

}  // namespace
}  // namespace kiova
