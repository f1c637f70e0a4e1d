// Loading a character package into the main window, in a fixed order: the new character is
// created first, so a package that is no character changes nothing; then the old one ends, the
// settings are written, and the caption, decoders, balloon images, picture, settings, plug-ins,
// greeting and patting lists follow. The splash shows throughout and the window is shown again
// on every way out. Pictures are loaded here too, for the load and for PIC: and SETDEFBITMAP:.
#include <exception>
#include <stdexcept>

#include "BuiltinBalloons.h"
#include "Character.h"
#include "CharacterFile.h"
#include "ChatLog.h"
#include "Clock.h"
#include "CodePage.h"
#include "ColorKey.h"
#include "Files.h"
#include "FrontEnd.h"
#include "InstalledFolders.h"
#include "KiovaError.h"
#include "Picture.h"
#include "PluginList.h"
#include "PluginLoading.h"
#include "SusiePlugInList.h"
#include "TagInterpreter.h"
#include "TextUtils.h"
#include "UiTexts.h"
#include "View.h"

namespace kiova {
namespace {
using enum TBalloonState;

constexpr size_t kTrayTipLimit = 62;  // bytes

// Hides the splash and shows the main window when the load ends, however it ends, unless no
// character is loaded (a failed start): an empty window would only stand in the way.
class TSplashGuard {
public:
    TSplashGuard(TView& view, const std::unique_ptr<TCharacter>& character)
        : view_(view), character_(character) {
        view_.ShowSplash(Translated(kLoadingText));
    }
    ~TSplashGuard() {
        view_.HideSplash();
        if (character_) view_.ShowWindow();
    }
    TSplashGuard(const TSplashGuard&) = delete;
    TSplashGuard& operator=(const TSplashGuard&) = delete;

private:
    TView& view_;
    const std::unique_ptr<TCharacter>& character_;
};
}  // namespace

bool TFrontEnd::LoadCharacter(std::string_view package_path) {
    if (!IsValidCharacterFile(package_path)) return false;
    // Two processes on one character would each save its state over the other's.
    std::optional<TCharacterLock> lock =
        TCharacterLock::Take(setup_.program_folder, package_path, character_lock_);
    if (!lock) {
        AskToComeForward(setup_.program_folder, package_path);
        LogProblem("\"" + std::string(package_path) + "\" runs in another process");
        return false;
    }
    view_.HideWindow();
    view_.HidePattingWindow();
    TSplashGuard splash(view_, character_);
    TCharacterServices services =
        MakeCharacterServices(hand_over_, setup_.open_document,
                              PluginListFactory(setup_.program_folder, view_.WindowId()));
    services.report_problem = [this](std::string_view message) { LogProblem(message); };
    std::unique_ptr<TCharacter> loaded;
    try {
        loaded = std::make_unique<TCharacter>(package_path, std::move(services));
    } catch (const EKiovaInvalidCharacter&) {
        return false;
    } catch (const EKiovaError& error) {
        ReportError(error.what());
        return false;
    }
    TakeCharacter(std::move(loaded));
    character_lock_ = std::move(*lock);
    const TCharacterFile& package = character_->Package();
    const std::string caption = package.ReadValue("name") + " - Kiova";
    view_.SetCaption(AnsiToUtf16(caption, package.CodePage()));
    SetTrayTip(caption);
    for (; character_susie_count_ > 0; --character_susie_count_)
        susie_->Delete(susie_->Count() - 1);
    if (std::optional<std::string> decoders = CharacterFolderInProgramFolder(
            setup_.program_folder, package.ReadValue("folder"), package.CodePage()))
        character_susie_count_ = susie_->AddFolder(NativePath(*decoders));
    else
        LogProblem(OutsideFolderMessage(package.ReadValue("folder"), package.CodePage()));
    LoadBalloonImages();
    LoadDefaultPicture();
    ReadSettings();
    WriteChatEntry(StartChattingEntry(CurrentClock()->Now(), CharacterName()));
    view_.SetSplashText(Translated(kLoadingPlugInsText));
    LoadCharacterPlugIns(package_path);
    std::u16string greeting = Think(u"KCCalled", kTableMaskEvents);
    if (!greeting.empty())
        player_.Play(std::move(greeting));
    else
        player_.ChangeState(bsListening);
    LoadPattingMenu(package_path);
    AdjustLayout();
    view_.FitPattingWindow();
    return true;
}

// The old character says goodbye to the log and saves its state before the settings are
// written and the new one takes its place.
void TFrontEnd::TakeCharacter(std::unique_ptr<TCharacter> character) {
    if (character_) {
        player_.ChangeState(bsAnswered);
        WriteChatEntry(EndChattingEntry(CurrentClock()->Now(), CharacterName()));
        character_.reset();
    }
    WriteSettings();
    character_ = std::move(character);
}

// A patting file that cannot be read is reported; the character stays, without patting actions.
void TFrontEnd::LoadPattingMenu(std::string_view package_path) {
    patting_ = {};
    try {
        patting_ = LoadPattingLists(package_path);
    } catch (const std::runtime_error& error) {
        ReportError(error.what());
    }
    view_.SetPattingCaptions(patting_.captions);
}

void TFrontEnd::LoadCharacterPlugIns(std::string_view package_path) {
    LoadPlugins(character_->Plugins(), kBasicPlugin, setup_.program_folder,
                settings_.plugins_enabled);
    std::string data =
        "charpath=" + EscapeUrlChars(package_path) + "&charname=" + EscapeUrlChars(CharacterName());
    std::string event = "KE_InitCharacter";
    extended_plugins_->FireEvent(event, data);
    event = "KE_InitCharacter";
    character_->Plugins().FireEvent(event, data);
}

void TFrontEnd::LoadBalloonImages() {
    const TCharacterFile& package = character_->Package();
    char_balloon_ = QImage();
    user_balloon_ = QImage();
    if (TextToBool(package.ReadValue("originalballoon"))) {
        LoadPicture(char_balloon_, EPaintArea::Balloon, "transparentballoon",
                    package.ReadValue("balloonchar"));
        LoadPicture(user_balloon_, EPaintArea::Balloon, "transparentballoon",
                    package.ReadValue("balloonuser"));
    } else {
        char_balloon_ = BuiltinBalloon(CharacterBalloonImage());
        user_balloon_ = BuiltinBalloon(UserBalloonImage());
    }
}

void TFrontEnd::LoadDefaultPicture() {
    const TCharacterFile& package = character_->Package();
    default_picture_ = QImage();
    LoadPicture(default_picture_, EPaintArea::Picture, "transparentbitmap",
                package.ReadValue("DefaultBitmap"));
    picture_ = default_picture_;
    view_.ShowPicture(picture_);
}

void TFrontEnd::LoadPicture(QImage& target, EPaintArea area, std::string_view transparency_key,
                            std::string_view name) {
    const std::optional<std::string> path = DataPath(name);
    if (!path) return;
    const std::string& file = *path;
    PictureStatus status;
    try {
        status = LoadPictureFile(NativePath(file), *susie_, target);
    } catch (const std::exception&) {
        status = PictureStatus::InvalidBitmap;
    }
    if (status == PictureStatus::NotExists) {
        LogError(file + " is not exists.");
        return;
    }
    if (status != PictureStatus::Loaded) {
        LogError(file + " is invalid bitmap.");
        return;
    }
    if (TextToBool(character_->Package().ReadValue(transparency_key)))
        MakeKeyTransparent(target, view_.BackgroundColor());
    target.setText(QString::fromUtf8(kPictureFileKey), QString::fromStdString(file));
    AdjustLayout();
    if (area == EPaintArea::Picture) view_.ShowPicture(picture_);
    if (area == EPaintArea::Balloon)
        view_.ShowBalloonImage(player_.State() == bsListening ? user_balloon_ : char_balloon_);
}

void TFrontEnd::AdjustLayout() {
    view_.SetLayout(LayoutForPicture(picture_.size()));
}

std::string TFrontEnd::CharacterName() const {
    return AnsiToUtf8(character_->Name(), character_->CodePage());
}

void TFrontEnd::SetTrayTip(std::string_view tip) {
    if (tip.size() <= kTrayTipLimit) view_.SetTrayTip(AnsiToUtf16(tip, character_->CodePage()));
}

}  // namespace kiova
