#include "WindowsProgram.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QUrl>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "ChatLog.h"
#include "CodePage.h"
#include "Files.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "ProgramFolder.h"
#include "ProgramIcon.h"
#include "QtText.h"
#include "QtTimerSource.h"
#include "SdlSound.h"
#include "UiTexts.h"
#include "bmCharCode.h"

namespace kiova {
namespace {
int signal_pipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t written = write(signal_pipe[1], &byte, 1);
}

// A Wayland client can neither place its window nor keep it on top, so the program goes
// through XWayland where there is one, unless the user chose a platform.
void PreferXWayland() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    if ((chosen == nullptr || *chosen == '\0') && wayland != nullptr && *wayland != '\0' &&
        x11 != nullptr && *x11 != '\0')
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// The command line's package as the character list keeps it: absolute, in the code page.
std::string PackageArgument(std::string_view package) {
    if (package.empty()) return {};
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(std::string(package), error);
    return AnsiPath(error ? std::filesystem::path(std::string(package)) : path);
}

bool OpenWithDesktop(const std::string& target) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

// Termination signals arrive through a socket, so the close runs on the event loop.
void CloseOnSignals(TFormMain& form, TFrontEnd& front_end) {
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) return;
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, &front_end] {
        char byte;
        [[maybe_unused]] ssize_t got = read(signal_pipe[0], &byte, 1);
        form.Forward([&front_end] { front_end.Close(false); });
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
}  // namespace

int RunWindowsProgram(int& argc, char** argv, std::string_view package) {
    PreferXWayland();
    QApplication application(argc, argv);
    QApplication::setApplicationName(ToQString(kApplicationTitle));
    QApplication::setWindowIcon(ProgramIcon());
    // Hiding the main window must not end the program; it ends by closing.
    QApplication::setQuitOnLastWindowClosed(false);
    std::string program_folder;
    try {
        bmccSetDefaultCharCode(bmccCodePage2CharCode(CodePage()));
        program_folder = OpenProgramFolder().path;
    } catch (const std::exception& error) {
        std::cerr << "kiova: " << error.what() << '\n';
        return 1;
    }

    TFormMain form;
    TSdlSound sound;
    TQtTimerSource timer;
    TFrontEnd* woken = nullptr;  // set once the front end exists; workers start only after
    auto wake_up = [&form, &woken] {
        QMetaObject::invokeMethod(
            &form, [&form, &woken] { form.Forward([&woken] { woken->DrainHandOver(); }); },
            Qt::QueuedConnection);
    };
    TFrontEnd front_end(
        {program_folder, ConversationLogPath(program_folder), OpenWithDesktop, wake_up}, form,
        sound, timer);
    woken = &front_end;
    form.Attach(front_end, timer);
    CloseOnSignals(form, front_end);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form, &front_end](QSessionManager&) {
                         form.Forward([&front_end] { front_end.Close(false); });
                     });

    bool started = false;
    form.Forward([&] { started = front_end.Start(PackageArgument(package)); });
    if (!started && front_end.Character() == nullptr) {
        front_end.Shutdown();
        return 1;
    }
    QApplication::exec();
    form.Forward([&front_end] { front_end.Shutdown(); });
    return 0;
}

}  // namespace kiova
