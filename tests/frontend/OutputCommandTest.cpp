#include <gtest/gtest.h>

#include "CodePage.h"
#include "OutputCommand.h"

namespace kiova {
namespace {
using enum EOutputCommand;

TEST(OutputCommandTest, RecognisesEachCommandOnItsNormalisedName) {
    struct Case {
        const char* raw;  // UTF-8
        TOutputCommand expected;
    };
    const Case cases[] = {
        {"PIC:face2.bmp", {Picture, u"face2.bmp", 0}},
        {"pic:Face2.BMP", {Picture, u"Face2.BMP", 0}},
        {"SetDefBitmap:base.jpg", {SetDefaultBitmap, u"base.jpg", 0}},
        {"SOUNDA:ring.wav", {SoundAsync, u"ring.wav", 0}},
        {"soundS:Bell.wav", {SoundSync, u"Bell.wav", 0}},
        {"SOUNDX:a.wav", {}},
        {"SOUND:a.wav", {}},
        {"SOUNDA", {}},
        {"SPEEDFAST", {SpeedFast, u"", 0}},
        {"speedslow", {SpeedSlow, u"", 0}},
        {"SPEEDFASTER", {}},
        {"FONTBIG", {FontBig, u"", 0}},
        {"FONTSMALL", {FontSmall, u"", 0}},
        {"DELAY:12", {Delay, u"", 12}},
        {"DELAY: 3", {Delay, u"", 3}},
        {"ＤＥＬＡＹ：４", {Delay, u"", 4}},
        {"DELAY:-2", {Delay, u"", -2}},
        {"DELAY:x", {}},
        {"DELAY:3 ", {}},
        {"...", {Pause, u"", 0}},
        {"．．．", {Pause, u"", 0}},
        {"....", {}},
        {"WAITRETURN", {WaitReturn, u"▼", 0}},
        {"WAITRETURN:*", {WaitReturn, u"*", 0}},
        {"waitreturn:*", {WaitReturn, u"*", 0}},
        {"WAITRETURN：*", {WaitReturn, u"▼", 0}},  // a full-width colon is no separator here
        {"WAITRETURN:ab", {WaitReturn, u"▼", 0}},
        {"WAITRETURNX", {WaitReturn, u"▼", 0}},
        {"$:a b", {ShowText, u"a b", 0}},
        {"$", {}},
        {"^H", {Backspace, u"", 0}},
        {"^h", {Backspace, u"", 0}},
        {"^HH", {}},
        {"CLEAR", {Clear, u"", 0}},
        {"ＣＬＥＡＲ", {Clear, u"", 0}},
        {"TIMER30|alarm", {Timer, u"alarm", 30}},
        {"TIMER 30|Alarm|x", {Timer, u"Alarm|x", 30}},
        {"timer0|x", {Timer, u"x", 0}},
        {"TIMERx|y", {}},
        {"TIMER30", {}},
        {"CANCELTIMER", {CancelTimer, u"", 0}},
        {"SHOWWINDOW", {ShowWindow, u"", 0}},
        {"ICONIZE", {Iconize, u"", 0}},
        {"QUITSYSTEM", {QuitSystem, u"", 0}},
        {"SKIP:Next One", {Skip, u"Next One", 0}},
        {"ReadCharacter:c:\\chars\\b.ktc", {ReadCharacter, u"c:\\chars\\b.ktc", 0}},
        {"CHANGECHARACTER", {ChangeCharacter, u"", 0}},
        {"HELLO", {}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseOutputCommand(Utf8ToUtf16(c.raw)), c.expected) << c.raw;
}

TEST(OutputCommandTest, ScanFindsTheClosingBraceAndDropsNestedGroups) {
    struct Case {
        std::u16string_view answer;
        size_t open;
        std::u16string_view raw;
        size_t end;
    };
    const Case cases[] = {
        {u"a{PIC:x.bmp}b", 1, u"PIC:x.bmp", 12},
        {u"{PIC:a{x}.bmp}!", 0, u"PIC:a.bmp", 14},
        {u"{{x}}y", 0, u"", 5},
        {u"{}", 0, u"", 2},
        {u"ab{PIC:open", 2, u"PIC:open", 11},
        {u"{a{b}", 0, u"a", 5},
    };
    for (const Case& c : cases) {
        TCommandSpan span = ScanCommand(c.answer, c.open);
        EXPECT_EQ(span.raw, c.raw) << Utf16ToUtf8(c.answer);
        EXPECT_EQ(span.end, c.end) << Utf16ToUtf8(c.answer);
    }
}

}  // namespace
}  // namespace kiova
