// The balloon's successive texts as a terminal and as a pipe show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BalloonPrinter.h"
#include "StringSink.h"
#include "TerminalText.h"

namespace kiova {
namespace {
using testing::TStringSink;

// One step of what the view and the session do to the printer.
struct TStep {
    enum EKind { Show, Clear, Flush, Line, Prompt, Input } kind;
    std::u16string text = {};
};

struct TCase {
    const char* name;
    std::vector<TStep> steps;
    std::string live;  // what a terminal shows
    std::string pipe;  // what a pipe gets
};

std::string Printed(const std::vector<TStep>& steps, bool live) {
    TStringSink sink;
    TBalloonPrinter printer(sink, live);
    for (const TStep& step : steps) {
        switch (step.kind) {
            case TStep::Show:
                printer.Show(step.text);
                break;
            case TStep::Clear:
                printer.Clear();
                break;
            case TStep::Flush:
                printer.Flush();
                break;
            case TStep::Line:
                printer.PrintLine("note");
                break;
            case TStep::Prompt:
                printer.Prompt("taro> ");
                break;
            case TStep::Input:
                printer.InputTaken(live);
                break;
        }
    }
    printer.EndLine();
    return sink.text;
}

TEST(BalloonPrinterTest, ShowsWhatATerminalAndAPipeCanShow) {
    using enum TStep::EKind;
    const TCase cases[] = {
        {"letters", {{Show, u"H"}, {Show, u"Hi"}}, "Hi\n", "Hi\n"},
        {"a line break", {{Show, u"a"}, {Show, u"a\r\nb"}}, "a\nb\n", "a\nb\n"},
        // A letter taken back is rubbed out on a terminal; a pipe never sees it.
        {"backspace",
         {{Show, u"a"}, {Show, u"ab"}, {Show, u"a"}, {Show, u"ac"}},
         "ab\b \bc\n",
         "ac\n"},
        {"a wide letter is two columns",
         {{Show, u"あい"}, {Show, u"あ"}},
         "あい\b \b\b \b\n",
         "あ\n"},
        // A pipe prints at each flush; what was flushed stays, like text on paper.
        {"flushed text stays",
         {{Show, u"ab"}, {Flush}, {Show, u"a"}, {Show, u"ac"}},
         "ab\b \bc\n",
         "abc\n"},
        // The wait marker after the user's Enter: the line has moved on, the marker stays.
        {"wait marker",
         {{Show, u"One▼"}, {Flush}, {Input}, {Show, u"One"}, {Show, u"OneT"}},
         "One▼T\n",
         "One▼\nT\n"},
        {"a new balloon starts a line",
         {{Show, u"Hello"}, {Show, u""}, {Show, u"N"}, {Show, u"Nice"}},
         "Hello\nNice\n",
         "Hello\nNice\n"},
        {"an empty answer prints nothing", {{Show, u""}, {Show, u""}}, "", ""},
        {"clear leaves a blank line",
         {{Show, u"Hi"}, {Clear}, {Show, u"H"}, {Show, u"Ho"}},
         "Hi\n\nHo\n",
         "Hi\n\nHo\n"},
        {"a note goes between, the answer on below it",
         {{Show, u"ab"}, {Line}, {Show, u"abc"}},
         "ab\nnote\nc\n",
         "ab\nnote\nc\n"},
        // The prompt is followed by what the user types; the next answer starts below it.
        {"prompt and answer",
         {{Show, u"Hi"}, {Show, u""}, {Prompt}, {Input}, {Show, u"Yes"}},
         "Hi\ntaro> Yes\n",
         "Hi\ntaro> \nYes\n"},
        {"a timer's answer while the prompt waits",
         {{Show, u""}, {Prompt}, {Show, u""}, {Show, u"Time"}},
         "taro> \nTime\n",
         "taro> \nTime\n"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(Printed(test.steps, true), test.live);
        EXPECT_EQ(Printed(test.steps, false), test.pipe);
    }
}

TEST(BalloonPrinterTest, DisplayWidthCountsColumns) {
    EXPECT_EQ(DisplayWidth(u"abc"), 3);
    EXPECT_EQ(DisplayWidth(u"こんにちは"), 10);
    EXPECT_EQ(DisplayWidth(u"ｱ"), 1);        // half-width katakana
    EXPECT_EQ(DisplayWidth(u"e\u0301"), 1);  // a combining accent
    EXPECT_EQ(DisplayWidth(u"\U00020B9F"), 2);
}

TEST(BalloonPrinterTest, TerminalTextTakesEveryLineBreak) {
    EXPECT_EQ(TerminalText(u"a\r\nb\rc\nd"), "a\nb\nc\nd");
    // No escape sequence reaches the terminal: C0 and C1 controls but tab are shown.
    EXPECT_EQ(TerminalText(u"\x1b]52;c;eA==\x07\tok\x7f"), "^[]52;c;eA==^G\tok^?");
    EXPECT_EQ(TerminalText(u"\u009b2J\u0085"), "^[[2J^[E");
    EXPECT_EQ(DisplayWidth(u"\x1b\u009b"), 5);
    EXPECT_EQ(TerminalText(u"日本"), "日本");
}

}  // namespace
}  // namespace kiova
