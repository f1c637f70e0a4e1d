// TFormMain: the main window. The character's picture on the left, the balloon image on the
// right with the edit control lying on it, the context menu, the tray icon, the splash and the
// patting window. In desktop mode it hides and the windows of TDesktopLayout show the same
// picture and carry the same edit control. It draws what the logic (TFrontEnd) tells it through
// TView, and forwards the user's events to the logic; it decides nothing itself.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "BalloonEdit.h"
#include "DesktopLayout.h"
#include "FormNadenade.h"
#include "FormSplash.h"
#include "ImageArea.h"
#include "MainMenu.h"
#include "TrayIcon.h"
#include "View.h"

namespace kiova {

class TFrontEnd;
class TQtTimerSource;

class TFormMain final : public QWidget, public TView {
    Q_OBJECT
public:
    // The native window exists from here on, so plug-ins get its id.
    TFormMain();
    ~TFormMain() override;

    // Connects the window's events to the logic. Once, before the logic starts.
    void Attach(TFrontEnd& front_end, TQtTimerSource& timer);
    // Runs an event on the logic: an error that escapes goes to the logic's one handler, and
    // the timer is set for what is due afterwards.
    void Forward(const std::function<void()>& event);
    // The program is ended from outside (a termination signal, the session's end): open
    // dialogs close as Cancel, the logic closes without the farewell's box, the event loop ends.
    void EndFromOutside();

    TBalloonEdit& Balloon() { return balloon_edit_; }
    TImageArea& PictureArea() { return picture_area_; }
    TImageArea& BalloonArea() { return balloon_area_; }
    TMainMenu& MainMenu() { return menu_; }
    TFormNadenade& PattingWindow() { return patting_; }
    TFormSplash& Splash() { return splash_; }
    TTrayIcon& Tray() { return tray_; }
    // The desktop mode's windows; null until the mode is first turned on.
    TDesktopLayout* Desktop() { return desktop_.get(); }

    // TView
    std::u16string BalloonText() const override { return balloon_edit_.Text(); }
    void SetBalloonText(std::u16string_view text) override { balloon_edit_.SetText(text); }
    void AppendBalloonText(std::u16string_view text) override { balloon_edit_.Append(text); }
    void EraseBalloonText(std::u16string_view erased) override { balloon_edit_.EraseEnd(erased); }
    void SetBalloonReadOnly(bool read_only) override;
    void BalloonCleared() override {}
    void SetBalloonFont(std::u16string_view name, int point_size) override;
    void ShowBalloonImage(const QImage& image) override { balloon_area_.SetImage(image); }
    void ShowPicture(const QImage& picture) override;
    void SetLayout(const TLayout& layout) override;
    QRgb BackgroundColor() const override;
    void SetCaption(std::u16string_view caption) override;
    void SetTrayTip(std::u16string_view tip) override;
    bool IsWindowVisible() const override;
    void ShowWindow() override;
    void HideWindow() override;
    void ShowAndActivate() override;
    void SetStayOnTop(bool on_top) override;
    QPoint WindowPosition() const override { return pos(); }
    void MoveWindow(QPoint top_left) override;
    void CenterWindow() override;
    QSize ScreenSize() const override;
    void SetDesktopMode(bool on) override;
    void PlaceDesktopCharacter(std::optional<QPoint> top_left) override;
    std::optional<QPoint> DesktopPosition() const override;
    std::uintptr_t WindowId() const override { return window_id_; }
    void QuitApplication() override;
    void SetPattingCaptions(const std::vector<std::u16string>& captions) override;
    void ShowPattingWindow() override;
    void HidePattingWindow() override { patting_.hide(); }
    void FitPattingWindow() override;
    bool OpenAddress(std::u16string_view address) override;
    void ShowMessage(std::u16string_view text) override;
    void RunSelectionDialog(TCharacterSelection& selection) override;
    void RunSettingsDialog() override;
    void RunAboutDialog() override;
    void ShowSplash(std::u16string_view text) override;
    void SetSplashText(std::u16string_view text) override;
    void HideSplash() override { splash_.hide(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ConnectMenu();
    void OpenMenu(QPoint global_position);
    void OpenTrayMenu(QPoint global_position);
    // The desktop mode's windows, made on first use with the compositor of that moment.
    TDesktopLayout& MakeDesktop();
    void PlaceBalloonControl();
    // The window a dialog belongs to: the one shown, if any.
    QWidget* DialogParent();

    TImageArea picture_area_;
    TImageArea balloon_area_;
    TBalloonEdit balloon_edit_;
    TMainMenu menu_;
    TTrayIcon tray_;
    TFormSplash splash_;
    TFormNadenade patting_;
    std::unique_ptr<TDesktopLayout> desktop_;
    std::optional<QPoint> desktop_place_;  // where the desktop character is to stand
    bool desktop_mode_ = false;
    bool stay_on_top_ = false;
    TLayout layout_;
    std::uintptr_t window_id_ = 0;
    TFrontEnd* front_end_ = nullptr;
    TQtTimerSource* timer_ = nullptr;
};

}  // namespace kiova
