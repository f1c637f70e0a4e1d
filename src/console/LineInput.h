// Lines of standard input (UTF-8, without their line break or a CR before it), read as they
// arrive so that the program's loop can wait on its timer and signals at the same time.
// Control characters other than tab are dropped: a NUL or a stray escape is no text, and the
// balloon's edit control could not hold one either. A line longer than kMaxLineBytes is cut
// there (the rest of it is dropped, and standard error says so once per line), and input is
// split in time linear in its length, so a huge line costs neither memory nor minutes.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace kiova {

inline constexpr size_t kMaxLineBytes = size_t{1} << 20;

class TLineInput {
public:
    explicit TLineInput(int fd);

    int Fd() const { return fd_; }
    bool IsTerminal() const { return terminal_; }
    // Reads what has arrived, without blocking once the first read has returned. At the end of
    // input an unfinished last line counts as a line.
    void ReadAvailable();
    bool HasLine() const { return !lines_.empty(); }
    std::optional<std::string> TakeLine();
    // The line TakeLine would give; only while HasLine.
    const std::string& PeekLine() const { return lines_.front(); }
    // The end of input has been read (lines may still wait to be taken).
    bool Ended() const { return ended_; }
    // Waits for a line; nothing at the end of input or once `interrupt_fd` is readable (a
    // termination signal), which is left for the caller's loop to see. For the dialogs.
    std::optional<std::string> ReadLine(int interrupt_fd);

private:
    // Splits what has arrived; `from` is where the bytes not yet searched begin.
    void SplitLines(size_t from);
    void CutLongLine();
    void AddLine(std::string line);

    int fd_;
    bool terminal_;
    bool ended_ = false;
    std::string partial_;
    bool dropping_rest_ = false;  // of a line that has been cut
    std::deque<std::string> lines_;
};

}  // namespace kiova
