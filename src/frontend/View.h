// TView: everything the front-end logic needs of the screen. The Qt windows implement it, and
// so can a terminal view (which ignores pictures and geometry). The logic calls it from the
// GUI thread only; the modal calls return when their dialog has closed.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Layout.h"

namespace kiova {

class TCharacterSelection;

// The text entry of a loaded picture that holds the path of its file (UTF-8), for a view that
// names pictures rather than draws them.
inline constexpr std::string_view kPictureFileKey = "File";

class TView {
public:
    virtual ~TView() = default;

    // The balloon's edit control: the answer is played into it, the user types into it. Line
    // breaks come back as CR LF whatever the control holds, so that a logged balloon text
    // becomes one line with "{BR}".
    virtual std::u16string BalloonText() const = 0;
    // Replaces the whole text and puts the caret at its end.
    virtual void SetBalloonText(std::u16string_view text) = 0;
    // Adds `text` at the end and puts the caret after it. Costs the length of `text`, not of
    // the whole, so that an answer plays in time linear in its length.
    virtual void AppendBalloonText(std::u16string_view text) = 0;
    // Takes back `erased`, the end of the text (a CR LF in it is one line break).
    virtual void EraseBalloonText(std::u16string_view erased) = 0;
    virtual void SetBalloonReadOnly(bool read_only) = 0;
    // CLEAR: the lines shown so far are done with. The window keeps them until the next letter
    // replaces them; a terminal, which cannot take printed text back, starts a new paragraph.
    virtual void BalloonCleared() = 0;
    virtual void SetBalloonFont(std::u16string_view name, int point_size) = 0;

    // The balloon image behind the control and the picture beside it.
    virtual void ShowBalloonImage(const QImage& image) = 0;
    virtual void ShowPicture(const QImage& picture) = 0;
    virtual void SetLayout(const TLayout& layout) = 0;
    // The window colour that a picture's transparent key colour becomes.
    virtual QRgb BackgroundColor() const = 0;

    // The main window. The caption is also the application's title.
    virtual void SetCaption(std::u16string_view caption) = 0;
    virtual void SetTrayTip(std::u16string_view tip) = 0;
    virtual bool IsWindowVisible() const = 0;
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    // Makes the window visible and brings it to the front, even from the background.
    virtual void ShowAndActivate() = 0;
    // Keeps the window above others (and the patting window with it) or lets it go.
    virtual void SetStayOnTop(bool on_top) = 0;
    virtual QPoint WindowPosition() const = 0;
    virtual void MoveWindow(QPoint top_left) = 0;
    virtual void CenterWindow() = 0;
    virtual QSize ScreenSize() const = 0;
    // Desktop mode on: the character stands frameless on the desktop with its balloon in a
    // window of its own; off: the classic window. Either way the same balloon goes on, and the
    // window calls above act on the layout shown.
    virtual void SetDesktopMode(bool on) = 0;
    // The desktop character's top left; nothing, garbage or a place off every screen puts it
    // at the bottom right of the primary screen.
    virtual void PlaceDesktopCharacter(std::optional<QPoint> top_left) = 0;
    // Where it stands; nothing when this view has no such place.
    virtual std::optional<QPoint> DesktopPosition() const = 0;
    // The native window id handed to plug-ins; 0 when there is none.
    virtual std::uintptr_t WindowId() const = 0;
    // Ends the event loop; the window's own close handling has already run.
    virtual void QuitApplication() = 0;

    // The patting window beside the main window: to its right, as tall as it, following it
    // when it moves.
    virtual void SetPattingCaptions(const std::vector<std::u16string>& captions) = 0;
    // Shows it if hidden, places it beside the main window and brings it to the front.
    virtual void ShowPattingWindow() = 0;
    virtual void HidePattingWindow() = 0;
    // Places it beside the main window again and gives it the main window's height.
    virtual void FitPattingWindow() = 0;

    // Opens a document (ANSI path turned UTF-16) or a web address with the desktop's opener;
    // false when nothing could open it.
    virtual bool OpenAddress(std::u16string_view address) = 0;

    // Messages and modal dialogs.
    virtual void ShowMessage(std::u16string_view text) = 0;
    // The character selection dialog over `selection`; it calls Browse, Delete, Accept or
    // Cancel and shows the messages those ask for.
    virtual void RunSelectionDialog(TCharacterSelection& selection) = 0;
    // The settings dialog; it does not close without a valid user profile.
    virtual void RunSettingsDialog() = 0;
    // The about dialog with its program and character pages.
    virtual void RunAboutDialog() = 0;

    // The progress window shown while a character loads.
    virtual void ShowSplash(std::u16string_view text) = 0;
    virtual void SetSplashText(std::u16string_view text) = 0;
    virtual void HideSplash() = 0;
};

}  // namespace kiova
