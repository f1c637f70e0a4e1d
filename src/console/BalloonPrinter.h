// The balloon drawn as text. The front end hands over the balloon's changes (a whole new text,
// letters added at the end, letters taken back); the printer turns each into what a terminal
// can show: new letters are appended, a letter taken back ({^H}, the wait marker) is rubbed out
// while the cursor is still behind it, and a new balloon (a new answer, CLEAR) starts on a line
// of its own. Each change costs its own length, so an answer prints in time linear in its
// length.
//
// Live (a terminal): every change is printed at once, so answers appear letter by letter.
// Otherwise (a pipe, a file): only what stands at Flush is printed, so an answer comes whole
// and nothing has to be rubbed out.
#pragma once

#include <string>
#include <string_view>

namespace kiova {

class TTextSink;

class TBalloonPrinter {
public:
    TBalloonPrinter(TTextSink& sink, bool live) : sink_(sink), live_(live) {}

    // The balloon's text now, lines joined with CR LF. An empty text starts a new balloon.
    void Show(std::u16string_view text);
    // `text` has been added at the end of the balloon's text.
    void Append(std::u16string_view text);
    // `erased`, the end of the balloon's text, has been taken back.
    void Erase(std::u16string_view erased);
    // CLEAR: what has been shown stays; the next letter starts a paragraph after a blank line.
    void Clear();
    // Prints what has changed since the last print.
    void Flush();

    // A line of its own (a message, a list); the balloon goes on below it.
    void PrintLine(std::string_view utf8);
    // Text on a line of its own that the user's input follows.
    void Prompt(std::string_view utf8);
    // A line of input has been read. A terminal has echoed its line break (`echoed`); otherwise
    // the printer ends the line itself, so that output looks the same either way.
    void InputTaken(bool echoed);
    // Prints what has changed and ends the line: the user's turn, or the end.
    void EndLine();

private:
    void StartLine();
    // The printed text from `kept` on is no longer the balloon's: it is to be rubbed out.
    void TakeBack(size_t kept);
    void RubOut();

    TTextSink& sink_;
    bool live_;
    std::u16string text_;           // the balloon's text now
    size_t printed_ = 0;            // text_'s first units stand on the output
    int rub_out_columns_ = 0;       // printed letters taken back since the last print
    bool rub_out_blocked_ = false;  // a line break among them: nothing can be rubbed out
    bool line_open_ = false;        // the output ends inside a line
    bool can_erase_ = false;        // nothing has been printed after the printed text's last letter
    bool new_balloon_ = false;
    bool blank_line_owed_ = false;
};

// Columns a text takes on a terminal as TerminalText shows it: two for East Asian wide letters,
// none for combining marks.
int DisplayWidth(std::u16string_view text);

}  // namespace kiova
