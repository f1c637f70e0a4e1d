#include <gtest/gtest.h>

#include "Crypt.h"
#include "DataFile.h"
#include "KiovaError.h"
#include "TempFolder.h"
#include "TextUtils.h"

namespace kiova {
namespace {

using testing::TempFolder;
using namespace std::string_literals;

struct ReadLines {
    std::vector<std::string> lines;
    std::vector<uint32_t> numbers;
    bool nul = false;
    uint32_t after_nul = 0;
};

ReadLines ReadAll(const std::string& path) {
    TDataLineReader reader(path);
    ReadLines read;
    for (std::string line; reader.Next(line);) {
        read.lines.push_back(line);
        read.numbers.push_back(reader.LineNumber());
    }
    read.nul = reader.EndedAtNul();
    read.after_nul = reader.CountLinesAfterNul();
    return read;
}

// The reader gives the lines SplitLines gives for the whole text, one block at a time, and
// numbers them as they stand in the file.
TEST(DataLineReader, LinesAsTheWholeTextSplitsThem) {
    const std::string long_line(64 * 1024 - 1,
                                'x');  // its CR ends one block, its LF starts the next
    const std::string enciphered = JoinLinesCrLf(EncipherLines({"one", "", "two"}, "key"));
    const struct {
        std::string text;
        std::vector<uint32_t> numbers;
        bool nul;
        uint32_t after_nul;
    } cases[] = {
        {"a\r\nb\rc\nd", {1, 2, 3, 4}, false, 0},
        {"a\r\n\r\n\n", {1, 2, 3}, false, 0},
        {"", {}, false, 0},
        {long_line + "\r\nb\r\n", {1, 2}, false, 0},
        {"a\r\nb\0rest\r\nc\r\nd"s, {1, 2}, true, 2},
        {"\0a\r\n"s, {}, true, 0},
        {enciphered, {2, 3, 4}, false, 0},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.Write("data.txt", c.text);
        const ReadLines read = ReadAll(path);
        std::vector<std::string> expected = SplitLines(c.text);
        if (c.text == enciphered) expected = {"one", "", "two"};
        EXPECT_EQ(read.lines, expected) << c.text.substr(0, 20);
        EXPECT_EQ(read.numbers, c.numbers) << c.text.substr(0, 20);
        EXPECT_EQ(read.nul, c.nul) << c.text.substr(0, 20);
        EXPECT_EQ(read.after_nul, c.after_nul) << c.text.substr(0, 20);
    }
    EXPECT_THROW(TDataLineReader(folder / "missing.txt"), EKiovaError);
}

}  // namespace
}  // namespace kiova
