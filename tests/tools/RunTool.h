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

ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace kiova::testing
