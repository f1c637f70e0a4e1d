#include "bmREToken.h"

#include <array>

namespace kiova {
namespace {

constexpr std::array<std::string_view, 27> kKindNames = {
    "character",
    "character class",
    "union",
    "left parenthesis",
    "right parenthesis",
    "asterisk",
    "plus",
    "question mark",
    "left bracket",
    "negate left bracket",
    "right bracket",
    "dot",
    "line head",
    "line tail",
    "end",
    "logical or",
    "logical and",
    "logical not",
    "logical left parenthis",
    "logical right parenthis",
    "need right bracket \"]\" ",
    "invalid character class",
    "invalid escape sequence",
    "invalid character",
    "need right parenthesis",
    "need normal char or left parenthesis",
    "pattern too complex",
};

}  // namespace

std::string_view bmRETokenKindName(TbmRETokenKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kKindNames.size() ? kKindNames[index] : std::string_view{};
}

EbmREToken::EbmREToken(const TbmRETokenRec& token)
    : token_(token), message_(bmRETokenKindName(token.Kind)) {}

void bmRaiseTokenError(TbmRETokenRec token, TbmRETokenKind error) {
    token.Kind = error;
    throw EbmREToken(token);
}

}  // namespace kiova
