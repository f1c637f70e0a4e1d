// A text sink that keeps what the terminal view writes.
#pragma once

#include <string>
#include <string_view>

#include "TerminalOutput.h"

namespace kiova::testing {

class TStringSink final : public TTextSink {
public:
    void Write(std::string_view utf8) override { text += utf8; }
    std::string text;
};

}  // namespace kiova::testing
