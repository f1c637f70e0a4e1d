// TFrontEnd: the main window's logic without the window. It owns the loaded character, the
// character list, the extended plug-ins, the picture decoders, the pictures, the settings and
// the user's profile, and drives the balloon player. The windows (or a terminal) implement
// TView, forward their events here (timer ticks, Enter, menu actions, closing) and stay thin.
//
//   TFrontEnd front_end(setup, view, sound, timer);
//   if (!front_end.Start(command_line_package)) { front_end.Shutdown(); return 1; }
//   ... event loop: timer -> Tick(), Enter key -> Enter(), close box -> Close() ...
//   front_end.Shutdown();
//
// Texts: paths and package values are ANSI; balloon and log texts are UTF-16.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "BalloonPlayer.h"
#include "CharacterLock.h"
#include "ChatLog.h"
#include "ErrorLog.h"
#include "HandOverQueue.h"
#include "OpenDocument.h"
#include "PattingMenu.h"
#include "Settings.h"
#include "Translation.h"
#include "User.h"

namespace kiova {

class TCharacter;
class TCharacterList;
class TPluginList;
class TSoundOutput;
class TSusiePlugInList;
class TTimerSource;
class TView;

inline constexpr int kMinFontPoints = 6;
inline constexpr int kMaxFontPoints = 72;

struct TFrontEndSetup {
    std::string program_folder;  // ANSI, with a trailing delimiter
    std::string chat_log_path;   // ANSI
    // How the tag "SHELL:" opens a document or address.
    TOpenDocument open_document = OpenWithXdgOpen;
    // Called on a worker thread when it has handed a call over, so that an event loop that
    // sleeps while nothing is due wakes up and calls DrainHandOver.
    std::function<void()> wake_up = {};
};

class TFrontEnd final : private TBalloonHost {
public:
    // The timer is started at once with the default interval.
    TFrontEnd(TFrontEndSetup setup, TView& view, TSoundOutput& sound, TTimerSource& timer);
    ~TFrontEnd() override;
    TFrontEnd(const TFrontEnd&) = delete;
    TFrontEnd& operator=(const TFrontEnd&) = delete;

    // Start-up: decoders, character list, settings, extended plug-ins, then the character of
    // `package_path` (empty: the first known one), else one the user chooses. False when none
    // could be loaded (the error is logged and shown) or the program was closed meanwhile (from
    // a dialog of the start); the program should then end.
    bool Start(std::string_view package_path);
    // The window is closing: the character's farewell is shown (unless the program is being
    // ended from outside, by a signal or the session's end) and logged. Runs once; ticks and
    // keys are ignored afterwards. A start-up still running stops at its next step.
    void Close(bool show_farewell = true);
    bool Closed() const { return closed_; }
    // The end: the log's end line, the settings file, then everything is released (the
    // character saves its state, the character list writes itself back). Runs once.
    void Shutdown();

    // Events from the windows. A tick also runs what worker threads handed over (a delegated
    // program that has ended).
    void Tick();
    void DrainHandOver() { hand_over_.Drain(); }
    // Milliseconds until the timer must tick again: an interval while an answer plays, the due
    // time of a deferred input, or nothing when nothing is due, so an idle program sleeps.
    std::optional<int> NextTickDelay() const;
    void Enter();
    // The patting window's action `index`, sent as if typed after what the user has typed.
    void ChoosePattingAction(size_t index);
    // The character-change menu item and the CHANGECHARACTER command.
    void ChangeCharacter() override;
    // The same with the package already chosen (ANSI): the character's farewell plays, ending
    // with the switch; a package that is no character gets the "InvalidCharacter" answer.
    void SwitchCharacter(std::string_view package_path);
    void ToggleStayOnTop();
    // Desktop mode (the view's second layout) on or off, at once and for the next start; the
    // view is told only of a change.
    void ToggleDesktopMode() { SetDesktopMode(!settings_.desktop_mode); }
    void SetDesktopMode(bool on);
    void ToggleVisibility();
    void ShowPattingWindow();
    void ShowSettingsDialog();
    void ShowAboutDialog();
    // The help page through the desktop's opener, or the error (logged and shown) when the
    // program folder has none.
    void ShowHelp();
    void ShowWebSite();
    // The tray icon's menu answers only while an answer has been shown or the user types.
    bool TrayMenuAvailable() const;
    // The one handler for an error that reaches the event loop: shown, logged, and the program
    // goes on. `what` is UTF-8, as the program's exceptions say it. Never throws.
    void ReportError(std::string_view what) noexcept;
    // Runs an event that a view forwards (the timer's ticks go through it too); an error
    // escaping it goes to ReportError.
    void Handle(const std::function<void()>& event);
    // Runs a modal dialog with the balloon suspended, restoring its state afterwards.
    void RunSuspended(const std::function<void()>& dialog);

    // Loads a package; false (nothing changed) when it is no usable character. A package that
    // is no character is not reported; a character whose files cannot be read or written (its
    // state file, say) is, with the reason. A character that another process runs is not
    // loaded: that process is asked to bring its window forward, and the error log notes it.
    bool LoadCharacter(std::string_view package_path) override;

