// The tag language bound to a character: its EvaluateTags, and the services that give a
// character the tag language (and plug-ins) when it is created.
//
//   THandOverQueue hand_over;                  // owned by the application, drained by its UI
//   TCharacter character(path, MakeCharacterServices(hand_over, OpenWithXdgOpen,
//                                                    PluginListFactory(folder, 0)));
//   std::u16string shown = character.EvaluateTags(character.Respond(line, kTableMaskAll));
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "CharacterServices.h"
#include "DateTime.h"
#include "Delegation.h"
#include "HandOverQueue.h"
#include "OpenDocument.h"

namespace kiova {

class TTagInterpreter final : public TTagEvaluator {
public:
    // `character` and `hand_over` outlive the interpreter.
    TTagInterpreter(TCharacter& character, THandOverQueue& hand_over, TOpenDocument open_document);

    // The text with every tag it holds handled; reads the clock once.
    std::u16string EvaluateTags(std::u16string_view text) override;

private:
    // The result of one tag: its row's, else (while plug-ins are enabled) a plug-in's.
    std::u16string ExpandTag(std::u16string_view tag_text, TDateTime now);

    TCharacter& character_;
    TDelegation delegation_;
};

using TPluginListFactory = std::function<std::unique_ptr<TPluginListBase>()>;

// Services that bind a TTagInterpreter to every character created with them, and give each one
// a plug-in list from `create_plugin_list` (none: an empty list that takes no plug-ins).
TCharacterServices MakeCharacterServices(THandOverQueue& hand_over,
                                         TOpenDocument open_document = OpenWithXdgOpen,
                                         TPluginListFactory create_plugin_list = {});

}  // namespace kiova
