// Test doubles for the front end's outside world: a view that records what the logic shows, a
// timer ticked by hand and a sound output that records what it was asked to play.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "CharacterSelection.h"
#include "SoundOutput.h"
#include "TimerSource.h"
#include "View.h"

namespace kiova::testing {

class TRecordingView final : public TView {
public:
    std::u16string BalloonText() const override { return balloon_text; }
    void SetBalloonText(std::u16string_view text) override {
        balloon_text = text;
        balloon_units_handed += text.size();
        ++balloon_updates;
    }
    void AppendBalloonText(std::u16string_view text) override {
        balloon_text += text;
        balloon_units_handed += text.size();
        ++balloon_updates;
    }
    void EraseBalloonText(std::u16string_view erased) override;
    void SetBalloonReadOnly(bool read_only) override { balloon_read_only = read_only; }
    void BalloonCleared() override { ++balloon_clears; }
    void SetBalloonFont(std::u16string_view name, int point_size) override;

    void ShowBalloonImage(const QImage& image) override { balloon_image = image; }
    void ShowPicture(const QImage& shown) override { picture = shown; }
    void SetLayout(const TLayout& new_layout) override { layout = new_layout; }
    QRgb BackgroundColor() const override { return background; }

    void SetCaption(std::u16string_view text) override { caption = text; }
    void SetTrayTip(std::u16string_view tip) override { tray_tip = tip; }
    bool IsWindowVisible() const override { return visible; }
    void ShowWindow() override { visible = true; }
    void HideWindow() override { visible = false; }
    void ShowAndActivate() override;
    void SetStayOnTop(bool on_top) override { stay_on_top = on_top; }
    QPoint WindowPosition() const override { return position; }
    void MoveWindow(QPoint top_left) override { position = top_left; }
    void CenterWindow() override;
    QSize ScreenSize() const override { return screen; }
    void SetDesktopMode(bool on) override { desktop_modes.push_back(on); }
    void PlaceDesktopCharacter(std::optional<QPoint> top_left) override {
        desktop_position = top_left.value_or(QPoint(-2, -2));
    }
    std::optional<QPoint> DesktopPosition() const override { return desktop_position; }
    std::uintptr_t WindowId() const override { return 0; }
    void QuitApplication() override { quit_requested = true; }

    void SetPattingCaptions(const std::vector<std::u16string>& captions) override;
    void ShowPattingWindow() override { patting_visible = true; }
    void HidePattingWindow() override { patting_visible = false; }
    void FitPattingWindow() override { ++patting_fits; }
    bool OpenAddress(std::u16string_view address) override {
        opened.emplace_back(address);
        return true;
    }

    void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
    void RunSelectionDialog(TCharacterSelection& selection) override;
    void RunSettingsDialog() override;
    void RunAboutDialog() override { ++about_dialogs; }

    void ShowSplash(std::u16string_view text) override;
    void SetSplashText(std::u16string_view text) override { splash_texts.emplace_back(text); }
    void HideSplash() override { splash_visible = false; }

    std::u16string balloon_text;
    size_t balloon_units_handed = 0;  // what the logic handed over to show, all told
    int balloon_updates = 0;          // the balloon's text set, added to or erased from
    bool balloon_read_only = false;
    int balloon_clears = 0;
    std::u16string font_name;
    int font_size = 0;
    QImage balloon_image;
    QImage picture;
    TLayout layout;
    QRgb background = qRgb(0x12, 0x34, 0x56);
    std::u16string caption;
    std::u16string tray_tip;
    bool visible = false;
    int activations = 0;
    bool stay_on_top = false;
    QPoint position{-1, -1};
    QSize screen{1280, 1024};
    std::vector<bool> desktop_modes;  // each switch, in order
    QPoint desktop_position;          // (-2, -2): placed without a stored place
    bool quit_requested = false;
    std::vector<std::u16string> patting_captions;
    bool patting_visible = false;
    int patting_fits = 0;
    std::vector<std::u16string> opened;  // documents and addresses, in order
    std::vector<std::u16string> messages;
    bool splash_visible = false;
    std::vector<std::u16string> splash_texts;
    int selection_dialogs = 0;
    int settings_dialogs = 0;
    int about_dialogs = 0;

    // What the user does in the dialogs; by default the selection is cancelled and the
    // settings dialog closes untouched.
    std::function<void(TCharacterSelection&)> on_selection;
    std::function<void()> on_settings;
};

class TManualTimer final : public TTimerSource {
public:
    void Start(int interval_ms, std::function<void()> on_tick) override;
    void SetInterval(int interval_ms) override { interval = interval_ms; }
    void Fire(int ticks = 1);

    int interval = 0;

private:
    std::function<void()> on_tick_;
};

class TRecordingSound final : public TSoundOutput {
public:
    int Play(std::string_view wav) override {
        played.emplace_back(wav);
        return lasts_ms;
    }
    std::vector<std::string> played;  // the sounds' bytes, in order
    int lasts_ms = 0;                 // how long every sound lasts
};

}  // namespace kiova::testing
