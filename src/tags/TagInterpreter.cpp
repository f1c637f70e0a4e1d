// EvaluateTags: the scan, each tag through the dispatch, then the plug-in step.
//
// In:  UTF-16 text of an answer, a condition, a farewell or a comment.
// Out: the text with its tags handled; the character's variables and delegation changed by the
//      tags that ran.
// Always: a failing row gives empty text and leaves what it changed before failing; only
// running out of memory reaches the caller.
#include "TagInterpreter.h"

#include <new>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "TagDispatch.h"
#include "TagScanner.h"

namespace kiova {

TTagInterpreter::TTagInterpreter(TCharacter& character, THandOverQueue& hand_over,
                                 TOpenDocument open_document)
    : character_(character), delegation_(character, hand_over, std::move(open_document)) {}

std::u16string TTagInterpreter::EvaluateTags(std::u16string_view text) {
    const TDateTime now = CurrentClock()->Now();
    return ScanTags(
        text, [this, now](std::u16string_view tag_text) { return ExpandTag(tag_text, now); },
        character_.CodePage());
}

std::u16string TTagInterpreter::ExpandTag(std::u16string_view tag_text, TDateTime now) {
    const TTag tag(tag_text);
    std::u16string result;
    try {
        TTagContext context{character_, delegation_, now};
        result = RunTag(tag, context);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        result.clear();
    }
    if (result.empty() && character_.PluginsEnabled() &&
        tag.Key().find(u'.') != std::u16string::npos)
        result = Utf8ToUtf16(character_.Plugins().ExpandTag(
            Utf16ToUtf8(ThroughCodePage(tag_text, character_.CodePage()))));
    return result;
}

TCharacterServices MakeCharacterServices(THandOverQueue& hand_over, TOpenDocument open_document,
                                         TPluginListFactory create_plugin_list) {
    TCharacterServices services;
    services.create_plugin_list = std::move(create_plugin_list);
    services.create_tag_evaluator = [&hand_over, open_document = std::move(open_document)](
                                        TCharacter& character) -> std::unique_ptr<TTagEvaluator> {
        return std::make_unique<TTagInterpreter>(character, hand_over, open_document);
    };
    return services;
}

}  // namespace kiova
