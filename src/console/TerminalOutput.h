// Where the terminal view's text goes. TTerminalOutput writes it to a file descriptor whole and
// notes the first failure (a closed pipe, a full disk), after which nothing more is tried, so
// the program can end cleanly and save its state.
#pragma once

#include <string_view>

namespace kiova {

class TTextSink {
public:
    virtual ~TTextSink() = default;
    virtual void Write(std::string_view utf8) = 0;
};

class TTerminalOutput final : public TTextSink {
public:
    explicit TTerminalOutput(int fd) : fd_(fd) {}
    void Write(std::string_view utf8) override;
    bool Broken() const { return broken_; }

private:
    int fd_;
    bool broken_ = false;
};

}  // namespace kiova
