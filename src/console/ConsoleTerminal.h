// The terminal as the dialogs and commands talk through it: lines out, answers in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "BalloonPrinter.h"
#include "LineInput.h"
#include "Translation.h"

namespace kiova {

class TConsoleTerminal {
public:
    // `interrupt_fd` becomes readable when the program is asked to end (-1: never).
    TConsoleTerminal(TBalloonPrinter& printer, TLineInput& input, int interrupt_fd, bool echoes)
        : printer_(printer), input_(input), interrupt_fd_(interrupt_fd), echoes_(echoes) {}

    TBalloonPrinter& Printer() { return printer_; }
    TLineInput& Input() { return input_; }
    int InterruptFd() const { return interrupt_fd_; }
    // The terminal echoes what the user types, line break included.
    bool Echoes() const { return echoes_; }

    // Lines of their own; `text` may hold several, separated by LF.
    void Say(std::string_view text) { printer_.PrintLine(text); }
    // The prompt, then the answer; nothing when input has ended or the program is to end.
    std::optional<std::string> Ask(std::string_view prompt);

private:
    TBalloonPrinter& printer_;
    TLineInput& input_;
    int interrupt_fd_;
    bool echoes_;
};

// A caption of the windows, in the interface's language, without its keyboard accelerator:
// "苗字(&L):" gives "苗字:", "&Last name:" gives "Last name:".
std::string PlainCaption(TUiText caption);

}  // namespace kiova
