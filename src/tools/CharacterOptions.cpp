#include "CharacterOptions.h"

#include <filesystem>
#include <iostream>

#include "CodePage.h"
#include "CommonOptions.h"
#include "PluginList.h"
#include "PluginLoading.h"
#include "ProgramFolder.h"
#include "TagInterpreter.h"
#include "ToolTexts.h"
#include "UserProfile.h"
#include "bmCharCode.h"

namespace kiova::tool {
namespace {

TUser ParseProfileOption(std::string_view profile_utf8) {
    std::string text(profile_utf8);
    for (size_t at = text.find("{BR}"); at != std::string::npos; at = text.find("{BR}", at))
        text.replace(at, 4, "\r\n");
    std::optional<TUser> user = ParseUserProfile(text);
    if (!user) throw UsageError(TranslatedUtf8(kToolBadProfile));
    return *user;
}

}  // namespace

bool CharacterOptions::Take(const Arguments& args, size_t& index) {
    const std::string& option = args[index];
    if (option == "--now") {
        now = OptionValue(args, index);
    } else if (option == "--user") {
        profile = OptionValue(args, index);
    } else if (option == "--allow-execute") {
        allow_execute = true;
    } else if (option == "--plugins") {
        plugins = true;
    } else {
        return false;
    }
    return true;
}

ToolCharacter::ToolCharacter(std::string_view package_utf8, const CharacterOptions& options) {
    const TUser user = ParseProfileOption(options.profile);
    if (options.now) FixClockAt(*options.now);
    bmccSetDefaultCharCode(bmccCodePage2CharCode(CodePage()));

    const std::string program_folder = OpenProgramFolder().path;
    const std::string package_path = std::filesystem::absolute(package_utf8).string();
    TCharacterServices services =
        MakeCharacterServices(hand_over_, OpenWithXdgOpen, PluginListFactory(program_folder, 0));
    services.report_problem = [](std::string_view message) {
        std::cerr << "kiova-tool: " << message << '\n';
    };
    character_ = std::make_unique<TCharacter>(package_path, std::move(services));
    character_->SetUserProfile(user);
    character_->SetAllowExecute(options.allow_execute);
    character_->SetPluginsEnabled(options.plugins);
    LoadPlugins(character_->Plugins(), kBasicPlugin, program_folder, options.plugins);
}

ToolCharacter::~ToolCharacter() = default;

}  // namespace kiova::tool
