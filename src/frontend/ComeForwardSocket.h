// The listening end of the hand-over between starts: a local socket in the program folder,
// named after this process, on which a second start of a running character asks the process to
// bring its window forward (CharacterLock.h is the asking end).
#pragma once

#include <string>
#include <string_view>

namespace kiova {

class TComeForwardSocket {
public:
    // Listens in the program folder (ANSI); Fd() is -1 when the socket could not be made.
    explicit TComeForwardSocket(std::string_view program_folder);
    // Closes and removes the socket.
    ~TComeForwardSocket();
    TComeForwardSocket(const TComeForwardSocket&) = delete;
    TComeForwardSocket& operator=(const TComeForwardSocket&) = delete;

    // Readable when a request waits.
    int Fd() const { return fd_; }
    // Takes every waiting request; true when there was one.
    bool TakeRequests();

private:
    int fd_ = -1;
    std::string path_;
};

// Asks the process `pid` that listens in the program folder (ANSI) to come forward; false when
// it does not listen.
bool SendComeForward(std::string_view program_folder, long pid);

}  // namespace kiova
