#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <utility>

extern char** environ;

namespace kiova {
namespace {

// Programs that were let go while still running; reaped as soon as they have ended.
class TAbandonedChildren {
public:
    void Add(pid_t pid) {
        std::lock_guard lock(mutex_);
        pids_.push_back(pid);
    }
    void ReapEnded() {
        std::lock_guard lock(mutex_);
        std::erase_if(pids_, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
    }

private:
    std::mutex mutex_;
    std::vector<pid_t> pids_;
};

TAbandonedChildren& AbandonedChildren() {
    static TAbandonedChildren children;
    return children;
}

// posix_spawn's attribute and file-action objects, released on every path.
struct TSpawnSetup {
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
    TSpawnSetup() {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~TSpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    TSpawnSetup(const TSpawnSetup&) = delete;
    TSpawnSetup& operator=(const TSpawnSetup&) = delete;
};

}  // namespace

TChildProcess::TChildProcess(TChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), ended_(other.ended_) {}

TChildProcess::~TChildProcess() {
    if (pid_ <= 0 || ended_ || HasEnded()) return;
    AbandonedChildren().Add(pid_);
}

bool TChildProcess::HasEnded() {
    if (!ended_) {
        pid_t result = ::waitpid(pid_, nullptr, WNOHANG);
        ended_ = result != 0;  // ended, or an error: either way nothing is left to wait for
    }
    return ended_;
}

std::optional<int> TChildProcess::WaitForExit() {
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(pid_, &status, 0);
    } while (result < 0 && errno == EINTR);
    ended_ = true;
    if (result != pid_ || !WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

std::optional<TChildProcess> StartHiddenProgram(const std::vector<std::string>& arguments,
                                                TProgramLookup lookup) {
    AbandonedChildren().ReapEnded();
    if (arguments.empty()) return std::nullopt;

    TSpawnSetup setup;
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(&setup.actions, fd, "/dev/null",
                                         fd == 0 ? O_RDONLY : O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3);
    // The program starts with no blocked signals and SIGPIPE at its default, whatever this
    // process has set for itself.
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&setup.attributes, &signals);
    sigaddset(&signals, SIGPIPE);
    posix_spawnattr_setsigdefault(&setup.attributes, &signals);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const auto spawn = lookup == TProgramLookup::SearchPath ? posix_spawnp : posix_spawn;
    if (spawn(&pid, argv[0], &setup.actions, &setup.attributes, argv.data(), environ) != 0)
        return std::nullopt;
    return TChildProcess(pid);
}

}  // namespace kiova
