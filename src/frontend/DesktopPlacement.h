// Where the windows of desktop mode stand: the character where the user left it (or at the
// bottom right of the primary screen), its balloon beside it on the side with more room, and
// the patting window docked beside the pair. Plain functions over screen rectangles, so the
// windows only measure and move.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace kiova {

// The screens' available areas (without panels), the primary one first.
using TScreens = std::vector<QRect>;

// The side of the character the balloon stands on; its tail points the other way.
enum class ESide { Left, Right };

struct TBalloonPlacement {
    QRect rect;  // the whole balloon window, tail included
    ESide side = ESide::Right;

    bool operator==(const TBalloonPlacement&) const = default;
};

// So much of a window must lie on some screen for it to count as on the screen: enough to
// grab it with the mouse.
inline constexpr int kGrabMargin = 16;
// The space between the character and the balloon's tail, and between the pair and the
// patting window.
inline constexpr int kDockGap = 4;

// The screen that holds most of `window`; the primary one when none holds any of it.
// `screens` must not be empty.
QRect ScreenOf(const QRect& window, const TScreens& screens);

// The character window's top left: `stored` when a window of `size` there can still be
// grabbed on some screen, otherwise the bottom right corner of the primary screen.
QPoint CharacterPosition(std::optional<QPoint> stored, QSize size, const TScreens& screens);

// The balloon of `size` beside `character`, on the side with more room on the character's
// screen (the right one when both have the same), its top level with the character's top and
// kept within that screen.
TBalloonPlacement PlaceBalloon(const QRect& character, QSize size, const TScreens& screens);

// The balloon's height for text `content_height` pixels tall: never below `minimum`, growing
// with the text up to the height of the screen.
int BalloonHeight(int content_height, int minimum, const QRect& screen);

// The patting window of `size` beside the character and its balloon (`pair`, their bounding
// rectangle): on the side away from the balloon, else wherever it fits, top edges level.
QPoint DockPatting(const QRect& pair, ESide balloon_side, QSize size, const TScreens& screens);

}  // namespace kiova
