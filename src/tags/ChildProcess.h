// Starting external programs without a shell, and watching them end.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace kiova {

// A started program. Destroying the object before the program ended leaves the program running;
// it is reaped later, when it has ended, so it never lingers as a zombie.
class TChildProcess {
public:
    explicit TChildProcess(pid_t pid) : pid_(pid) {}
    TChildProcess(TChildProcess&& other) noexcept;
    TChildProcess& operator=(TChildProcess&&) = delete;
    ~TChildProcess();

    pid_t Pid() const { return pid_; }
    // True once the program has ended (or can no longer be waited for). Does not block.
    bool HasEnded();
    // Blocks until the program ends; its exit status, or nothing when it did not exit normally.
    std::optional<int> WaitForExit();

private:
    pid_t pid_;
    bool ended_ = false;
};

enum class TProgramLookup { AsGiven, SearchPath };

// Starts `arguments[0]` with `arguments` as its argument vector (no shell), its standard input,
// output and error on /dev/null and no other descriptor of this process open. With SearchPath a
// name without "/" is looked up in PATH. Nothing when it cannot be started.
std::optional<TChildProcess> StartHiddenProgram(const std::vector<std::string>& arguments,
                                                TProgramLookup lookup);

}  // namespace kiova
