// Output commands: the brace groups of an answer that the balloon player executes instead of
// showing. Names are recognised on the normalised text (any letter case, full or half width);
// arguments are taken as written unless they are numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kiova {

enum class EOutputCommand {
    None,              // unknown, empty, or a number that does not convert: dropped without effect
    Picture,           // PIC:file
    SetDefaultBitmap,  // SETDEFBITMAP:file
    SoundAsync,        // SOUNDA:file
    SoundSync,         // SOUNDS:file
    SpeedFast,         // SPEEDFAST
    SpeedSlow,         // SPEEDSLOW
    FontBig,           // FONTBIG
    FontSmall,         // FONTSMALL
    Delay,             // DELAY:n
    Pause,             // ...
    WaitReturn,        // WAITRETURN or WAITRETURN:c
    ShowText,          // $:text
    Backspace,         // ^H
    Clear,             // CLEAR
    Timer,             // TIMERn|text
    CancelTimer,       // CANCELTIMER
    ShowWindow,        // SHOWWINDOW
    Iconize,           // ICONIZE
    QuitSystem,        // QUITSYSTEM
    Skip,              // SKIP:text
    ReadCharacter,     // READCHARACTER:path
    ChangeCharacter,   // CHANGECHARACTER
};

struct TOutputCommand {
    EOutputCommand kind = EOutputCommand::None;
    std::u16string text;  // file, path, text to show or to answer, the wait marker
    int32_t number = 0;   // DELAY ticks, TIMER seconds

    bool operator==(const TOutputCommand&) const = default;
};

// The group that opens at `open` (0-based index of a "{" in `answer`): its text up to the
// brace that closes it, with nested groups removed, and the index just past that brace (the
// answer's length when the group never closes).
struct TCommandSpan {
    std::u16string raw;
    size_t end = 0;
};
TCommandSpan ScanCommand(std::u16string_view answer, size_t open);

// Classifies the text of one group (nested groups already removed).
TOutputCommand ParseOutputCommand(std::u16string_view raw);

}  // namespace kiova
