// The value tags through a real character, at the fixed instant Sunday 2003/05/04 18:07:09.
#include <set>

#include "DateText.h"
#include "TagFixture.h"

namespace kiova::testing {
namespace {

using ValueTags = TagFixture;

TEST_F(ValueTags, DateAndTime) {
    const TagCase cases[] = {
        {"{NOW}", "2003/05/04 18:07:09"},
        {"{DATE}|{TIME}", "2003/05/04|18:07:09"},
        {"{YEAR}/{MONTH}/{DAY} {HOUR}:{MINUTE}:{SECOND}", "2003/5/4 18:7:9"},
        {"{YOUBI}", "日曜"},
        {"{WORK}", "0"},
    };
    ExpectTagCases(cases);
    FixClock(TestNow() + 1.0 / 24 + 5.0 / 1440);  // 1 hour 5 minutes later
    EXPECT_EQ(Eval("{WORK}"), "5");
    FixClock(TestNow() + 5);
    EXPECT_EQ(Eval("{YOUBI}{DAY}"), "金曜9");
}

TEST_F(ValueTags, DateDifferencesAndSameDays) {
    const TagCase cases[] = {
        {"{DATEDIFFD2003/01/01|2003/01/31}", "30"},
        {"{DATEDIFFH2003/01/01|2003/01/02 06:00:00}", "30"},
        {"{DATEDIFFD2003/01/31|2003/01/01}", "-30"},
        {"{DATEDIFFX2003/01/01|2003/01/02}", "{DATEDIFFX2003/01/01|2003/01/02}"},
        {"{DATEDIFFN9:59|10:00}{DATEDIFFS0:0|0:0:1}", "11"},  // whole units, not 0.999...
        {"{DATEDIFFD2003/1/1 23:59|2003/1/2}", "0"},          // cut toward zero
        {"{datediffd2004/2/28|2004/3/1}", "2"},
        {"{DATEDIFFD2003/02/30|2003/03/01}", "{DATEDIFFD2003/02/30|2003/03/01}"},
        {"{DATEDIFFD03/1/1|2003/1/1}{DATEDIFFD|}", "{DATEDIFFD03/1/1|2003/1/1}{DATEDIFFD|}"},
        {"{ISSAMED1980/05/04|{DATE}}{ISSAMED1980/05/05|{DATE}}", "TrueFalse"},
        {"{ISSAMED2000/1/1|1999/01/01 12:00|junk}", "True"},  // only up to the next bar
        {"{ISSAMED2000/1/1|x}", "{ISSAMED2000/1/1|x}"},
    };
    ExpectTagCases(cases);
}

TEST_F(ValueTags, Profile) {
    EXPECT_EQ(Eval("{MYOJI}"), "{MYOJI}");  // no profile yet: empty texts
    TUser user;
    user.Myoji = "Yamada";
    user.Namae = "Taro";
    user.HandleName = "taro";
    user.NickName = "たろう";  // the profile is UTF-8, as the settings hold it
    user.Male = false;
    user.Birthday = *EncodeDate(1980, 5, 4);
    Character().SetUserProfile(user);
    const TagCase cases[] = {
        {"{MYOJI} {NAMAE} {FULLNAME}", "Yamada Taro YamadaTaro"},
        {"{HN}/{NICKNAME}/{SEX}/{BIRTHDAY}", "taro/たろう/False/1980/05/04"},
        {"{ISSAMED{BIRTHDAY}|{DATE}}", "True"},
    };
    ExpectTagCases(cases);
}

TEST_F(ValueTags, Conversation) {
    EXPECT_EQ(Eval("{TURN}{PREV}{PREVANSWER}{OPERATEMESSAGE}"),
              "0{PREV}{PREVANSWER}{OPERATEMESSAGE}");
    Respond("hello");
    Respond("ｈｏｗ are you");
    EXPECT_EQ(Eval("{TURN}|{PREV}|{PREVANSWER}|{OPERATEMESSAGE}"),
              "2|ｈｏｗ are you|HI THERE|HOW ARE YOU");
    Character().Respond(u"event", kTableMaskAll & ~3);
    EXPECT_EQ(Eval("{OPERATEMESSAGE}"), "{OPERATEMESSAGE}");
}

TEST_F(ValueTags, Text) {
    Respond("oh, hello there");
    const TagCase cases[] = {
        {"{BR}", "\r\n"},
        {"{LENGTH:a|b}{LENGTH:日本}{LENGTH:}", "320"},
        {"{LEFT3|abcdef}{RIGHT3|abcdef}{RIGHT9|abc}{RIGHT2|a|b}", "abcdefabc|b"},
        {"{LEFT0|abc}{LEFT-1|abc}{LEFTx|abc}{LEFT3|}",
         "{LEFT0|abc}{LEFT-1|abc}{LEFTx|abc}{LEFT3|}"},
        {"{left 2|AbC}{ＬＥＦＴ2｜ＡｂＣ}", "AbＡｂ"},  // the text as written
        {"{MID2|3|abcdef}{MID3|abcdef}{MID0|2|abc}{MID2|9|abc}", "bcdcdefabbc"},
        {"{MID9|abc}{MID2|0|abc}{MIDx|abc}{MID2|3|ab|cd}", "{MID9|abc}{MID2|0|abc}{MIDx|abc}b"},
        {"{POSb|ABC}{POS|abc}{POSz|abc}{POSＢ|abc}{POSbc|abcbc}", "20022"},
        {"{LIKE{PREV}|HELLO}{LIKEROOM 12|ROOM ##}{LIKEROOM 1|ROOM ##}", "TrueTrueFalse"},
        {"{LIKEa#b|A\\#B}{LIKEabc|(}{LIKE|A}", "TrueFalseFalse"},
        {"{SCRIPTIZE:[NOW]}{SCRIPTIZE:[UNKNOWN]}", "2003/05/04 18:07:09{UNKNOWN}"},
        {"{SCRIPTIZE:a]b[c}", ""},  // the brackets are structure too: a stray "}"
        {"{CHOICE}{CHOICEonly}", "{CHOICE}only"},
    };
    ExpectTagCases(cases);
}

TEST_F(ValueTags, ChoiceReseedsSoOneMillisecondDrawsOneIndex) {
    std::set<std::string> seen;
    for (int millisecond = 0; millisecond < 60; ++millisecond) {
        FixClock(TestNow() + millisecond / 86400000.0);
        const std::string drawn = Eval("{CHOICEa|b|c}{CHOICEa|b|c}");
        ASSERT_TRUE(drawn == "aa" || drawn == "bb" || drawn == "cc") << drawn;
        seen.insert(drawn);
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(ValueTags, Arithmetic) {
    const TagCase cases[] = {
        {"{+1|2}{-1|2.5}{*3|0.5}{/1|3}", "3-1.51.50.333333333333333"},
        {"{\\7|2}{\\-7|2}{%-7|2}{%7|-2}", "3-3-11"},
        {"{\\-2147483648|-1}{%-2147483648|-1}", "21474836480"},
        {"{^2|10}{^2|-1}{^5|0}{^0|5}{^2|0.5}{^-2|3}", "10240.5101.4142135623731-8"},
        {"{+1|2|3}{/1|0}{\\1|0}{%1|0}{\\1.5|1}{^-8|0.5}{^0|-1}",
         "{+1|2|3}{/1|0}{\\1|0}{%1|0}{\\1.5|1}{^-8|0.5}{^0|-1}"},
        {"{*1e300|1e300}{^10|400}{+1|}{+|1}", "{*1e300|1e300}{^10|400}{+1|}{+|1}"},
        {"{^1|2147483647}{^-1|2147483647}", "1-1"},
        {"{MAX3|5}{MIN3|5}{MAX-1|-2}{MAXa|1}", "53-1{MAXa|1}"},
        {"{LOG2|8}{LOG10|0.001}{LOG10|0}{LOG1|5}{LOG2|-1}", "3-3{LOG10|0}{LOG1|5}{LOG2|-1}"},
        {"{+１|２}{+ 1 | 2 }", "33"},
    };
    ExpectTagCases(cases);
}

TEST_F(ValueTags, FunctionsOfOneNumber) {
    const TagCase cases[] = {
        {"{ROUND:2.5}{ROUND:-2.5}{ROUND:0.49}{TRUNC:-2.7}{FLOOR:-2.5}{CEIL:2.1}", "3-30-2-33"},
        {"{CEIL:3e9}{FLOOR:-3e9}{TRUNC:1e19}{ROUND:-1e19}",
         "{CEIL:3e9}{FLOOR:-3e9}{TRUNC:1e19}{ROUND:-1e19}"},
        {"{CEIL:2147483647}{FLOOR:-2147483648}{TRUNC:-9e18}",
         "2147483647-2147483648-9000000000000000000"},
        {"{PI}|{SQR:1.5}|{SQRT:2}|{ABS:-3}|{EXP:0}", "3.14159265358979|2.25|1.4142135623731|3|1"},
        {"{SQRT:-1}{EXP:1000}{ARCSIN:2}{ARCCOS:-1.5}{SIN:x}",
         "{SQRT:-1}{EXP:1000}{ARCSIN:2}{ARCCOS:-1.5}{SIN:x}"},
        {"{SIN:0}|{COS:0}|{TAN:0}|{ARCTAN:1}", "0|1|0|0.785398163397448"},
        {"{ARCSIN:1}|{ARCCOS:1}|{ARCCOS:-1}|{ARCSIN:-0.5}",
         "1.5707963267949|0|3.14159265358979|-0.523598775598299"},
        {"{SQR:1e-4}{ABS:-1e20}", "1E-81E20"},
    };
    ExpectTagCases(cases);
}

TEST_F(ValueTags, Random) {
    const TagCase cases[] = {
        {"{RANDOMB:0}{RANDOMB:100}{RANDOMB:-5}{RANDOMV:1}", "FalseTrueFalse0"},
        {"{RANDOMV:0}{RANDOMV:-3}{RANDOMX:5}{RANDOMV5}{RANDOMB:x}",
         "{RANDOMV:0}{RANDOMV:-3}{RANDOMX:5}{RANDOMV5}{RANDOMB:x}"},
    };
    ExpectTagCases(cases);
    std::set<std::string> values;
    for (int millisecond = 0; millisecond < 100; ++millisecond) {
        FixClock(TestNow() + millisecond / 86400000.0);
        values.insert(Eval("{RANDOMV:4}"));
    }
    EXPECT_EQ(values, (std::set<std::string>{"0", "1", "2", "3"}));
}

TEST(DateText, FormatsInTheFixedForms) {
    const TDateTime value = *EncodeDateTime({987, 1, 2, 3, 4, 5, 0});
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn:ss", value), "0987/01/02 03:04:05");
    EXPECT_EQ(FormatDateTime("m/d h:n:s", value), "1/2 3:4:5");
    EXPECT_EQ(FormatDateTime("[yyyy]mm", value), "[0987]01");
}

TEST(DateText, ParsesDatesTimesAndBoth) {
    const struct {
        const char* text;
        std::optional<TDateTime> expected;
    } cases[] = {
        {"2003/05/05", EncodeDate(2003, 5, 5)},
        {"2003/5/5", EncodeDate(2003, 5, 5)},
        {" 2003/5/5 18:30 ", EncodeDateTime({2003, 5, 5, 18, 30, 0, 0})},
        {"2003/05/05  18:30:15", EncodeDateTime({2003, 5, 5, 18, 30, 15, 0})},
        {"7:05", EncodeTime(7, 5, 0)},
        {"23:59:59", EncodeTime(23, 59, 59)},
        {"2003/13/01", std::nullopt},
        {"2003/02/29", std::nullopt},
        {"24:00", std::nullopt},
        {"03/05/05", std::nullopt},
        {"2003/05", std::nullopt},
        {"2003-05-05", std::nullopt},
        {"2003/05/05 18", std::nullopt},
        {"2003/05/005", std::nullopt},
        {"1:2:3:4", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace kiova::testing
