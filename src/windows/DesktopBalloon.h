// TDesktopBalloon: the balloon of desktop mode, a frameless window of its own drawn as a speech
// balloon whose tail points at the character. It carries the same edit control as the classic
// balloon (handed over with Adopt), so playing, typing and Enter go on as before, and it grows
// taller for long text, within the screen.
#pragma once

#include <QPainterPath>
#include <QWidget>

#include "DesktopPlacement.h"

namespace kiova {

class TBalloonEdit;

inline constexpr int kDesktopBalloonWidth = 320;  // tail included
inline constexpr int kDesktopBalloonMinHeight = 96;

class TDesktopBalloon final : public QWidget {
    Q_OBJECT
public:
    // `translucent` only when a compositor runs; it cannot change once the window exists.
    explicit TDesktopBalloon(bool translucent);

    // Takes `edit` onto the balloon's body; the owner takes it back with setParent.
    void Adopt(TBalloonEdit& edit);
    // The window's height for the edit's text as it stands, on `screen`.
    int WantedHeight(const QRect& screen) const;
    // Moves and shapes the balloon; nothing is redrawn when nothing changed.
    void Place(const TBalloonPlacement& placement);
    ESide Side() const { return side_; }

    // The balloon's outline for a window of `size` whose tail points to `tail_side`.
    static QPainterPath Outline(QSize size, ESide tail_side);

signals:
    // The text's height changed: the balloon may need another height.
    void contentResized();
    void contextMenuWanted(QPoint global_position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QRect Body() const;

    const bool translucent_;
    TBalloonEdit* edit_ = nullptr;
    ESide side_ = ESide::Right;
};

}  // namespace kiova
