#include "DesktopPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace kiova {
namespace {
// A stored coordinate beyond this is garbage, not a far monitor; it also keeps the rectangle
// arithmetic below far from overflowing.
constexpr int kFarthestCoordinate = 1 << 20;

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : static_cast<qint64>(rect.width()) * rect.height();
}

// `start` moved just enough for `length` to lie within [low, high); the low end wins when
// the length does not fit.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

bool CanBeGrabbed(const QRect& window, const TScreens& screens) {
    const int need_width = std::min(kGrabMargin, window.width());
    const int need_height = std::min(kGrabMargin, window.height());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        QRect shown = window & screen;
        return !shown.isEmpty() && shown.width() >= need_width && shown.height() >= need_height;
    });
}
}  // namespace

QRect ScreenOf(const QRect& window, const TScreens& screens) {
    auto most = std::max_element(
        screens.begin(), screens.end(),
        [&](const QRect& a, const QRect& b) { return Area(window & a) < Area(window & b); });
    return Area(window & *most) > 0 ? *most : screens.front();
}

QPoint CharacterPosition(std::optional<QPoint> stored, QSize size, const TScreens& screens) {
    if (stored && std::abs(stored->x()) < kFarthestCoordinate &&
        std::abs(stored->y()) < kFarthestCoordinate && CanBeGrabbed(QRect(*stored, size), screens))
        return *stored;
    const QRect& primary = screens.front();
    return {Within(primary.right() + 1, size.width(), primary.left(), primary.right() + 1),
            Within(primary.bottom() + 1, size.height(), primary.top(), primary.bottom() + 1)};
}

TBalloonPlacement PlaceBalloon(const QRect& character, QSize size, const TScreens& screens) {
    const QRect screen = ScreenOf(character, screens);
    const int room_left = character.left() - screen.left();
    const int room_right = screen.right() - character.right();
    const ESide side = room_left > room_right ? ESide::Left : ESide::Right;
    const int x = side == ESide::Right ? character.right() + 1 + kDockGap
                                       : character.left() - kDockGap - size.width();
    return {QRect(QPoint(Within(x, size.width(), screen.left(), screen.right() + 1),
                         Within(character.top(), size.height(), screen.top(), screen.bottom() + 1)),
                  size),
            side};
}

int BalloonHeight(int content_height, int minimum, const QRect& screen) {
    return std::min(std::max(content_height, minimum), screen.height());
}

QPoint DockPatting(const QRect& pair, ESide balloon_side, QSize size, const TScreens& screens) {
    const QRect screen = ScreenOf(pair, screens);
    const int left = pair.left() - kDockGap - size.width();
    const int right = pair.right() + 1 + kDockGap;
    const bool left_fits = left >= screen.left();
    const bool right_fits = right + size.width() <= screen.right() + 1;
    int x;
    if (balloon_side == ESide::Right)
        x = left_fits || !right_fits ? left : right;
    else
        x = right_fits || !left_fits ? right : left;
    return {Within(x, size.width(), screen.left(), screen.right() + 1),
            Within(pair.top(), size.height(), screen.top(), screen.bottom() + 1)};
}

}  // namespace kiova
