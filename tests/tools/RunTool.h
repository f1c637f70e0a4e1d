// Runs kiova-tool as a child process, feeding standard input and capturing both outputs.
#pragma once

#include <string>
#include <vector>

namespace kiova::testing {

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The tool runs under `locale` alone (LANG; the other locale variables unset), so that its
// messages are in that locale's language whatever the tests' environment.
ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "",
                   const std::string& locale = "C.UTF-8");

}  // namespace kiova::testing
