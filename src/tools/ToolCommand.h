// The subcommands of kiova-tool. Each gets the arguments after its name and returns the exit
// status: 0 success, 1 failure (one "kiova-tool: " line on standard error), 2 usage error.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kiova::tool {

using Arguments = std::vector<std::string>;

struct ToolCommand {
    const char* name;
    const char* usage;  // shown by --help, after "kiova-tool "
    int (*run)(const Arguments& args);
};

// Raised by a command for bad usage; the tool prints it with the usage line and exits 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Raised by a command for a failure; the tool prints "kiova-tool: " + message and exits 1.
struct ToolError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int RunInfoCommand(const Arguments& args);
int RunEncryptCommand(const Arguments& args);
int RunDecryptCommand(const Arguments& args);
int RunChatCommand(const Arguments& args);
int RunEvalCommand(const Arguments& args);
int RunPictureCommand(const Arguments& args);
int RunCheckCommand(const Arguments& args);
int RunConvertCommand(const Arguments& args);

}  // namespace kiova::tool
