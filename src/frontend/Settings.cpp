#include "Settings.h"

#include "CodePage.h"
#include "IniFile.h"
#include "LogFormat.h"
#include "Numbers.h"

namespace kiova {
namespace {
int ReadInteger(const TIniFile& file, std::string_view section, std::string_view key,
                int default_value) {
    std::optional<std::string> text = file.Read(section, key);
    if (!text) return default_value;
    return TextToInt(*text).value_or(default_value);
}

bool ReadBool(const TIniFile& file, std::string_view section, std::string_view key,
              bool default_value) {
    return ReadInteger(file, section, key, default_value ? 1 : 0) != 0;
}

void WriteInteger(TIniFile& file, std::string_view section, std::string_view key, int value) {
    file.WriteString(section, key, std::to_string(value));
}

void WriteBool(TIniFile& file, std::string_view section, std::string_view key, bool value) {
    file.WriteString(section, key, value ? "1" : "0");
}
}  // namespace

TSettings::TSettings() : font_name(Utf8ToAnsi("ＭＳ ゴシック")) {}

TSettings ReadSettings(std::string_view path) {
    TIniFile file{std::string(path)};
    TSettings defaults;
    TSettings settings;
    settings.top = ReadInteger(file, "Window", "Top", defaults.top);
    settings.left = ReadInteger(file, "Window", "Left", defaults.left);
    settings.stay_on_top = ReadBool(file, "Window", "StayOnTop", defaults.stay_on_top);
    settings.play_sound = ReadBool(file, "Main", "PlaySound", defaults.play_sound);
    settings.keep_log = ReadBool(file, "Log", "Keep", defaults.keep_log);
    settings.font_name = file.ReadString("Balloon", "FontName", defaults.font_name);
    settings.font_size = ReadInteger(file, "Balloon", "FontSize", defaults.font_size);
    settings.interval = ReadInteger(file, "Balloon", "Speed", defaults.interval);
    // 0 is the documented "default speed"; a negative interval would stop the timer for good.
    if (settings.interval < 1) settings.interval = kDefaultInterval;
    settings.plugins_enabled = ReadBool(file, "Main", "Plugin", defaults.plugins_enabled);
    settings.allow_execute = ReadBool(file, "Main", "AllowExecute", defaults.allow_execute);
    settings.user_profile = BrToCrLf(file.ReadString("User", "User", ""));
    return settings;
}

void WriteSettings(std::string_view path, const TSettings& settings) {
    TIniFile file{std::string(path)};
    file.WriteString("User", "User", CrLfToBr(settings.user_profile));
    WriteInteger(file, "Window", "Top", settings.top);
    WriteInteger(file, "Window", "Left", settings.left);
    WriteBool(file, "Window", "StayOnTop", settings.stay_on_top);
    WriteBool(file, "Main", "PlaySound", settings.play_sound);
    WriteBool(file, "Log", "Keep", settings.keep_log);
    file.WriteString("Balloon", "FontName", settings.font_name);
    WriteInteger(file, "Balloon", "FontSize", settings.font_size);
    WriteInteger(file, "Balloon", "Speed", settings.interval);
    WriteBool(file, "Main", "Plugin", settings.plugins_enabled);
    WriteBool(file, "Main", "AllowExecute", settings.allow_execute);
    file.Save();
}

TConfigKeys ReadConfigKeys(std::string_view path) {
    TIniFile file{std::string(path)};
    TConfigKeys defaults;
    return {ReadBool(file, "Main", "ExtensionChar", defaults.associate),
            ReadBool(file, "Main", "AllowExecute", defaults.allow_execute),
            ReadBool(file, "Main", "Plugin", defaults.plugins_enabled)};
}

void WriteConfigKeys(std::string_view path, const TConfigKeys& keys) {
    TIniFile file{std::string(path)};
    WriteBool(file, "Main", "ExtensionChar", keys.associate);
    WriteBool(file, "Main", "AllowExecute", keys.allow_execute);
    WriteBool(file, "Main", "Plugin", keys.plugins_enabled);
    file.Save();
}

}  // namespace kiova
