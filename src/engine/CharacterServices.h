// What the higher layers plug into a character. The engine cannot depend on the plug-in host
// or on the tag language (both depend on the engine), so a character reaches them through these
// two interfaces, created by the factories it is given.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kiova {

class TCharacter;

// A list of plug-in objects, as the character and the tag language use it. Texts are UTF-8, as
// the plug-in interface has them; the character converts them from and to its code page.
class TPluginListBase {
public:
    virtual ~TPluginListBase() = default;
    virtual int Count() const = 0;
    // Creates, registers and initialises one plug-in of `class_name`; false when that fails.
    virtual bool AddPlugin(std::string_view class_name) = 0;
    // Passes an event through every plug-in in order; each may rewrite both texts.
    virtual void FireEvent(std::string& event_name, std::string& data) = 0;
    // "Name.rest": the first plug-in named Name expands rest; empty when none does.
    virtual std::string ExpandTag(std::string_view tag) = 0;

    // For the settings dialog's plug-in pages. Information string `index` of the plug-in at
    // `item` (0 its name, 2 the short text shown after it, 3 its description); empty when the
    // plug-in cannot give it.
    virtual std::string PluginInfo(int item, std::int32_t index) const = 0;
    // The plug-in at `item` shows its own settings. Throws std::exception when that fails.
    virtual void ConfigurationDialog(int item) = 0;
};

// The tag language bound to one character.
class TTagEvaluator {
public:
    virtual ~TTagEvaluator() = default;
    virtual std::u16string EvaluateTags(std::u16string_view text) = 0;
};

struct TCharacterServices {
    // Nothing: the character's plug-in list stays empty and refuses every plug-in.
    std::function<std::unique_ptr<TPluginListBase>()> create_plugin_list;
    // Nothing: the character's evaluator returns its input unchanged.
    std::function<std::unique_ptr<TTagEvaluator>(TCharacter&)> create_tag_evaluator;
    // Where the character reports what it met in its data and went on without: a path that
    // leaves its folder, a damaged state file. `message` is UTF-8. Nothing: unreported.
    std::function<void(std::string_view message)> report_problem;
};

}  // namespace kiova
