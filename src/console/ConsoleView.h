// TConsoleView: the main window drawn as text. The balloon's answers are printed through a
// TBalloonPrinter, messages and the dialogs are conversations on the terminal; pictures,
// geometry, the tray and the splash have no place on a terminal and are kept only as far as
// the logic reads them back (the window's position survives in the settings file). With
// `verbose`, a change of picture is reported as a line of its own, with its file's name.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "ConsoleTerminal.h"
#include "View.h"

namespace kiova {

class TFrontEnd;

class TConsoleView final : public TView {
public:
    TConsoleView(TConsoleTerminal& terminal, bool verbose)
        : terminal_(terminal), verbose_(verbose) {}

    // Connects the dialogs to the logic. Once, before the logic starts.
    void Attach(TFrontEnd& front_end) { front_end_ = &front_end; }
    bool QuitRequested() const { return quit_requested_; }
    const std::vector<std::u16string>& PattingCaptions() const { return patting_captions_; }

    // TView
    std::u16string BalloonText() const override { return balloon_text_; }
    void SetBalloonText(std::u16string_view text) override;
    void AppendBalloonText(std::u16string_view text) override;
    void EraseBalloonText(std::u16string_view erased) override;
    void SetBalloonReadOnly(bool read_only) override { read_only_ = read_only; }
    void BalloonCleared() override { terminal_.Printer().Clear(); }
    void SetBalloonFont(std::u16string_view, int) override {}
    void ShowBalloonImage(const QImage&) override {}
    void ShowPicture(const QImage& picture) override;
    void SetLayout(const TLayout&) override {}
    QRgb BackgroundColor() const override { return qRgb(255, 255, 255); }
    void SetCaption(std::u16string_view) override {}
    void SetTrayTip(std::u16string_view) override {}
    bool IsWindowVisible() const override { return visible_; }
    void ShowWindow() override { visible_ = true; }
    void HideWindow() override { visible_ = false; }
    void ShowAndActivate() override { visible_ = true; }
    void SetStayOnTop(bool) override {}
    QPoint WindowPosition() const override { return position_; }
    void MoveWindow(QPoint top_left) override { position_ = top_left; }
    // The window's place is unknown here: the one read from the settings is written back.
    void CenterWindow() override { position_ = QPoint(-1, -1); }
    QSize ScreenSize() const override;
    // A terminal has one layout; the desktop place in the settings file is left as it is.
    void SetDesktopMode(bool) override {}
    void PlaceDesktopCharacter(std::optional<QPoint>) override {}
    std::optional<QPoint> DesktopPosition() const override { return std::nullopt; }
    std::uintptr_t WindowId() const override { return 0; }
    void QuitApplication() override { quit_requested_ = true; }
    void SetPattingCaptions(const std::vector<std::u16string>& captions) override {
        patting_captions_ = captions;
    }
    // The patting window's list, numbered as /pat N takes it.
    void ShowPattingWindow() override;
    void HidePattingWindow() override {}
    void FitPattingWindow() override {}
    // A terminal cannot open anything: the address is printed for the user to follow.
    bool OpenAddress(std::u16string_view address) override;
    void ShowMessage(std::u16string_view text) override;
    void RunSelectionDialog(TCharacterSelection& selection) override;
    // The user page only: the switches are not edited on a terminal. The end of input leaves
    // the profile as it was and ends the program.
    void RunSettingsDialog() override;
    void RunAboutDialog() override;
    void ShowSplash(std::u16string_view) override {}
    void SetSplashText(std::u16string_view) override {}
    void HideSplash() override {}

private:
    TConsoleTerminal& terminal_;
    bool verbose_;
    TFrontEnd* front_end_ = nullptr;
    std::u16string balloon_text_;
    bool read_only_ = false;
    bool visible_ = false;
    QPoint position_{-1, -1};
    qint64 picture_key_ = 0;
    std::vector<std::u16string> patting_captions_;
    bool quit_requested_ = false;
};

}  // namespace kiova
