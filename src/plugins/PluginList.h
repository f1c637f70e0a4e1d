// A list of plug-in objects: the main window's extended plug-ins, or one character's basic ones.
// Texts are ANSI. Freeing the list releases its objects, and with the last object of a library
// the library itself.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CharacterServices.h"
#include "PluginObject.h"

namespace kiova {

struct TKiovaPlugin {
    std::string Name;  // GetPluginInfo(0), normalised
    TPluginObject Obj;
};

class TPluginList final : public TPluginListBase {
public:
    // `program_folder` (with a trailing delimiter) holds plugins/; `main_window` is the main
    // window's native id, 0 when there is none. Both go to every plug-in in "KE_Initialize".
    explicit TPluginList(std::string program_folder, std::uintptr_t main_window = 0);

    int Count() const override { return static_cast<int>(items_.size()); }
    // Creates the object, reads its name and sends it "KE_Initialize"; nothing is added and
    // false comes back when any step fails.
    bool AddPlugin(std::string_view class_name) override;
    // Each plug-in in order sees the texts as the previous one left them. A plug-in that fails
    // ends the event there; `data` then holds the text as rewritten before it.
    void FireEvent(std::string& event_name, std::string& data) override;
    // "Name.rest": the first plug-in whose name equals the normalised Name expands rest;
    // empty when there is no "." or no such plug-in, or when that plug-in fails.
    std::string ExpandTag(std::string_view tag) override;
    std::string PluginInfo(int item, std::int32_t index) const override;
    // Throws EPluginError when the plug-in fails.
    void ConfigurationDialog(int item) override;

    const std::vector<TKiovaPlugin>& Items() const { return items_; }

private:
    std::string InitializeData() const;

    std::vector<TKiovaPlugin> items_;
    std::string program_folder_;
    std::uintptr_t main_window_;
};

// Makes the empty lists that each character fills with its basic plug-ins.
std::function<std::unique_ptr<TPluginListBase>()> PluginListFactory(std::string program_folder,
                                                                    std::uintptr_t main_window);

}  // namespace kiova