    // The settings file round trip. Reading opens the settings dialog, again and again, while
    // the stored profile is missing or invalid.
    void ReadSettings();
    void WriteSettings();
    bool ParseUserProfile(std::string_view text);
    std::string FormatUserProfile() const;
    void SetUserProfile(const TUser& user);
    void SetAllowExecute(bool allow);
    void SetPluginsEnabled(bool enabled);
    void SetPlaySound(bool play) { settings_.play_sound = play; }
    void SetKeepLog(bool keep) { settings_.keep_log = keep; }
    void SetInterval(int interval_ms);
    // The size is kept within kMinFontPoints to kMaxFontPoints, whatever the settings file or
    // FONTBIG asks: a huge font turns the balloon into empty boxes.
    void SetBalloonFont(std::string_view name, int point_size);

    void WriteChatLog(std::u16string_view text) override;
    void WriteErrorLog(std::u16string_view message, bool show_box);
    // Shows the interface text `message` with `detail` in a box and logs it in the source text,
    // so the error log reads the same in every language.
    void WriteErrorLog(TUiText message, std::u16string_view detail);

    // The current switches, font and interval (position and profile are read at each write).
    const TSettings& Settings() const { return settings_; }
    const TUser& User() const { return user_; }
    const std::string& ProgramFolder() const { return setup_.program_folder; }
    const std::string& SettingsPath() const { return settings_path_; }
    TCharacter* Character() { return character_.get(); }
    TCharacterList* CharacterList() { return character_list_.get(); }
    TPluginList& ExtendedPlugins() { return *extended_plugins_; }
    const TSusiePlugInList& SusiePlugIns() const { return *susie_; }
    const TBalloonPlayer& Player() const { return player_; }
    const QImage& Picture() const { return picture_; }
    const QImage& DefaultPicture() const { return default_picture_; }
    const TPattingLists& PattingLists() const { return patting_; }

private:
    enum class EPaintArea { None, Picture, Balloon };

    // TBalloonHost
    std::u16string Think(std::u16string_view input, uint8_t table_mask) override;
    std::u16string EvaluateTags(std::u16string_view text) override;
    std::u16string FireEvent(std::string_view event, std::u16string_view data) override;
    void Repaint(TBalloonState state) override;
    void ResetPicture() override { picture_ = default_picture_; }
    void ShowAndActivate() override;
    void RunWindowCommand(const TOutputCommand& command) override;
    int PlaySound(std::u16string_view name) override;
    void Quit() override;

    std::optional<std::string> ChooseCharacter();
    void AskForProfile();
    void TakeCharacter(std::unique_ptr<TCharacter> character);
    void LoadCharacterPlugIns(std::string_view package_path);
    void LoadPattingMenu(std::string_view package_path);
    void LoadBalloonImages();
    void LoadDefaultPicture();
    // Loads the picture `name` (ANSI) names in the data folder; problems go to the error log.
    void LoadPicture(QImage& target, EPaintArea area, std::string_view transparency_key,
                     std::string_view name);
    void AdjustLayout();
    void PlaceWindow(const TSettings& settings);
    // The desktop character's place, then the mode.
    void PlaceDesktopCharacter(const TSettings& settings);
    // `tip` is in the character's code page.
    void SetTrayTip(std::string_view tip);
    // The loaded character's name as UTF-8, for the logs and plug-ins.
    std::string CharacterName() const;
    QImage BuiltinBalloon(QImage image) const;
    // `name` (ANSI) inside the data folder; nothing, and an error-log entry, when it leaves it.
    std::optional<std::string> DataPath(std::string_view name);
    void WriteChatEntry(std::string_view entry);
    void LogError(std::string_view message);
    void ShowErrorBox(std::u16string_view message);
    // LogError for what the program goes on after; a log that cannot be written is reported.
    void LogProblem(std::string_view message) noexcept;

    TFrontEndSetup setup_;
    TView& view_;
    TSoundOutput& sound_;
    TTimerSource& timer_;
    std::string settings_path_;
    TChatLog chat_log_;
    TErrorLog error_log_;
    THandOverQueue hand_over_;  // before the character, whose workers post to it

    // Released in the reverse order: extended plug-ins, decoders, character, character list,
    // and the loaded character's lock once its state has been saved.
    TCharacterLock character_lock_;
    std::unique_ptr<TCharacterList> character_list_;
    std::unique_ptr<TCharacter> character_;
    std::unique_ptr<TSusiePlugInList> susie_;
    int character_susie_count_ = 0;  // the decoders at the end of the list that are the character's
    std::unique_ptr<TPluginList> extended_plugins_;

    TBalloonPlayer player_;
    TSettings settings_;
    TSettings settings_as_read_;  // the file's keys as last read or written
    TUser user_;
    QImage char_balloon_;
    QImage user_balloon_;
    QImage picture_;
    QImage default_picture_;
    TPattingLists patting_;
    bool closed_ = false;
    bool shut_down_ = false;
};

}  // namespace kiova
