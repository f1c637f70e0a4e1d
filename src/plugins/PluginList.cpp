// The plug-in list: class names come in, initialised objects are kept in the order added.
// Events pass through every object in that order, tags go to the first object of that name.
// A failing plug-in never fails the caller: it is left out, or ends the event, or expands
// to nothing.
#include "PluginList.h"

#include <algorithm>
#include <utility>

#include "CodePage.h"
#include "PluginError.h"
#include "TextUtils.h"
#include "Version.h"

namespace kiova {
namespace {

constexpr std::string_view kProgramFile = "kiova";

std::string NormalizeUtf8(std::string_view text) {
    return Utf16ToUtf8(NormalizeText(Utf8ToUtf16(text)));
}

}  // namespace

TPluginList::TPluginList(std::string program_folder, std::uintptr_t main_window)
    : program_folder_(std::move(program_folder)), main_window_(main_window) {}

std::string TPluginList::InitializeData() const {
    return "apppath=" + EscapeUrlChars(program_folder_ + std::string(kProgramFile)) +
           "&version=" + EscapeUrlChars(kVersion) +
           "&hwndmain=" + EscapeUrlChars(std::to_string(main_window_));
}

bool TPluginList::AddPlugin(std::string_view class_name) {
    try {
        TPluginObject object = TPluginObject::Create(program_folder_, class_name);
        std::string name = NormalizeUtf8(object.GetPluginInfo(0));
        std::string event_name = "KE_Initialize";
        std::string data = InitializeData();
        object.OnKiovaEvent(event_name, data);
        items_.push_back({std::move(name), std::move(object)});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TPluginList::FireEvent(std::string& event_name, std::string& data) {
    std::string work = data;
    try {
        for (const TKiovaPlugin& plugin : items_) plugin.Obj.OnKiovaEvent(event_name, work);
    } catch (const EPluginError&) {
        // The plug-ins after the failing one miss this event.
    }
    data = std::move(work);
}

std::string TPluginList::ExpandTag(std::string_view tag) {
    size_t dot = tag.find('.');  // never inside a UTF-8 sequence
    if (dot == std::string_view::npos) return {};
    std::string name = NormalizeUtf8(tag.substr(0, dot));
    auto plugin = std::find_if(items_.begin(), items_.end(),
                               [&](const TKiovaPlugin& item) { return item.Name == name; });
    if (plugin == items_.end()) return {};
    try {
        return plugin->Obj.ExpandPluginTag(tag.substr(dot + 1));
    } catch (const std::exception&) {
        return {};
    }
}

std::string TPluginList::PluginInfo(int item, std::int32_t index) const {
    try {
        return items_.at(static_cast<size_t>(item)).Obj.GetPluginInfo(index);
    } catch (const EPluginError&) {
        return {};
    }
}

void TPluginList::ConfigurationDialog(int item) {
    items_.at(static_cast<size_t>(item)).Obj.ConfigurationDialog();
}

std::function<std::unique_ptr<TPluginListBase>()> PluginListFactory(std::string program_folder,
                                                                    std::uintptr_t main_window) {
    return [program_folder = std::move(program_folder), main_window] {
        return std::make_unique<TPluginList>(program_folder, main_window);
    };
}

}  // namespace kiova
