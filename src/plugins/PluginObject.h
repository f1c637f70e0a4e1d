// One live plug-in object and the calls a plug-in answers. Texts are ANSI; they cross to the
// plug-in as UTF-8. Every failing call throws EPluginError and changes nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "PluginLibrary.h"

namespace kiova {

class TPluginObject {
public:
    // Creates an object of `class_name` from the library that the part of the name before its
    // first "." names (see kiova/plugin.h), looked for in `program_folder`'s plugins/, then in
    // the installed plug-in folder.
    static TPluginObject Create(std::string_view program_folder, std::string_view class_name);

    std::string GetPluginInfo(std::int32_t index) const;
    // The plug-in may rewrite both texts.
    void OnKiovaEvent(std::string& event_name, std::string& data) const;
    std::string ExpandPluginTag(std::string_view tag) const;
    void ConfigurationDialog() const;

private:
    struct TRelease {
        void (*release)(KiovaPlugin*);
        void operator()(KiovaPlugin* object) const { release(object); }
    };

    TPluginObject(std::shared_ptr<const TPluginLibrary> library, KiovaPlugin* object);
    const KiovaPluginApi& Api() const { return library_->Api(); }

    // Declared first so that the library outlives the release of the object.
    std::shared_ptr<const TPluginLibrary> library_;
    std::unique_ptr<KiovaPlugin, TRelease> object_;
};

}  // namespace kiova
