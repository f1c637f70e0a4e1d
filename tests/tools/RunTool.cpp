#include "RunTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string_view>

#include "TempFolder.h"

extern char** environ;

namespace kiova::testing {
namespace {

// This process's environment with LANG=`locale` as the only locale variable.
std::vector<std::string> EnvironmentUnder(const std::string& locale) {
    std::vector<std::string> environment{"LANG=" + locale};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (name != "LANG" && name != "LANGUAGE" && name != "LC_ALL" && name != "LC_MESSAGES")
            environment.emplace_back(entry);
    }
    return environment;
}

std::vector<char*> NullTerminated(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& string : strings) pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& args, const std::string& input,
                   const std::string& locale) {
    TempFolder io;
    const std::string in_path = io.Write("stdin", input);
    const std::string out_path = io / "stdout";
    const std::string err_path = io / "stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT, 0644);

    std::vector<std::string> argv_strings = {KIOVA_TOOL_PATH};
    argv_strings.insert(argv_strings.end(), args.begin(), args.end());
    std::vector<char*> argv = NullTerminated(argv_strings);
    std::vector<std::string> environment_strings = EnvironmentUnder(locale);
    std::vector<char*> environment = NullTerminated(environment_strings);

    ToolResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, KIOVA_TOOL_PATH, &actions, nullptr, argv.data(), environment.data()) ==
        0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = io.Read("stdout");
    result.err = io.Read("stderr");
    return result;
}

}  // namespace kiova::testing
