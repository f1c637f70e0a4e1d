// The balloon drawn as text. The front end replaces the balloon's whole text at every step; the
// printer turns each change into what a terminal can show: new letters are appended, a letter
// taken back ({^H}, the wait marker) is rubbed out while the cursor is still behind it, and a
// new balloon (a new answer, CLEAR) starts on a line of its own.
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
    void Erase(std::u16string_view erased);

    TTextSink& sink_;
    bool live_;
    std::u16string printed_;  // the balloon's text as it stands on the output
    std::u16string pending_;  // the balloon's text now
    bool line_open_ = false;  // the output ends inside a line
    bool can_erase_ = false;  // nothing has been printed after printed_'s last letter
    bool new_balloon_ = false;
    bool blank_line_owed_ = false;
};

// UTF-16 text as a terminal shows it: UTF-8, every line break (CR LF, CR or LF) a LF.
std::string TerminalText(std::u16string_view text);
// Columns a text takes on a terminal: two for East Asian wide letters, none for combining marks.
int DisplayWidth(std::u16string_view text);

}  // namespace kiova
