// Pattern tokens: their kinds, the token record the scanner fills, and the pattern error.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

enum class TbmRETokenKind : std::uint8_t {
    Character = 0,
    CharacterClass = 1,  // a range item x-y inside brackets
    Union = 2,
    LeftParenthesis = 3,
    RightParenthesis = 4,
    Asterisk = 5,
    Plus = 6,
    QuestionMark = 7,
    LeftBracket = 8,
    NegateLeftBracket = 9,
    RightBracket = 10,
    Dot = 11,
    LineHead = 12,
    LineTail = 13,
    End = 14,
    LogicalOr = 15,
    LogicalAnd = 16,
    LogicalNot = 17,
    LogicalLeftParenthesis = 18,
    LogicalRightParenthesis = 19,
    // Error kinds: their names are the messages of EbmREToken.
    NeedRightBracket = 20,
    InvalidCharacterClass = 21,
    InvalidEscapeSequence = 22,
    InvalidCharacter = 23,
    NeedRightParenthesis = 24,
    NeedNormalCharOrLeftParenthesis = 25,
    PatternTooComplex = 26,  // the automaton or its working sets would outgrow their budget
};

// The kind's name, e.g. "left parenthesis" or "need right bracket \"]\" ".
std::string_view bmRETokenKindName(TbmRETokenKind kind);

struct TbmRETokenRec {
    TbmRETokenKind Kind = TbmRETokenKind::Character;
    std::int32_t Lo = 0;  // for most kinds Lo = Hi = the character read
    std::int32_t Hi = 0;
    std::int32_t StartPos = 0;  // byte offset in the pattern where the token began
    std::int32_t EndPos = 0;    // byte offset after it

    bool operator==(const TbmRETokenRec&) const = default;
};

using TbmRETokens = std::vector<TbmRETokenRec>;

// A pattern error. Its message is the name of the record's (error) kind; the record is kept whole.
class EbmREToken : public std::exception {
public:
    explicit EbmREToken(const TbmRETokenRec& token);

    const char* what() const noexcept override { return message_.c_str(); }
    const TbmRETokenRec& Token() const { return token_; }

private:
    TbmRETokenRec token_;
    std::string message_;
};

// Throws EbmREToken for `token` with its kind replaced by `error`.
[[noreturn]] void bmRaiseTokenError(TbmRETokenRec token, TbmRETokenKind error);

}  // namespace kiova
