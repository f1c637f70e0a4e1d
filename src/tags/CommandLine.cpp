#include "CommandLine.h"

namespace kiova {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view command_line) {
    std::vector<std::u16string> arguments;
    size_t i = 0;
    while (true) {
        while (i < command_line.size() && IsBlank(command_line[i])) ++i;
        if (i == command_line.size()) return arguments;

        std::u16string argument;
        bool quoted = false;
        while (i < command_line.size() && (quoted || !IsBlank(command_line[i]))) {
            size_t backslashes = 0;
            while (i < command_line.size() && command_line[i] == u'\\') ++backslashes, ++i;
            if (i < command_line.size() && command_line[i] == u'"') {
                argument.append(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    argument += u'"';
                } else if (quoted && i + 1 < command_line.size() && command_line[i + 1] == u'"') {
                    argument += u'"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, u'\\');
                if (backslashes == 0) argument += command_line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

}  // namespace kiova
