// Brace group in, one classified command out. The normalised text has the same length as the
// raw text, so a position found in one is the same position in the other.
#include "OutputCommand.h"

#include <optional>

#include "CodePage.h"
#include "Numbers.h"
#include "TextUtils.h"

namespace kiova {
namespace {
using enum EOutputCommand;

constexpr std::u16string_view kDefaultWaitMarker = u"\u25BC";  // ▼

std::optional<int32_t> NumberIn(std::u16string_view text) {
    return TextToInt(Utf16ToAnsi(text));
}

TOutputCommand WithText(EOutputCommand kind, std::u16string_view raw, size_t prefix) {
    return {kind, std::u16string(raw.substr(prefix)), 0};
}

TOutputCommand WithNumber(EOutputCommand kind, std::u16string_view number_text) {
    std::optional<int32_t> number = NumberIn(number_text);
    if (!number) return {};
    return {kind, u"", *number};
}

TOutputCommand ParseSound(std::u16string_view cmd, std::u16string_view raw) {
    if (cmd.size() < 7 || cmd[6] != u':') return {};
    if (cmd[5] == u'A') return WithText(SoundAsync, raw, 7);
    if (cmd[5] == u'S') return WithText(SoundSync, raw, 7);
    return {};
}

TOutputCommand ParseTimer(std::u16string_view cmd, std::u16string_view raw) {
    size_t bar = cmd.find(u'|');
    if (bar == std::u16string_view::npos) return {};
    TOutputCommand command = WithNumber(EOutputCommand::Timer, cmd.substr(5, bar - 5));
    if (command.kind == EOutputCommand::Timer) command.text = raw.substr(bar + 1);
    return command;
}

TOutputCommand ParseWaitReturn(std::u16string_view cmd, std::u16string_view raw) {
    if (cmd.size() == 12 && raw[10] == u':') return {EOutputCommand::WaitReturn, {raw[11]}, 0};
    return {EOutputCommand::WaitReturn, std::u16string(kDefaultWaitMarker), 0};
}

TOutputCommand Exact(std::u16string_view cmd, std::u16string_view name, EOutputCommand kind) {
    return cmd == name ? TOutputCommand{kind, u"", 0} : TOutputCommand{};
}

// The first of `candidates` whose name equals `cmd`.
TOutputCommand FirstExact(
    std::u16string_view cmd,
    std::initializer_list<std::pair<std::u16string_view, EOutputCommand>> candidates) {
    for (const auto& [name, kind] : candidates)
        if (cmd == name) return {kind, u"", 0};
    return {};
}
}  // namespace

TCommandSpan ScanCommand(std::u16string_view answer, size_t open) {
    std::u16string collected;
    int depth = 0;
    size_t index = open + 1;
    for (; index < answer.size(); ++index) {
        char16_t unit = answer[index];
        if (unit == u'{') ++depth;
        if (unit == u'}' && --depth < 0) break;
        collected += unit;
    }
    size_t end = index < answer.size() ? index + 1 : answer.size();
    return {StripBraces(collected), end};
}

TOutputCommand ParseOutputCommand(std::u16string_view raw) {
    std::u16string normalised = NormalizeText(raw);
    std::u16string_view cmd = normalised;
    if (cmd.empty()) return {};
    auto starts = [&](std::u16string_view name) { return cmd.starts_with(name); };
    switch (cmd.front()) {
        case u'$':
            return starts(u"$:") ? WithText(ShowText, raw, 2) : TOutputCommand{};
        case u'.':
            return Exact(cmd, u"...", Pause);
        case u'C':
            return FirstExact(cmd, {{u"CLEAR", Clear},
                                    {u"CANCELTIMER", CancelTimer},
                                    {u"CHANGECHARACTER", ChangeCharacter}});
        case u'D':
            return starts(u"DELAY:") ? WithNumber(Delay, cmd.substr(6)) : TOutputCommand{};
        case u'F':
            return FirstExact(cmd, {{u"FONTBIG", FontBig}, {u"FONTSMALL", FontSmall}});
        case u'I':
            return Exact(cmd, u"ICONIZE", Iconize);
        case u'P':
            return starts(u"PIC:") ? WithText(Picture, raw, 4) : TOutputCommand{};
        case u'Q':
            return Exact(cmd, u"QUITSYSTEM", QuitSystem);
        case u'R':
            return starts(u"READCHARACTER:") ? WithText(ReadCharacter, raw, 14) : TOutputCommand{};
        case u'S':
            if (cmd == u"SHOWWINDOW") return {ShowWindow, u"", 0};
            if (starts(u"SETDEFBITMAP:")) return WithText(SetDefaultBitmap, raw, 13);
            if (starts(u"SKIP:")) return WithText(Skip, raw, 5);
            if (starts(u"SOUND")) return ParseSound(cmd, raw);
            return FirstExact(cmd, {{u"SPEEDFAST", SpeedFast}, {u"SPEEDSLOW", SpeedSlow}});
        case u'T':
            return starts(u"TIMER") ? ParseTimer(cmd, raw) : TOutputCommand{};
        case u'W':
            return starts(u"WAITRETURN") ? ParseWaitReturn(cmd, raw) : TOutputCommand{};
        case u'^':
            return Exact(cmd, u"^H", Backspace);
        default:
            return {};
    }
}

}  // namespace kiova
