#include "Settings.h"

#include "CodePage.h"
#include "IniFile.h"
#include "LogFormat.h"
#include "Numbers.h"
#include "SharedIniFile.h"

namespace kiova {
namespace {
int ReadInteger(const TIniFile& file, std::string_view section, std::string_view key,
                int default_value) {
    std::optional<std::string> text = file.Read(section, key);
    if (!text) return default_value;
    return TextToInt(*text).value_or(default_value);
}

std::optional<int> ReadOptionalInteger(const TIniFile& file, std::string_view section,
                                       std::string_view key) {
    std::optional<std::string> text = file.Read(section, key);
    return text ? TextToInt(*text) : std::nullopt;
}

bool ReadBool(const TIniFile& file, std::string_view section, std::string_view key,
              bool default_value) {
    return ReadInteger(file, section, key, default_value ? 1 : 0) != 0;
}

void WriteBool(TIniFile& file, std::string_view section, std::string_view key, bool value) {
    file.WriteString(section, key, value ? "1" : "0");
}

struct TEntry {
    std::string_view section;
    std::string_view key;
    std::optional<std::string> value;  // nothing: the file keeps what it has
};

std::string BoolText(bool value) {
    return value ? "1" : "0";
}

std::optional<std::string> OptionalText(std::optional<int> value) {
    return value ? std::optional(std::to_string(*value)) : std::nullopt;
}

// The keys of the settings as the file holds them, in the order they are written.
std::vector<TEntry> Entries(const TSettings& settings) {
    return {{"User", "User", CrLfToBr(settings.user_profile)},
            {"Window", "Top", std::to_string(settings.top)},
            {"Window", "Left", std::to_string(settings.left)},
            {"Window", "StayOnTop", BoolText(settings.stay_on_top)},
            {"Window", "DesktopMode", BoolText(settings.desktop_mode)},
            {"Window", "DesktopLeft", OptionalText(settings.desktop_left)},
            {"Window", "DesktopTop", OptionalText(settings.desktop_top)},
            {"Main", "PlaySound", BoolText(settings.play_sound)},
            {"Log", "Keep", BoolText(settings.keep_log)},
            {"Balloon", "FontName", settings.font_name},
            {"Balloon", "FontSize", std::to_string(settings.font_size)},
            {"Balloon", "Speed", std::to_string(settings.interval)},
            {"Main", "Plugin", BoolText(settings.plugins_enabled)},
            {"Main", "AllowExecute", BoolText(settings.allow_execute)}};
}
}  // namespace

TSettings::TSettings() : font_name("ＭＳ ゴシック") {}

TSettings ReadSettings(std::string_view path) {
    TIniFile file{std::string(path)};
    TSettings defaults;
    TSettings settings;
    settings.top = ReadInteger(file, "Window", "Top", defaults.top);
    settings.left = ReadInteger(file, "Window", "Left", defaults.left);
    settings.stay_on_top = ReadBool(file, "Window", "StayOnTop", defaults.stay_on_top);
    settings.desktop_mode = ReadBool(file, "Window", "DesktopMode", defaults.desktop_mode);
    settings.desktop_left = ReadOptionalInteger(file, "Window", "DesktopLeft");
    settings.desktop_top = ReadOptionalInteger(file, "Window", "DesktopTop");
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

void WriteSettings(std::string_view path, const TSettings& settings, const TSettings& as_read) {
    std::vector<TEntry> entries = Entries(settings);
    std::vector<TEntry> read = Entries(as_read);
    UpdateIniFile(path, [&](TIniFile& file) {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].value && (entries[i].value != read[i].value ||
                                     !file.ValueExists(entries[i].section, entries[i].key)))
                file.WriteString(entries[i].section, entries[i].key, *entries[i].value);
    });
}

TConfigKeys ReadConfigKeys(std::string_view path) {
    TIniFile file{std::string(path)};
    TConfigKeys defaults;
    return {ReadBool(file, "Main", "ExtensionChar", defaults.associate),
            ReadBool(file, "Main", "AllowExecute", defaults.allow_execute),
            ReadBool(file, "Main", "Plugin", defaults.plugins_enabled)};
}

void WriteConfigKeys(std::string_view path, const TConfigKeys& keys) {
    UpdateIniFile(path, [&keys](TIniFile& file) {
        WriteBool(file, "Main", "ExtensionChar", keys.associate);
        WriteBool(file, "Main", "AllowExecute", keys.allow_execute);
        WriteBool(file, "Main", "Plugin", keys.plugins_enabled);
    });
}

}  // namespace kiova
