#include <gtest/gtest.h>

#include "ConsoleCommands.h"

namespace kiova {
namespace {

TEST(ConsoleCommandsTest, ParsesLinesIntoTextAndCommands) {
    using enum EConsoleCommand;
    const struct {
        const char* line;
        TConsoleLine parsed;
    } cases[] = {
        {"hello", {Say, "hello"}},
        {"", {Say, ""}},
        {"  /pat", {Say, "  /pat"}},  // only a line that starts with "/" is a command
        {"こんにちは", {Say, "こんにちは"}},
        {"//pat 1", {Say, "/pat 1"}},
        {"//", {Say, "/"}},
        {"/pat", {Pat, ""}},
        {"/pat 2", {Pat, "2"}},
        {"/PAT\t 3 ", {Pat, "3"}},
        {"/change", {Change, ""}},
        {"/change /home/u/my chars/b.ktc", {Change, "/home/u/my chars/b.ktc"}},
        {"/profile", {Profile, ""}},
        {"/settings", {Settings, ""}},
        {"/about", {About, ""}},
        {"/help", {Help, ""}},
        {"/quit", {Quit, ""}},
        {"/patting", {Unknown, "/patting"}},
        {"/", {Unknown, "/"}},
        {"/nonsense x", {Unknown, "/nonsense x"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line);
        EXPECT_EQ(ParseConsoleLine(test.line), test.parsed);
    }
}

}  // namespace
}  // namespace kiova
