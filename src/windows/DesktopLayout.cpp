#include "DesktopLayout.h"

#include <QGuiApplication>
#include <QScreen>

#include "BalloonEdit.h"
#include "FormNadenade.h"

namespace kiova {
namespace {
TScreens AvailableScreens() {
    TScreens screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    if (screens.empty()) screens.emplace_back(0, 0, 1024, 768);  // no screen is known yet
    return screens;
}

// Keeps a window above others, or lets it go; changing the flag hides it, so it is shown again.
void StayOnTop(QWidget& window, bool on_top) {
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (visible) window.show();
}
}  // namespace

TDesktopLayout::TDesktopLayout(TBalloonEdit& edit, TFormNadenade& patting, bool translucent)
    : edit_(edit), patting_(patting), character_(translucent), balloon_(translucent) {
    connect(&character_, &TDesktopCharacter::moved, this, [this] {
        Follow();
        DockPatting();
    });
    connect(&balloon_, &TDesktopBalloon::contentResized, this, &TDesktopLayout::Follow);
}

void TDesktopLayout::SetPicture(const QImage& picture) {
    const QSize before = character_.size();
    character_.SetPicture(picture);
    if (character_.size() != before) {
        const bool dragged = character_.pos() != placed_;
        MoveCharacter(dragged ? std::optional(character_.pos()) : wanted_);
    }
    Follow();
    DockPatting();
}

void TDesktopLayout::Place(std::optional<QPoint> top_left) {
    wanted_ = top_left;
    MoveCharacter(top_left);
    Follow();
}

void TDesktopLayout::MoveCharacter(std::optional<QPoint> top_left) {
    placed_ = CharacterPosition(top_left, character_.size(), AvailableScreens());
    character_.move(placed_);
}

void TDesktopLayout::Show() {
    Follow();
    character_.show();
    balloon_.show();
}

void TDesktopLayout::Hide() {
    balloon_.hide();
    character_.hide();
}

void TDesktopLayout::Activate() {
    Show();
    character_.raise();
    balloon_.raise();
    balloon_.activateWindow();
}

void TDesktopLayout::SetStayOnTop(bool on_top) {
    StayOnTop(character_, on_top);
    StayOnTop(balloon_, on_top);
}

void TDesktopLayout::DockPatting() {
    const QRect pair = character_.geometry().united(balloon_.geometry());
    patting_.move(kiova::DockPatting(pair, balloon_.Side(), patting_.frameGeometry().size(),
                                     AvailableScreens()));
}

void TDesktopLayout::Follow() {
    const TScreens screens = AvailableScreens();
    const QRect character = character_.geometry();
    const int height = balloon_.WantedHeight(ScreenOf(character, screens));
    balloon_.Place(PlaceBalloon(character, QSize(kDesktopBalloonWidth, height), screens));
}

}  // namespace kiova
