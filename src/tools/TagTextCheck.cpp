// Tag texts are read as the evaluator and the answer player read them: a "}" with nothing open
// empties the whole text; a "{" that never closes drops the rest; a group is a tag of the
// language, an output command, or a plug-in tag "Name.rest", else it passes through unused.
#include "TagTextCheck.h"

#include "CodePage.h"
#include "OutputCommand.h"
#include "Tag.h"
#include "TagDispatch.h"
#include "TextUtils.h"

namespace kiova::tool {
namespace {

// One brace group: the text after its "{" up to its first nested group or its "}".
struct TGroupHead {
    std::u16string_view head;
    bool nested = false;  // the head ends at a nested group
    bool closed = false;  // a "}" or nested "{" ends it
};

TGroupHead HeadAt(std::u16string_view text, size_t open) {
    const size_t end = text.find_first_of(u"{}", open + 1);
    if (end == std::u16string_view::npos) return {text.substr(open + 1), false, false};
    return {text.substr(open + 1, end - open - 1), text[end] == u'{', true};
}

bool IsPluginTag(std::u16string_view text) {
    const size_t dot = text.find(u'.');
    return dot != std::u16string_view::npos && dot > 0;
}

// The markers the reply cycle adds to a message, which conditions compare with.
bool IsMessageMarker(std::u16string_view head) {
    const std::u16string key = NormalizeText(head);
    return key == u"NOTHINGSAID" || key == u"REPEATED";
}

bool IsKnownGroup(const TGroupHead& group) {
    if (group.head.empty() || IsPluginTag(group.head) || IsMessageMarker(group.head)) return true;
    if (ParseOutputCommand(group.head).kind != EOutputCommand::None) return true;
    if (group.nested) return MayBecomeLanguageTag(NormalizeText(group.head));
    return IsLanguageTag(TTag(group.head));
}

// The file a picture or sound command names, when it is written out (not built by a tag).
void CheckCommandFile(TCheckContext& context, const TPlace& place, const TGroupHead& group) {
    if (group.nested) return;
    const TOutputCommand command = ParseOutputCommand(group.head);
    const auto file = [&](std::string_view what) {
        return context.NamedPath(place, what, context.DataFolder(),
                                 Utf16ToAnsi(command.text, context.CodePage()));
    };
    switch (command.kind) {
        case EOutputCommand::Picture:
        case EOutputCommand::SetDefaultBitmap:
            if (std::optional<std::string> picture = file("picture"))
                context.CheckPicture(place, "picture", *picture);
            break;
        case EOutputCommand::SoundAsync:
        case EOutputCommand::SoundSync:
            if (std::optional<std::string> sound = file("sound"))
                context.CheckFileExists(place, "sound", *sound);
            break;
        default:
            break;
    }
}

void CheckBraces(TCheckContext& context, const TPlace& place, std::u16string_view text,
                 ETagText kind) {
    int depth = 0;
    for (char16_t c : text) {
        if (c == u'{') {
            ++depth;
        } else if (c == u'}' && --depth < 0) {
            context.Report().Warning(
                place, kind == ETagText::Answer
                           ? "a stray \"}\" closes nothing: the whole answer comes out empty"
                           : "a stray \"}\" closes nothing: the condition comes out empty, "
                             "so it never holds");
            return;
        }
    }
    if (depth > 0)
        context.Report().Warning(place,
                                 "a \"{\" never closes: everything from it to the end is dropped");
}

}  // namespace

void CheckTagText(TCheckContext& context, const TPlace& place, std::string_view ansi_text,
                  ETagText kind) {
    const std::u16string text = AnsiToUtf16(ansi_text, context.CodePage());
    CheckBraces(context, place, text, kind);
    for (size_t open = text.find(u'{'); open != std::u16string::npos;
         open = text.find(u'{', open + 1)) {
        const TGroupHead group = HeadAt(text, open);
        if (!group.closed) continue;
        if (!IsKnownGroup(group)) {
            context.Report().Warning(
                place, "{" + Utf16ToUtf8(group.head) + (group.nested ? "{...}" : "}") +
                           " is neither a tag of the language, an output command nor a "
                           "plug-in tag (Name.rest)");
            continue;
        }
        CheckCommandFile(context, place, group);
    }
}

}  // namespace kiova::tool
