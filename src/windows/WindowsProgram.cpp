#include "WindowsProgram.h"

#include <QApplication>
#include <QDesktopServices>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QUrl>
#include <cstdlib>

#include "CharacterLock.h"
#include "ChatLog.h"
#include "ComeForwardSocket.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "InstalledFolders.h"
#include "ProgramIcon.h"
#include "ProgramStart.h"
#include "QtText.h"
#include "QtTimerSource.h"
#include "SdlSound.h"
#include "Translation.h"
#include "UiTexts.h"

namespace kiova {
namespace {
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

bool OpenWithDesktop(const std::string& target) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

// Termination signals arrive through a socket, so the close runs on the event loop (a
// dialog's own loop included).
void CloseOnSignals(TTerminationSignals& termination, TFormMain& form) {
    if (termination.Fd() < 0) return;
    auto* notifier = new QSocketNotifier(termination.Fd(), QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&termination, &form] {
        termination.Acknowledge();
        form.EndFromOutside();
    });
}
// Another start of the running character asks through the socket.
void ComeForwardOnRequest(TComeForwardSocket& socket, TFormMain& form) {
    if (socket.Fd() < 0) return;
    auto* notifier = new QSocketNotifier(socket.Fd(), QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&socket, &form] {
        if (socket.TakeRequests()) form.ShowAndActivate();
    });
}
}  // namespace

int RunWindowsProgram(int& argc, char** argv, std::string_view package) {
    PreferXWayland();
    QApplication application(argc, argv);
    TTranslations translations(UiLanguage(), TranslationFolders());
    QApplication::setApplicationName(ToQString(kApplicationTitle));
    QApplication::setWindowIcon(ProgramIcon());
    // Hiding the main window must not end the program; it ends by closing.
    QApplication::setQuitOnLastWindowClosed(false);
    std::optional<std::string> program_folder = PrepareProgramFolder();
    if (!program_folder) return 1;
    // A second start of a running character brings its window forward instead.
    std::string start_package = StartPackage(*program_folder, PackageArgument(package));
    if (AskToComeForward(*program_folder, start_package)) return 0;
    if (RunsElsewhere(*program_folder, start_package)) return 1;

    TTerminationSignals termination;  // before the window, whose notifier watches it
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
        {*program_folder, ConversationLogPath(*program_folder), OpenWithDesktop, wake_up}, form,
        sound, timer);
    woken = &front_end;
    form.Attach(front_end, timer);
    CloseOnSignals(termination, form);
    TComeForwardSocket come_forward(*program_folder);
    ComeForwardOnRequest(come_forward, form);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.EndFromOutside(); });

    bool started = false;
    form.Forward([&] { started = front_end.Start(start_package); });
    // Ended from outside during start-up (from the first-start profile dialog, say): closed
    // as documented, not a failure.
    bool running = started || front_end.Character() != nullptr;
    if (running && !front_end.Closed()) QApplication::exec();
    form.Forward([&front_end] { front_end.Shutdown(); });
    return running || front_end.Closed() ? 0 : 1;
}

}  // namespace kiova
