// Standardize: a scanned (and possibly rewritten) token list in; the same list without negated
// brackets, and the alphabet partition, out. What always holds afterwards: every range a
// character, class, dot or anchor token names is a union of partition members.
#include "bmRETokens.h"

#include <stdexcept>

namespace kiova {
namespace {

[[noreturn]] void InternalError(char which) {
    throw std::logic_error(std::string("TbmRETokens.Standardize Internal Error(") + which + ")");
}

}  // namespace

void Standardize(TbmRETokens& tokens, TbmREWchRanges& partition, std::int32_t maxChar) {
    using K = TbmRETokenKind;
    partition.Clear();
    if (tokens.empty()) InternalError('1');
    // Most tokens add at most one range; the line breaks and a bracket's gaps may add a few more.
    partition.Reserve(tokens.size() + 4);

    TbmRETokens standard;
    standard.reserve(tokens.size());
    for (auto token = tokens.begin(); token != tokens.end(); ++token) {
        switch (token->Kind) {
            case K::Character:
            case K::CharacterClass:
                partition.AddRange(token->Lo, token->Hi);
                break;
            case K::Dot:
                partition.AddAnyChar(maxChar);
                break;
            // Either may turn back into a literal character in the tree.
            case K::LineHead:
                partition.AddRange('^', '^');
                break;
            case K::LineTail:
                partition.AddRange('$', '$');
                break;
            case K::NegateLeftBracket: {
                standard.push_back(*token);
                standard.back().Kind = K::LeftBracket;
                TbmREWchRanges excluded;
                excluded.AddLineBreaks();
                if (++token == tokens.end()) InternalError('2');
                const std::int32_t itemsStart = token->StartPos;
                for (; token->Kind != K::RightBracket; ++token) {
                    if (token + 1 == tokens.end()) InternalError('3');
                    excluded.AddRange(token->Lo, token->Hi);
                }
                excluded.Complement(0, maxChar);
                partition.AddRanges(excluded);
                for (const TbmREWchRange& range : excluded) {
                    standard.push_back({range.Lo == range.Hi ? K::Character : K::CharacterClass,
                                        range.Lo, range.Hi, itemsStart, token->StartPos});
                }
                break;  // the right bracket itself is appended below
            }
            default:
                break;
        }
        standard.push_back(*token);
    }
    tokens = std::move(standard);
}

}  // namespace kiova
