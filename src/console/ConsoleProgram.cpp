#include "ConsoleProgram.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <iostream>

#include "BalloonPrinter.h"
#include "ChatLog.h"
#include "ConsoleSession.h"
#include "ConsoleTerminal.h"
#include "ConsoleTexts.h"
#include "ConsoleView.h"
#include "FrontEnd.h"
#include "InstalledFolders.h"
#include "LineInput.h"
#include "ProgramStart.h"
#include "SdlSound.h"
#include "Settings.h"
#include "TerminalOutput.h"
#include "TimerSource.h"
#include "Translation.h"
#include "UserProfile.h"

namespace kiova {
namespace {
// The session's loop asks the front end when the next tick is due (NextTickDelay, which knows
// the interval) and ticks it itself, so this timer only has to exist.
class TLoopTimer final : public TTimerSource {
public:
    void Start(int, std::function<void()>) override {}
    void SetInterval(int) override {}
};

// Worker threads wake the loop through a pipe it watches.
class TWakePipe {
public:
    TWakePipe() {
        if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) fds_[0] = fds_[1] = -1;
    }
    ~TWakePipe() {
        if (fds_[0] < 0) return;
        close(fds_[0]);
        close(fds_[1]);
    }
    TWakePipe(const TWakePipe&) = delete;
    TWakePipe& operator=(const TWakePipe&) = delete;

    int ReadFd() const { return fds_[0]; }
    void Notify() const {
        char byte = 1;
        [[maybe_unused]] ssize_t written = write(fds_[1], &byte, 1);
    }

private:
    int fds_[2];
};

// Without a terminal to ask on, a missing profile cannot be entered: the program refuses to
// start rather than write anything.
bool ProfileMissing(const std::string& program_folder) {
    std::string settings_path = program_folder + std::string(kSettingsFileName);
    if (ParseUserProfile(ReadSettings(settings_path).user_profile)) return false;
    std::cerr << TranslatedUtf8(kConsoleNoProfile, settings_path) << '\n';
    return true;
}
}  // namespace

int RunConsoleProgram(int& argc, char** argv, std::string_view package, bool verbose) {
    QCoreApplication application(argc, argv);
    TTranslations translations(UiLanguage(), TranslationFolders());
    std::optional<std::string> program_folder = PrepareProgramFolder();
    if (!program_folder) return 1;
    std::string start_package = StartPackage(*program_folder, PackageArgument(package));
    if (RunsElsewhere(*program_folder, start_package)) return 1;
    TLineInput input(STDIN_FILENO);
    if (!input.IsTerminal() && ProfileMissing(*program_folder)) return 1;

    // A closed output is noticed by the failing write, and the program ends in order.
    signal(SIGPIPE, SIG_IGN);
    TTerminalOutput output(STDOUT_FILENO);
    bool live = isatty(STDOUT_FILENO) == 1;
    TBalloonPrinter printer(output, live);
    TTerminationSignals termination;
    TConsoleTerminal terminal(printer, input, termination.Fd(), live && input.IsTerminal());
    TConsoleView view(terminal, verbose);
    TSdlSound sound;
    TLoopTimer timer;
    TWakePipe wake;
    TFrontEnd front_end({*program_folder, ConversationLogPath(*program_folder), OpenWithXdgOpen,
                         [&wake] { wake.Notify(); }},
                        view, sound, timer);
    view.Attach(front_end);

    bool started = false;
    front_end.Handle([&] { started = front_end.Start(start_package); });
    if (!started && front_end.Character() == nullptr) {
        front_end.Shutdown();
        printer.EndLine();
        return front_end.Closed() ? 0 : 1;  // ended by the user or a signal at the first prompt
    }
    TConsoleSession(front_end, view, terminal, output, live, wake.ReadFd(), termination).Run();
    front_end.Handle([&front_end] { front_end.Shutdown(); });
    printer.EndLine();
    return 0;
}

}  // namespace kiova
