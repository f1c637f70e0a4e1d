// The main window's life without the window: start-up, the settings round trip, the reply
// cycle around the character (Think), the window commands of the player, closing and shutdown.
// Loading a character lives in CharacterLoading.cpp.
#include "FrontEnd.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>

#include "BuiltinBalloons.h"
#include "Character.h"
#include "CharacterList.h"
#include "CharacterSelection.h"
#include "Clock.h"
#include "CodePage.h"
#include "ColorKey.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "PluginList.h"
#include "PluginLoading.h"
#include "ProfileFields.h"
#include "RegularFile.h"
#include "SoundOutput.h"
#include "SusiePlugInList.h"
#include "TextUtils.h"
#include "TimerSource.h"
#include "UiTexts.h"
#include "UserProfile.h"
#include "View.h"

namespace kiova {
namespace {
using enum TBalloonState;

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr std::uint64_t kSoundFileLimit = 64 << 20;
// What the error log says of an error that carries no message of its own.
constexpr std::string_view kUnknownError = "Unknown error";

// A tick that comes a fraction early finds nothing due and asks again.
int MillisecondsUntil(TDateTime due) {
    double milliseconds = (due - CurrentClock()->Now()) * kMillisecondsPerDay;
    return static_cast<int>(
        std::clamp(std::round(milliseconds), 0.0, static_cast<double>(INT_MAX)));
}

// round(value * numerator / denominator), halves to even, kept within the int range.
int Scaled(int value, int numerator, int denominator) {
    double scaled = std::nearbyint(static_cast<double>(value) * numerator / denominator);
    return static_cast<int>(
        std::clamp(scaled, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
}  // namespace

TFrontEnd::TFrontEnd(TFrontEndSetup setup, TView& view, TSoundOutput& sound, TTimerSource& timer)
    : setup_(std::move(setup)),
      view_(view),
      sound_(sound),
      timer_(timer),
      settings_path_(setup_.program_folder + std::string(kSettingsFileName)),
      chat_log_(setup_.chat_log_path),
      error_log_(setup_.program_folder + std::string(kErrorLogName)),
      hand_over_(setup_.wake_up),
      susie_(std::make_unique<TSusiePlugInList>()),
      extended_plugins_(std::make_unique<TPluginList>(setup_.program_folder, view.WindowId())),
      player_(*this, view) {
    timer_.Start(settings_.interval, [this] { Handle([this] { Tick(); }); });
}

TFrontEnd::~TFrontEnd() = default;

bool TFrontEnd::Start(std::string_view package_path) {
    for (const std::string& folder : DecoderFolders(setup_.program_folder))
        susie_->AddFolder(NativePath(folder));
    character_list_ = std::make_unique<TCharacterList>(settings_path_);
    std::string path(package_path);
    if (path.empty() && !character_list_->Paths().empty()) path = character_list_->Paths().front();
    char_balloon_ = BuiltinBalloon(CharacterBalloonImage());
    user_balloon_ = BuiltinBalloon(UserBalloonImage());
    ReadSettings();
    if (closed_) return false;
    LoadPlugins(*extended_plugins_, kExtendedPlugin, setup_.program_folder,
                settings_.plugins_enabled);
    if (LoadCharacter(path)) return true;
    view_.HideWindow();
    std::optional<std::string> chosen = ChooseCharacter();
    if (closed_) return false;
    if (chosen && LoadCharacter(*chosen)) return true;
    WriteErrorLog(kStartFailed, {});
    return false;
}

void TFrontEnd::Close(bool show_farewell) {
    if (closed_) return;
    closed_ = true;
    if (!character_) return;
    std::u16string farewell = character_->EvaluateTags(Think(u"CloseWindow", kTableMaskEvents));
    farewell = StripBraces(FireEvent("KE_BeginRespond", farewell));
    if (farewell.empty()) return;
    if (show_farewell) view_.ShowMessage(farewell);
    WriteChatLog(farewell);
}

void TFrontEnd::Shutdown() {
    if (shut_down_) return;
    shut_down_ = true;
    closed_ = true;
    view_.HidePattingWindow();
    if (character_) WriteChatEntry(EndChattingEntry(CurrentClock()->Now(), CharacterName()));
    WriteSettings();
    extended_plugins_.reset();
    susie_.reset();
    character_.reset();
    character_list_.reset();
    character_lock_ = TCharacterLock();
}

void TFrontEnd::Tick() {
    hand_over_.Drain();
    if (!closed_) player_.Tick();
}

std::optional<int> TFrontEnd::NextTickDelay() const {
    if (closed_) return std::nullopt;
    if (player_.WaitingForSound()) return MillisecondsUntil(player_.SoundDue());
    if (player_.State() == bsResponding && !player_.WaitingForReturn()) return settings_.interval;
    if (!player_.TimerArmed()) return std::nullopt;
    return MillisecondsUntil(player_.TimerDue());
}

void TFrontEnd::Enter() {
    if (!closed_) player_.Enter();
}

void TFrontEnd::ChoosePattingAction(size_t index) {
    if (player_.State() != bsListening || index >= patting_.messages.size()) return;
    std::u16string typed = view_.BalloonText();
    if (!typed.empty()) typed += u"\r\n";  // the line break goes again with the others at Enter
    view_.SetBalloonText(typed + patting_.messages[index]);
    Enter();
    view_.ShowAndActivate();
}

void TFrontEnd::ChangeCharacter() {
    std::optional<std::string> chosen = ChooseCharacter();
    if (chosen) SwitchCharacter(*chosen);
}

void TFrontEnd::SwitchCharacter(std::string_view package_path) {
    // The farewell ends with the switch command: Think appends it to an answer to this line.
    player_.Play(Think(u"ReadCharacter:" + Utf8ToUtf16(package_path), kTableMaskEvents));
}

std::optional<std::string> TFrontEnd::ChooseCharacter() {
    if (!character_list_) return std::nullopt;
    TCharacterSelection selection(*character_list_, setup_.program_folder);
    RunSuspended([&] { view_.RunSelectionDialog(selection); });
    if (selection.Cancelled() || selection.ChosenPath().empty()) return std::nullopt;
    return selection.ChosenPath();
}

void TFrontEnd::ToggleStayOnTop() {
    settings_.stay_on_top = !settings_.stay_on_top;
    if (settings_.stay_on_top && !view_.IsWindowVisible()) view_.ShowWindow();
    view_.SetStayOnTop(settings_.stay_on_top);
}

void TFrontEnd::SetDesktopMode(bool on) {
    if (on == settings_.desktop_mode) return;
    settings_.desktop_mode = on;
    view_.SetDesktopMode(on);
}

void TFrontEnd::ToggleVisibility() {
    if (view_.IsWindowVisible()) {
        view_.HideWindow();
        view_.HidePattingWindow();
    } else {
        view_.ShowWindow();
    }
}

void TFrontEnd::ShowSettingsDialog() {
    RunSuspended([this] { view_.RunSettingsDialog(); });
}

void TFrontEnd::ShowPattingWindow() {
    view_.ShowPattingWindow();
}

void TFrontEnd::ShowAboutDialog() {
    RunSuspended([this] { view_.RunAboutDialog(); });
}

void TFrontEnd::ShowHelp() {
    std::filesystem::path page = NativePath(HelpPagePath(setup_.program_folder, UiLanguage()));
    std::u16string shown = Utf8ToUtf16(PathText(page));
    std::error_code error;
    if (std::filesystem::is_regular_file(page, error))
        view_.OpenAddress(shown);
    else
        WriteErrorLog(kHelpMissing, u"\r\n" + shown);
}

void TFrontEnd::ShowWebSite() {
    view_.OpenAddress(kHomePage);
}

bool TFrontEnd::TrayMenuAvailable() const {
    return player_.State() == bsAnswered || player_.State() == bsListening;
}

void TFrontEnd::ReportError(std::string_view what) noexcept {
    try {
        WriteErrorLog(Utf8ToUtf16(what), true);
    } catch (const std::exception&) {
        // The error log itself failed: the box is all that is left.
        try {
            view_.ShowMessage(Utf8ToUtf16(what));
        } catch (...) {
        }
    }
}

void TFrontEnd::Handle(const std::function<void()>& event) {
    try {
        event();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError(kUnknownError);
    }
}

void TFrontEnd::RunSuspended(const std::function<void()>& dialog) {
    TBalloonState saved = player_.State();
    player_.ChangeState(bsSuspended);
    try {
        dialog();
    } catch (...) {
        player_.ChangeState(saved);
        throw;
    }
    player_.ChangeState(saved);
}

void TFrontEnd::ReadSettings() {
    TSettings read = kiova::ReadSettings(settings_path_);
    settings_as_read_ = read;
    PlaceWindow(read);
    PlaceDesktopCharacter(read);
    if (read.stay_on_top && !settings_.stay_on_top) ToggleStayOnTop();
    settings_.play_sound = read.play_sound;
    settings_.keep_log = read.keep_log;
    SetBalloonFont(read.font_name, read.font_size);
    SetInterval(read.interval);
    SetPluginsEnabled(read.plugins_enabled);
    SetAllowExecute(read.allow_execute);
    if (!ParseUserProfile(read.user_profile)) AskForProfile();
}

// The dialog should not close without a valid profile; should a view let it close anyway, it is
// asked again, unless the program is ending meanwhile.
void TFrontEnd::AskForProfile() {
    do {
        ShowSettingsDialog();
    } while (!closed_ && ProfileProblem(ProfileFieldsOf(user_)));
}

void TFrontEnd::PlaceWindow(const TSettings& settings) {
    view_.SetLayout(LayoutForPicture(QSize()));
    QSize screen = view_.ScreenSize();
    if (settings.top < 0 || settings.top > screen.height() || settings.left < 0 ||
        settings.left > screen.width())
        view_.CenterWindow();
    else
        view_.MoveWindow(QPoint(settings.left, settings.top));
}

void TFrontEnd::PlaceDesktopCharacter(const TSettings& settings) {
    std::optional<QPoint> place;
    if (settings.desktop_left && settings.desktop_top)
        place = QPoint(*settings.desktop_left, *settings.desktop_top);
    view_.PlaceDesktopCharacter(place);
    SetDesktopMode(settings.desktop_mode);
}

void TFrontEnd::WriteSettings() {
    TSettings written = settings_;
    QPoint position = view_.WindowPosition();
    written.top = position.y();
    written.left = position.x();
    if (std::optional<QPoint> desktop = view_.DesktopPosition()) {
        written.desktop_left = desktop->x();
        written.desktop_top = desktop->y();
    }
    written.user_profile = FormatUserProfile();
    kiova::WriteSettings(settings_path_, written, settings_as_read_);
    settings_as_read_ = written;
}

bool TFrontEnd::ParseUserProfile(std::string_view text) {
    std::optional<TUser> user = kiova::ParseUserProfile(text);
    if (user) SetUserProfile(*user);
    return user.has_value();
}

std::string TFrontEnd::FormatUserProfile() const {
    return kiova::FormatUserProfile(user_);
}

void TFrontEnd::SetUserProfile(const TUser& user) {
    user_ = user;
    if (character_) character_->SetUserProfile(user);
}

void TFrontEnd::SetAllowExecute(bool allow) {
    settings_.allow_execute = allow;
    if (character_) character_->SetAllowExecute(allow);
}

void TFrontEnd::SetPluginsEnabled(bool enabled) {
    settings_.plugins_enabled = enabled;
    if (character_) character_->SetPluginsEnabled(enabled);
}

void TFrontEnd::SetInterval(int interval_ms) {
    settings_.interval = std::max(interval_ms, 1);
    timer_.SetInterval(settings_.interval);
}

void TFrontEnd::SetBalloonFont(std::string_view name, int point_size) {
    settings_.font_name = name;
    settings_.font_size = std::clamp(point_size, kMinFontPoints, kMaxFontPoints);
    view_.SetBalloonFont(Utf8ToUtf16(name), settings_.font_size);
}

void TFrontEnd::WriteChatLog(std::u16string_view text) {
    WriteChatEntry(Utf16ToUtf8(text));
}

void TFrontEnd::WriteChatEntry(std::string_view entry) {
    if (settings_.keep_log) chat_log_.Write(entry);
}

void TFrontEnd::WriteErrorLog(std::u16string_view message, bool show_box) {
    if (show_box) ShowErrorBox(message);
    LogError(Utf16ToUtf8(message));
}

void TFrontEnd::WriteErrorLog(TUiText message, std::u16string_view detail) {
    ShowErrorBox(Translated(message) + std::u16string(detail));
    LogError(Utf16ToUtf8(SourceText(message) + std::u16string(detail)));
}

void TFrontEnd::ShowErrorBox(std::u16string_view message) {
    view_.ShowMessage(std::u16string(message) + u"\r\n\r\n" + Translated(kErrorLogNote));
}

void TFrontEnd::LogError(std::string_view message) {
    error_log_.Write(message);
}

void TFrontEnd::LogProblem(std::string_view message) noexcept {
    try {
        LogError(message);
    } catch (const std::exception& error) {
        ReportError(error.what());
    }
}

std::u16string TFrontEnd::Think(std::u16string_view input, uint8_t table_mask) {
    if (!character_) return {};
    std::u16string line = FireEvent("KE_BeginThink", input);
    std::u16string result = character_->EvaluateTags(character_->Respond(line, table_mask));
    // A line asking for another character gets the switch command, which the player runs when
    // the answer has been played.
    // The line itself, not the normalised message, carries the path: the character's code page
    // need not hold it.
    if (!character_->OperateMessage().empty() &&
        NormalizeText(std::u16string_view(line).substr(0, 14)) == u"READCHARACTER:")
        result += u"{" + line + u"}";
    return FireEvent("KE_EndThink", result);
}

std::u16string TFrontEnd::EvaluateTags(std::u16string_view text) {
    return character_ ? character_->EvaluateTags(text) : std::u16string(text);
}

// Plug-ins speak UTF-8; without any, the text is not converted at all.
std::u16string TFrontEnd::FireEvent(std::string_view event, std::u16string_view data) {
    if (extended_plugins_->Count() == 0) return std::u16string(data);
    std::string name(event);
    std::string text = Utf16ToUtf8(data);
    extended_plugins_->FireEvent(name, text);
    return Utf8ToUtf16(text);
}

void TFrontEnd::Repaint(TBalloonState state) {
    view_.ShowBalloonImage(state == bsListening ? user_balloon_ : char_balloon_);
    view_.ShowPicture(picture_);
}

void TFrontEnd::ShowAndActivate() {
    view_.ShowAndActivate();
}

void TFrontEnd::Quit() {
    Close();
    view_.QuitApplication();
}

void TFrontEnd::RunWindowCommand(const TOutputCommand& command) {
    if (!character_) return;
    switch (command.kind) {
        case EOutputCommand::Picture:
            LoadPicture(picture_, EPaintArea::Picture, "transparentbitmap",
                        Utf16ToAnsi(command.text, character_->CodePage()));
            break;
        case EOutputCommand::SetDefaultBitmap:
            LoadPicture(default_picture_, EPaintArea::None, "transparentbitmap",
                        Utf16ToAnsi(command.text, character_->CodePage()));
            picture_ = default_picture_;  // shown at the next repaint
            break;
        case EOutputCommand::SpeedFast:
            SetInterval(Scaled(settings_.interval, 6, 5));
            break;
        case EOutputCommand::SpeedSlow:
            SetInterval(Scaled(settings_.interval, 5, 6));
            break;
        case EOutputCommand::FontBig:
            SetBalloonFont(settings_.font_name, Scaled(settings_.font_size, 6, 5));
            break;
        case EOutputCommand::FontSmall:
            SetBalloonFont(settings_.font_name, Scaled(settings_.font_size, 5, 6));
            break;
        case EOutputCommand::ShowWindow:
            ShowAndActivate();
            break;
        case EOutputCommand::Iconize:
            ToggleVisibility();
            break;
        default:
            break;
    }
}

// A FIFO or a huge file is refused before anything is read or allocated for it; a missing or
// unreadable one is silent.
int TFrontEnd::PlaySound(std::u16string_view name) {
    if (!character_ || !settings_.play_sound) return 0;
    const std::optional<std::string> file = DataPath(Utf16ToAnsi(name, character_->CodePage()));
    if (!file) return 0;
    TFileRead read = ReadRegularFile(NativePath(*file), kSoundFileLimit);
    if (read.status == EFileRead::NotRegular || read.status == EFileRead::TooLarge)
        LogProblem(*file + " " + FileReadProblem(read.status) + ".");
    if (read.status != EFileRead::Read) return 0;
    return sound_.Play(read.bytes);
}

std::optional<std::string> TFrontEnd::DataPath(std::string_view name) {
    std::optional<std::string> path = character_->Package().ResolvePath(name);
    if (!path) LogProblem(OutsideFolderMessage(name, character_->CodePage()));
    return path;
}

QImage TFrontEnd::BuiltinBalloon(QImage image) const {
    MakeTransparent(image, view_.BackgroundColor());
    return image;
}

}  // namespace kiova
