// TDesktopLayout: the windows of desktop mode and how they keep together. The character window
// stands where it is dragged; the balloon (carrying the main window's edit control while the
// mode is on) and the patting window follow it, placed by the rules of DesktopPlacement.h.
#pragma once

#include <QObject>
#include <optional>

#include "DesktopBalloon.h"
#include "DesktopCharacter.h"

namespace kiova {

class TBalloonEdit;
class TFormNadenade;

class TDesktopLayout final : public QObject {
    Q_OBJECT
public:
    // `translucent` when a compositor runs. The windows stay hidden until Show.
    TDesktopLayout(TBalloonEdit& edit, TFormNadenade& patting, bool translucent);

    TDesktopCharacter& Character() { return character_; }
    TDesktopBalloon& Balloon() { return balloon_; }

    // The balloon takes the edit control; the owner takes it back when the mode ends.
    void AdoptEdit() { balloon_.Adopt(edit_); }
    void SetPicture(const QImage& picture);
    // `top_left` as stored (nothing: none), brought onto a screen when it is off every one. A
    // picture of another size that comes before the character is dragged is placed anew.
    void Place(std::optional<QPoint> top_left);
    QPoint Position() const { return character_.pos(); }

    bool IsVisible() const { return character_.isVisible(); }
    void Show();
    void Hide();
    // Shown, in front, the balloon taking the keys.
    void Activate();
    void SetStayOnTop(bool on_top);
    // The patting window beside the pair.
    void DockPatting();

private:
    void MoveCharacter(std::optional<QPoint> top_left);
    // The balloon beside the character, as tall as its text needs.
    void Follow();

    TBalloonEdit& edit_;
    TFormNadenade& patting_;
    TDesktopCharacter character_;
    TDesktopBalloon balloon_;
    std::optional<QPoint> wanted_;  // the place asked for
    QPoint placed_;                 // where that put the character
};

}  // namespace kiova
