#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "LineInput.h"

namespace kiova {
namespace {

// The lines a pipe carrying `sent` gives, the end of input included.
std::vector<std::string> LinesOf(const std::string& sent) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    EXPECT_EQ(write(fds[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
    close(fds[1]);
    TLineInput input(fds[0]);
    std::vector<std::string> lines;
    while (std::optional<std::string> line = input.ReadLine(-1)) lines.push_back(*line);
    EXPECT_TRUE(input.Ended());
    close(fds[0]);
    return lines;
}

TEST(LineInputTest, SplitsLinesAndDropsControlCharacters) {
    const struct {
        const char* name;
        std::string sent;
        std::vector<std::string> lines;
    } cases[] = {
        {"nothing", "", {}},
        {"LF and CR LF", "a\nb\r\n", {"a", "b"}},
        {"empty lines count", "\n\nx\n", {"", "", "x"}},
        {"an unfinished last line", "a\nb", {"a", "b"}},
        {"Japanese", "こんにちは\n", {"こんにちは"}},
        {"NUL, escape and DEL dropped, tab kept",
         std::string("a\0b\x1b[A\x7f\tc\n", 10),
         {"ab[A\tc"}},
        {"a CR inside a line", "a\rb\n", {"ab"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(LinesOf(test.sent), test.lines);
    }
}

// A line of several megabytes keeps its first MiB (never half a letter), the rest of it is
// dropped, and standard error says so once; the lines around it are untouched.
TEST(LineInputTest, LineOverOneMebibyteIsCutThere) {
    const std::string letter = "あ";  // three bytes: the cut falls inside one
    std::string huge;
    while (huge.size() < 3 * kMaxLineBytes) huge += letter;
    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::string sent = "before\n" + huge + "\nafter\n";
    ASSERT_EQ(std::fwrite(sent.data(), 1, sent.size(), file), sent.size());
    std::fflush(file);
    std::rewind(file);
    ::testing::internal::CaptureStderr();
    TLineInput input(fileno(file));
    std::vector<std::string> lines;
    while (std::optional<std::string> line = input.ReadLine(-1)) lines.push_back(*line);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    std::fclose(file);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], "before");
    EXPECT_EQ(lines[1], huge.substr(0, kMaxLineBytes / 3 * 3));
    EXPECT_EQ(lines[2], "after");
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

}  // namespace
}  // namespace kiova
