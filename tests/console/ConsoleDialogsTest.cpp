// The settings dialog's user page as questions on a terminal: the same check and messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include "BalloonPrinter.h"
#include "CodePage.h"
#include "ConsoleDialogs.h"
#include "ConsoleTerminal.h"
#include "LineInput.h"
#include "StringSink.h"
#include "User.h"

namespace kiova {
namespace {
using testing::TStringSink;

struct TAsked {
    std::optional<TProfileFields> fields;
    std::string output;
};

TAsked Ask(const std::string& answers) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    EXPECT_EQ(write(fds[1], answers.data(), answers.size()), static_cast<ssize_t>(answers.size()));
    close(fds[1]);
    TStringSink sink;
    TBalloonPrinter printer(sink, false);
    TLineInput input(fds[0]);
    TConsoleTerminal terminal(printer, input, -1, false);
    TAsked asked{AskProfile(terminal, TProfileFields{}), ""};
    close(fds[0]);
    asked.output = sink.text;
    return asked;
}

TEST(ConsoleDialogsTest, AsksTheProfileUntilItPasses) {
    const TProfileFields taro{"Yamada", "Taro", "taro", "Taro", true, 1980, 5, 5};
    const TProfileFields smiling{"Yamada", "Taro", "😀", "Taro", true, 1980, 5, 5};
    const TProfileFields hanako{"山田", "Hanako", "hana", "Hana", false, 2000, 2, 29};
    const struct {
        const char* name;
        std::string answers;
        std::optional<TProfileFields> fields;
        std::string message;  // shown on the way, if any
    } cases[] = {
        {"valid", "Yamada\nTaro\ntaro\nTaro\n男\n1980/05/05\n", taro, ""},
        {"Japanese, female, leap day", "山田\nHanako\nhana\nHana\n女\n2000-02-29\n", hanako, ""},
        // An empty answer keeps the field's value, which starts empty: asked again.
        {"empty name", "\nTaro\ntaro\nTaro\n男\n1980/05/05\nYamada\n\n\n\n\n\n", taro,
         "空欄があります"},
        {"no such day", "Yamada\nTaro\ntaro\nTaro\n男\n1980/02/30\n\n\n\n\n\n1980/5/5\n", taro,
         "不正な日付です"},
        {"not a date", "Yamada\nTaro\ntaro\nTaro\n男\nyesterday\n\n\n\n\n\n1980/05/05\n", taro,
         "不正な日付です"},
        {"year out of range", "Yamada\nTaro\ntaro\nTaro\n男\n1800/01/01\n\n\n\n\n\n1980/05/05\n",
         taro, "不正な日付です"},
        {"sex asked again", "Yamada\nTaro\ntaro\nTaro\nx\n男\n1980/05/05\n", taro, ""},
        {"any letter", "Yamada\nTaro\n😀\nTaro\n男\n1980/05/05\n", smiling, ""},
        {"input ends", "Yamada\nTaro\n", std::nullopt, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TAsked asked = Ask(test.answers);
        EXPECT_EQ(asked.fields, test.fields);
        if (!test.message.empty()) {
            EXPECT_NE(asked.output.find(test.message), std::string::npos);
        }
    }
}

TEST(ConsoleDialogsTest, ProfileTextShowsTheFields) {
    TUser user{"Yamada", "Taro", "taro", "Tar", false, 29346};  // 1980/05/05
    EXPECT_EQ(ProfileText(user),
              "苗字: Yamada\n名前: Taro\nハンドルネーム: taro\nニックネーム: Tar\n性別: 女\n"
              "誕生日: 1980/05/05");
}

}  // namespace
}  // namespace kiova
