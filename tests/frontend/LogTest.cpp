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
    EXPECT_EQ(folder.Read("chat.log"), "Hello\r\nHi{BR}there\r\n\r\nlone\rCR\r\n");
}

TEST(ChatLogTest, AppendsBelowALastLineWithoutItsLineEnd) {
    TempFolder folder;
    folder.Write("chat.log", "older\r\nunfinished");
    TChatLog(folder / "chat.log").Write("new");
    EXPECT_EQ(folder.Read("chat.log"), "older\r\nunfinished\r\nnew\r\n");
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
              "## 2024/03/05 10:05:07 [Kiova]: 'two{BR}lines'\r\n"
              "## 2024/03/05 09:05:07 [Kiova]: 'It''s'\r\n");
}

TEST_F(ErrorLogTest, MessagesStayInTheCodePage) {
    TErrorLog log(folder / "KiovaErr.log");
    log.Write(Utf8ToAnsi("起動に失敗しました"));
    EXPECT_EQ(AnsiToUtf8(folder.Read("KiovaErr.log")),
              "## 2024/03/05 09:05:07 [Kiova]: '起動に失敗しました'\r\n");
}

}  // namespace
}  // namespace kiova
