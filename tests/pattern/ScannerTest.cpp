#include <gtest/gtest.h>

#include "Dumps.h"
#include "bmREDic.h"
#include "bmREScanner.h"

namespace kiova {
namespace {

using test::DumpTokens;
using test::TokensOf;

TEST(ScannerTest, TokenizesPatternsIntoTokenRecords) {
    struct Case {
        TbmCharCode code;
        std::string pattern;
        std::string tokens;
    };
    const Case cases[] = {
        {TbmCharCode::Western, "", "end END END 0 1\n"},
        {TbmCharCode::Western, "a|(b)*+?.^$",
         "character a a 0 1\nunion | | 1 2\nleft parenthesis ( ( 2 3\ncharacter b b 3 4\n"
         "right parenthesis ) ) 4 5\nasterisk * * 5 6\nplus + + 6 7\nquestion mark ? ? 7 8\n"
         "dot . . 8 9\nline head ^ ^ 9 10\nline tail $ $ 10 11\nend END END 11 12\n"},
        {TbmCharCode::Western, "\\x41\\101\\q",
         "character A A 0 4\ncharacter A A 4 8\ncharacter q q 8 10\nend END END 10 11\n"},
        // Braces, slash, ampersand and exclamation mark are ordinary characters.
        {TbmCharCode::Western, "{P}/&!",
         "character { { 0 1\ncharacter P P 1 2\ncharacter } } 2 3\ncharacter / / 3 4\n"
         "character & & 4 5\ncharacter ! ! 5 6\nend END END 6 7\n"},
        {TbmCharCode::ShiftJIS, "\x82\xA0+",
         "character 0x82A0 0x82A0 0 2\nplus + + 2 3\nend END END 3 4\n"},
        {TbmCharCode::ShiftJIS, "\\x8140", "character 0x8140 0x8140 0 6\nend END END 6 7\n"},
        {TbmCharCode::UniCode, std::string("a\0*\0", 4),
         "character a a 0 2\nasterisk * * 2 4\nend END END 4 6\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DumpTokens(TokensOf(c.pattern, c.code)), c.tokens) << c.pattern;
}

TEST(ScannerTest, ReadsOneItemPerTokenInsideBrackets) {
    struct Case {
        std::string pattern;
        std::string tokens;
    };
    const Case cases[] = {
        // ] right after [ or [^ is a member.
        {"[]a]",
         "left bracket [ [ 0 1\ncharacter ] ] 1 2\ncharacter a a 2 3\n"
         "right bracket ] ] 3 4\nend END END 4 5\n"},
        {"[^]a]",
         "negate left bracket [ [ 0 2\ncharacter ] ] 2 3\ncharacter a a 3 4\n"
         "right bracket ] ] 4 5\nend END END 5 6\n"},
        // - is literal first, after a range and before ].
        {"[a-]",
         "left bracket [ [ 0 1\ncharacter a a 1 2\ncharacter - - 2 3\n"
         "right bracket ] ] 3 4\nend END END 4 5\n"},
        {"[-a-c-e]",
         "left bracket [ [ 0 1\ncharacter - - 1 2\ncharacter class a c 2 5\n"
         "character - - 5 6\ncharacter e e 6 7\nright bracket ] ] 7 8\nend END END 8 9\n"},
        // Escapes on both ends of a range; operators are members.
        {"[\\]-\\x7A*(]",
         "left bracket [ [ 0 1\ncharacter class ] z 1 8\ncharacter * * 8 9\n"
         "character ( ( 9 10\nright bracket ] ] 10 11\nend END END 11 12\n"},
        {"[a-a]",
         "left bracket [ [ 0 1\ncharacter class a a 1 4\nright bracket ] ] 4 5\n"
         "end END END 5 6\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(DumpTokens(TokensOf(c.pattern)), c.tokens) << c.pattern;

    EXPECT_EQ(DumpTokens(TokensOf("[\x82\x9F-\x82\xF1]", TbmCharCode::ShiftJIS)),
              "left bracket [ [ 0 1\ncharacter class 0x829F 0x82F1 1 6\nright bracket ] ] 6 7\n"
              "end END END 7 8\n");
}

TEST(ScannerTest, RaisesPatternErrorsWithTheirPositions) {
    struct Case {
        std::string pattern;
        std::string message;
        int startPos;
    };
    const Case cases[] = {
        {"ab\\", "invalid escape sequence", 2},   {"\\xg", "invalid escape sequence", 0},
        {"[\\", "invalid escape sequence", 1},    {"[a-\\", "invalid escape sequence", 1},
        {"x[z-a]", "invalid character class", 2}, {"[abc", "need right bracket \"]\" ", 4},
        {"[", "need right bracket \"]\" ", 1},    {"[^", "need right bracket \"]\" ", 2},
    };
    for (const Case& c : cases) {
        try {
            TokensOf(c.pattern);
            ADD_FAILURE() << c.pattern << " accepted";
        } catch (const EbmREToken& e) {
            EXPECT_EQ(e.what(), c.message) << c.pattern;
            EXPECT_EQ(bmRETokenKindName(e.Token().Kind), c.message);
            EXPECT_EQ(e.Token().StartPos, c.startPos) << c.pattern;
        }
    }
}

TEST(ScannerTest, WithoutRegExpSyntaxEveryCharacterIsOrdinary) {
    TbmREScanner scanner;
    scanner.SetCharCode(TbmCharCode::Western);
    scanner.SetRegExpSyntax(false);
    scanner.SetText("a\\*[");
    TbmRETokens tokens;
    Tokenize(tokens, scanner);
    EXPECT_EQ(DumpTokens(tokens),
              "character a a 0 1\ncharacter \\ \\ 1 2\ncharacter * * 2 3\ncharacter [ [ 3 4\n"
              "end END END 4 5\n");
}

TEST(ScannerTest, LogicalSyntaxGivesTheLogicalOperators) {
    TbmREScanner scanner;
    scanner.SetLogicalSyntax(true);
    scanner.SetText("/&!{}");
    TbmRETokens tokens;
    Tokenize(tokens, scanner);
    EXPECT_EQ(DumpTokens(tokens),
              "logical or / / 0 1\nlogical and & & 1 2\nlogical not ! ! 2 3\n"
              "logical left parenthis { { 3 4\nlogical right parenthis } } 4 5\nend END END 5 6\n");
}

TEST(ScannerTest, CharCodeChangesRewindAndJISHasNoReader) {
    TbmREScanner scanner;
    EXPECT_EQ(scanner.CharCode(), TbmCharCode::ShiftJIS);
    scanner.SetText("\x82\xA0");
    EXPECT_EQ(scanner.NextToken().Lo, 0x82A0);
    scanner.SetCharCode(TbmCharCode::Western);
    scanner.SetText("\x82\xA0");
    EXPECT_EQ(scanner.NextToken().Lo, 0x82);
    try {
        scanner.SetCharCode(TbmCharCode::JIS);
        FAIL() << "JIS reader created";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "TbmREScanner.SetCharCode: can't create reader");
    }
    EXPECT_EQ(scanner.CharCode(), TbmCharCode::Western);
}

TEST(IgnoreCaseTest, LettersOutsideBracketsBecomeBothCases) {
    const auto rewrite = [](std::string_view pattern) {
        TbmRETokens rewritten{{TbmRETokenKind::Dot, 0, 0, 0, 0}};  // cleared first
        TbmREAsciiIgnoreCaseDic().Rewrite(TokensOf(pattern), rewritten);
        return DumpTokens(rewritten);
    };
    EXPECT_EQ(rewrite("a1"),
              "left parenthesis ( ( 0 1\ncharacter a a 0 1\nunion | | 0 1\ncharacter A A 0 1\n"
              "right parenthesis ) ) 0 1\ncharacter 1 1 1 2\nend END END 2 3\n");
    EXPECT_EQ(rewrite("[ab]Z*"),
              "left bracket [ [ 0 1\ncharacter a a 1 2\ncharacter b b 2 3\n"
              "right bracket ] ] 3 4\nleft parenthesis ( ( 4 5\ncharacter Z Z 4 5\n"
              "union | | 4 5\ncharacter z z 4 5\nright parenthesis ) ) 4 5\n"
              "asterisk * * 5 6\nend END END 6 7\n");
    EXPECT_EQ(rewrite("[^a-z]@"), DumpTokens(TokensOf("[^a-z]@")));
}

}  // namespace
}  // namespace kiova
