#include <gtest/gtest.h>

#include "ChatLog.h"
#include "Clock.h"
#include "CodePage.h"
#include "ErrorLog.h"
#include "TempFolder.h"

namespace kiova {
namespace {
using testing::TempFolder;

constexpr TDateTime kMoment = 45356.0 + (9 * 3600 + 5 * 60 + 7) / 86400.0;  // 2024/03/05 09:05:07

TEST(ChatLogTest, EachEntryBecomesOneTrimmedLine) {
    TempFolder folder;
    TChatLog log(folder / "chat.log");
    log.Write("  Hello \t");
    log.Write("Hi\r\nthere");
    log.Write("   ");
    log.Write("lone\rCR");
    EXPECT_EQ(folder.Read("chat.log"), "Hello\nHi{BR}there\n\nlone\rCR\n");  // a new log: LF
}

TEST(ChatLogTest, AppendsBelowALastLineWithoutItsLineEnd) {
    TempFolder folder;
    folder.Write("chat.log", "older\r\nunfinished");
    TChatLog(folder / "chat.log").Write("new");
    EXPECT_EQ(folder.Read("chat.log"), "older\r\nunfinished\r\nnew\r\n");
}

// A log from Windows stays in its code page until an entry does not fit; then it all is UTF-8.
TEST(ChatLogTest, KeepsTheCodePageOfTheLogUntilAnEntryDoesNotFit) {
    TempFolder folder;
    folder.Write("chat.log", "\x93\xFA\x96\x7B\r\n");
    TChatLog log(folder / "chat.log");
    log.Write("猫");
    EXPECT_EQ(folder.Read("chat.log"), "\x93\xFA\x96\x7B\r\n\x94\x4C\r\n");
    log.Write("Zoë 🐱");
    log.Write("猫");
    EXPECT_EQ(folder.Read("chat.log"), "日本\r\n猫\r\nZoë 🐱\r\n猫\r\n");
}

TEST(ChatLogTest, StartAndEndEntries) {
    EXPECT_EQ(StartChattingEntry(kMoment, "Alice"),
              "## 2024/03/05 09:05:07 # Start chatting with Alice");
    EXPECT_EQ(EndChattingEntry(kMoment, "Alice"),
              "## 2024/03/05 09:05:07 # End chatting with Alice");
}

class ErrorLogTest : public ::testing::Test {
protected:
    ErrorLogTest() { SetClock(std::make_shared<TFixedClock>(kMoment, kMoment)); }
    ~ErrorLogTest() override { SetClock(nullptr); }
    TempFolder folder;
};

TEST_F(ErrorLogTest, NewestEntryFirstWithQuotesDoubled) {
    TErrorLog log(folder / "KiovaErr.log");
    log.Write("It's");
    SetClock(std::make_shared<TFixedClock>(kMoment + 1.0 / 24, kMoment));
    log.Write("two\r\nlines");
    EXPECT_EQ(folder.Read("KiovaErr.log"),
              "## 2024/03/05 10:05:07 [Kiova]: 'two{BR}lines'\n"
              "## 2024/03/05 09:05:07 [Kiova]: 'It''s'\n");
}

TEST_F(ErrorLogTest, AnOldLogKeepsItsCodePageAndLineEnds) {
    folder.Write("KiovaErr.log", "\x93\xFA\x96\x7B\r\n");
    TErrorLog log(folder / "KiovaErr.log");
    log.Write("起動に失敗しました");
    EXPECT_EQ(AnsiToUtf8(folder.Read("KiovaErr.log"), 932),
              "## 2024/03/05 09:05:07 [Kiova]: '起動に失敗しました'\r\n日本\r\n");
}

}  // namespace
}  // namespace kiova
