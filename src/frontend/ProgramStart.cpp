#include "ProgramStart.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>

#include "CharacterList.h"
#include "CharacterLock.h"
#include "CodePage.h"
#include "Files.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "UiTexts.h"
#include "bmCharCode.h"

namespace kiova {
namespace {
int signal_socket[2] = {-1, -1};
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnTerminationSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t written = write(signal_socket[1], &byte, 1);
}
}  // namespace

std::optional<std::string> PrepareProgramFolder() {
    try {
        bmccSetDefaultCharCode(bmccCodePage2CharCode(CodePage()));
        return OpenProgramFolder().path;
    } catch (const std::exception& error) {
        std::cerr << "kiova: " << error.what() << '\n';
        return std::nullopt;
    }
}

std::string PackageArgument(std::string_view package) {
    if (package.empty()) return {};
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(std::string(package), error);
    return PathText(error ? std::filesystem::path(std::string(package)) : path);
}

std::string StartPackage(const std::string& program_folder, const std::string& package_argument) {
    if (!package_argument.empty()) return package_argument;
    std::vector<std::string> known =
        ReadCharacterList(program_folder + std::string(kSettingsFileName));
    return known.empty() ? std::string() : known.front();
}

bool RunsElsewhere(const std::string& program_folder, const std::string& package) {
    if (package.empty() || !CharacterRunsElsewhere(program_folder, package)) return false;
    std::cerr << "kiova: " << TranslatedUtf8(kRunsElsewhere, NativePath(package).string()) << '\n';
    return true;
}

TTerminationSignals::TTerminationSignals() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_socket) != 0) return;
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal_number : kTerminationSignals) sigaction(signal_number, &action, nullptr);
}

TTerminationSignals::~TTerminationSignals() {
    if (signal_socket[0] < 0) return;
    for (int signal_number : kTerminationSignals) signal(signal_number, SIG_DFL);
    close(signal_socket[0]);
    close(signal_socket[1]);
    signal_socket[0] = signal_socket[1] = -1;
}

int TTerminationSignals::Fd() const {
    return signal_socket[0];
}

void TTerminationSignals::Acknowledge() {
    char byte;
    [[maybe_unused]] ssize_t got = read(signal_socket[0], &byte, 1);
}

}  // namespace kiova
