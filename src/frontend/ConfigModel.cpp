#include "ConfigModel.h"

#include "Character.h"
#include "CharacterServices.h"
#include "CodePage.h"
#include "FileAssociation.h"
#include "FrontEnd.h"

namespace kiova {
namespace {
constexpr int kIntervalLimit = 10000;  // exclusive
}  // namespace

TConfigValues ReadConfigValues(const TFrontEnd& front_end) {
    const TSettings& settings = front_end.Settings();
    TConfigKeys keys = ReadConfigKeys(front_end.SettingsPath());
    TConfigValues values;
    values.font_name = settings.font_name;
    values.font_size = settings.font_size;
    values.interval = settings.interval;
    values.associate = keys.associate;
    values.desktop_mode = settings.desktop_mode;
    values.keep_log = settings.keep_log;
    values.play_sound = settings.play_sound;
    values.allow_execute = keys.allow_execute;
    values.profile = ProfileFieldsOf(front_end.User());
    values.plugins_enabled = settings.plugins_enabled;
    return values;
}

void ApplyConfigValues(TFrontEnd& front_end, const TConfigValues& values,
                       const TFileAssociation& association) {
    front_end.SetBalloonFont(values.font_name, values.font_size);
    if (values.interval > 0 && values.interval < kIntervalLimit)
        front_end.SetInterval(values.interval);
    front_end.SetUserProfile(UserFromFields(values.profile, front_end.User()));
    front_end.SetPlaySound(values.play_sound);
    front_end.SetPluginsEnabled(values.plugins_enabled);
    front_end.SetAllowExecute(values.allow_execute);
    front_end.SetKeepLog(values.keep_log);
    front_end.SetDesktopMode(values.desktop_mode);
    WriteConfigKeys(front_end.SettingsPath(),
                    {values.associate, values.allow_execute, values.plugins_enabled});
    association.Apply(values.associate);
}

std::vector<TPluginEntry> PluginEntries(const TPluginListBase& plugins) {
    std::vector<TPluginEntry> entries;
    for (int item = 0; item < plugins.Count(); ++item)
        entries.push_back(
            {Utf8ToUtf16(plugins.PluginInfo(item, 0) + " / " + plugins.PluginInfo(item, 2)),
             Utf8ToUtf16(plugins.PluginInfo(item, 3))});
    return entries;
}

TPluginListBase* BasicPlugins(TFrontEnd& front_end) {
    TCharacter* character = front_end.Character();
    return character ? &character->Plugins() : nullptr;
}

}  // namespace kiova
