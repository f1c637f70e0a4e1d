#include "ConsoleSession.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <charconv>

#include "CodePage.h"
#include "ConsoleDialogs.h"
#include "ConsoleTerminal.h"
#include "ConsoleTexts.h"
#include "ConsoleView.h"
#include "FrontEnd.h"
#include "ProgramStart.h"
#include "TerminalOutput.h"

namespace kiova {
namespace {
using enum TBalloonState;

std::string CommandList() {
    return TranslatedUtf8(kConsoleCommandList);
}

void Drain(int fd) {
    std::array<char, 64> bytes;
    while (read(fd, bytes.data(), bytes.size()) > 0) {
    }
}
}  // namespace

TConsoleSession::TConsoleSession(TFrontEnd& front_end, TConsoleView& view,
                                 TConsoleTerminal& terminal, const TTerminalOutput& output,
                                 bool live, int wake_fd, TTerminationSignals& termination)
    : front_end_(front_end),
      view_(view),
      terminal_(terminal),
      output_(output),
      live_(live),
      wake_fd_(wake_fd),
      termination_(termination) {}

void TConsoleSession::Run() {
    TLineInput& input = terminal_.Input();
    while (!Ended()) {
        // A synchronous sound holds the answer: the loop waits for it, watching the signals.
        const bool stepping = Playing() && !front_end_.Player().WaitingForSound();
        if (stepping && !live_) {
            front_end_.Handle([this] { front_end_.Tick(); });
            continue;
        }
        if (stepping && input.HasLine()) {
            // A line typed while the answer plays shows the rest at once; an empty one is
            // spent on that, like Enter in the balloon.
            if (input.PeekLine().empty()) input.TakeLine();
            front_end_.Handle([this] { front_end_.Enter(); });
            continue;
        }
        if (ReadyForLine() && input.HasLine()) {
            prompted_ = false;
            std::string line = *input.TakeLine();
            front_end_.Handle([this, &line] { HandleLine(line); });
            continue;
        }
        if (input.Ended() && !input.HasLine() && !Playing()) {
            Close();
            break;
        }
        if (!prompted_ && Typing() && input.IsTerminal()) {
            terminal_.Printer().Prompt(front_end_.User().HandleName + "> ");
            prompted_ = true;
        }
        // A program reading the output line by line gets the answer as soon as it is whole.
        if (ReadyForLine() && !prompted_)
            terminal_.Printer().EndLine();
        else
            terminal_.Printer().Flush();
        Wait();
    }
    terminal_.Printer().EndLine();
}

bool TConsoleSession::Ended() const {
    return closed_ || view_.QuitRequested() || output_.Broken();
}

bool TConsoleSession::Playing() const {
    return front_end_.Player().State() == bsResponding && !front_end_.Player().WaitingForReturn();
}

bool TConsoleSession::Typing() const {
    TBalloonState state = front_end_.Player().State();
    return state == bsAnswered || state == bsListening;
}

bool TConsoleSession::ReadyForLine() const {
    return Typing() || front_end_.Player().WaitingForReturn();
}

// The window needs Enter to open the balloon after an answer; here the user's line does it.
// The balloon stays closed meanwhile, so that a timer's answer or a switch of character does
// not log an empty line for typing that never happened.
void TConsoleSession::OpenForTyping() {
    if (front_end_.Player().State() == bsAnswered) front_end_.Enter();
}

void TConsoleSession::Wait() {
    TLineInput& input = terminal_.Input();
    std::array<pollfd, 3> watched{{{termination_.Fd(), POLLIN, 0},
                                   {wake_fd_, POLLIN, 0},
                                   {input.Ended() ? -1 : input.Fd(), POLLIN, 0}}};
    std::optional<int> delay = front_end_.NextTickDelay();
    int ready = poll(watched.data(), watched.size(), delay.value_or(-1));
    if (ready < 0) return;  // a signal interrupted the wait: the loop looks again
    if (ready == 0) {
        prompted_ = false;
        front_end_.Handle([this] { front_end_.Tick(); });
        return;
    }
    if (watched[0].revents != 0) {
        termination_.Acknowledge();
        Close();
        return;
    }
    if (watched[1].revents != 0) {
        Drain(wake_fd_);
        front_end_.Handle([this] { front_end_.DrainHandOver(); });
    }
    if (watched[2].revents != 0) input.ReadAvailable();
}

void TConsoleSession::Close() {
    front_end_.Handle([this] { front_end_.Close(); });
    closed_ = true;
}

void TConsoleSession::HandleLine(const std::string& line) {
    terminal_.Printer().InputTaken(terminal_.Echoes());
    TConsoleLine parsed = ParseConsoleLine(line);
    switch (parsed.command) {
        case EConsoleCommand::Say:
            Say(parsed.argument);
            break;
        case EConsoleCommand::Pat:
            if (parsed.argument.empty())
                front_end_.ShowPattingWindow();
            else
                SendPattingAction(parsed.argument);
            break;
        case EConsoleCommand::Change:
            ChangeCharacter(parsed.argument);
            break;
        case EConsoleCommand::Profile:
            terminal_.Say(ProfileText(front_end_.User()));
            break;
        case EConsoleCommand::Settings:
            terminal_.Say(SettingsText(front_end_.Settings()));
            break;
        case EConsoleCommand::About:
            front_end_.ShowAboutDialog();
            break;
        case EConsoleCommand::Help:
            terminal_.Say(CommandList());
            break;
        case EConsoleCommand::Quit:
            Close();
            break;
        case EConsoleCommand::Unknown:
            terminal_.Say(TranslatedUtf8(kConsoleUnknownCommand, parsed.argument) + "\n" +
                          CommandList());
            break;
    }
}

// A line while the answer waits for Enter continues it, whatever it says.
void TConsoleSession::Say(const std::string& text) {
    if (Typing()) {
        OpenForTyping();
        view_.SetBalloonText(Utf8ToUtf16(text));
    }
    front_end_.Enter();
}

void TConsoleSession::SendPattingAction(std::string_view number) {
    size_t actions = front_end_.PattingLists().messages.size();
    if (actions == 0) {
        terminal_.Say(TranslatedUtf8(kConsoleNoActions));
        return;
    }
    size_t action = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), action);
    if (error != std::errc() || end != number.data() + number.size() || action < 1 ||
        action > actions) {
        terminal_.Say(TranslatedUtf8(kConsoleNoSuchAction, number));
        return;
    }
    OpenForTyping();
    front_end_.ChoosePattingAction(action - 1);
}

void TConsoleSession::ChangeCharacter(const std::string& path) {
    if (path.empty())
        front_end_.ChangeCharacter();
    else
        front_end_.SwitchCharacter(PackageArgument(path));
}

}  // namespace kiova
