// The terminal's event loop around the front end: lines from standard input, ticks when the
// front end says one is due, the hand-over of worker threads and the termination signals.
// Answers play at the balloon's speed when the output is live, and whole at once otherwise.
// After an answer the user can type at once: the line itself opens the balloon.
#pragma once

#include <string>
#include <string_view>

#include "ConsoleCommands.h"

namespace kiova {

class TConsoleTerminal;
class TConsoleView;
class TFrontEnd;
class TTerminalOutput;
class TTerminationSignals;

class TConsoleSession {
public:
    // `output` is where the terminal's text goes (`live`: a terminal); `wake_fd` becomes
    // readable when a worker thread has handed a call over.
    TConsoleSession(TFrontEnd& front_end, TConsoleView& view, TConsoleTerminal& terminal,
                    const TTerminalOutput& output, bool live, int wake_fd,
                    TTerminationSignals& termination);

    // Until the user quits, input ends, a termination signal, QUITSYSTEM or a broken output.
    // Every way but QUITSYSTEM (which has closed already) and a broken output closes like the
    // close box, the farewell printed.
    void Run();

private:
    bool Ended() const;
    bool Playing() const;
    bool Typing() const;
    bool ReadyForLine() const;
    void OpenForTyping();
    void Wait();
    void Close();
    void HandleLine(const std::string& line);
    void Say(const std::string& text);
    void SendPattingAction(std::string_view number);
    void ChangeCharacter(const std::string& path);

    TFrontEnd& front_end_;
    TConsoleView& view_;
    TConsoleTerminal& terminal_;
    const TTerminalOutput& output_;
    bool live_;
    int wake_fd_;
    TTerminationSignals& termination_;
    bool prompted_ = false;
    bool closed_ = false;
};

}  // namespace kiova
