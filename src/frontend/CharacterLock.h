// One process per character. The process that runs a character holds an exclusive lock on
// ".kiova-KEY.lock" in the program folder (KEY: a hash of the package's absolute path), with its
// process id inside; the lock goes with the process, however it ends. A second start of the
// character finds the lock taken and asks that process, through its local socket
// ".kiova-PID.socket" in the same folder, to bring its window forward.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiova {

class TCharacterLock {
public:
    // Takes the lock of the package (ANSI path) in the program folder (ANSI). Nothing when
    // another process holds it. When `held` is the same character's lock (the character loaded
    // again), the new lock shares it. A folder where no lock file can be made gives an empty
    // lock, which holds nothing: a read-only folder must not stop the program.
    static std::optional<TCharacterLock> Take(std::string_view program_folder,
                                              std::string_view package_path,
                                              const TCharacterLock& held);
    TCharacterLock() = default;
    TCharacterLock(TCharacterLock&& other) noexcept;
    TCharacterLock& operator=(TCharacterLock&& other) noexcept;
    ~TCharacterLock();

private:
    TCharacterLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    void Release();

    int fd_ = -1;
    std::string path_;
};

// Whether another process runs the package; opens the lock file only to look, writing nothing.
bool CharacterRunsElsewhere(std::string_view program_folder, std::string_view package_path);

// Asks the process that runs the package to bring its window forward; false when none runs it
// or it does not listen.
bool AskToComeForward(std::string_view program_folder, std::string_view package_path);

}  // namespace kiova
