// Rewriters: a scanned token list in, a new token list out. What always holds: the output has
// the same brackets and non-character tokens in the same order, and ends with the source's end
// token.
#include "bmREDic.h"

namespace kiova {
namespace {

bool IsAsciiLetter(std::int32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

void TbmREDicFrame::Rewrite(const TbmRETokens& source, TbmRETokens& destination) const {
    using K = TbmRETokenKind;
    destination.clear();
    auto token = source.begin();
    while (token != source.end()) {
        auto next = token + 1;
        if (token->Kind == K::Character) {
            while (next != source.end() && next->Kind == K::Character) ++next;
            RewriteRun(std::span(token, next), destination);
        } else {
            if (token->Kind == K::LeftBracket || token->Kind == K::NegateLeftBracket) {
                while (next != source.end() && (next - 1)->Kind != K::RightBracket) ++next;
            }
            destination.insert(destination.end(), token, next);
        }
        token = next;
    }
}

void TbmREDicFrame::RewriteRun(std::span<const TbmRETokenRec> run, TbmRETokens& destination) const {
    destination.insert(destination.end(), run.begin(), run.end());
}

void TbmREAsciiIgnoreCaseDic::RewriteRun(std::span<const TbmRETokenRec> run,
                                         TbmRETokens& destination) const {
    using K = TbmRETokenKind;
    for (const TbmRETokenRec& token : run) {
        if (!IsAsciiLetter(token.Lo)) {
            destination.push_back(token);
            continue;
        }
        const std::int32_t other = token.Lo ^ 0x20;  // the same letter in the other case
        auto withKind = [&token](K kind, std::int32_t value) {
            TbmRETokenRec rewritten = token;
            rewritten.Kind = kind;
            rewritten.Lo = rewritten.Hi = value;
            return rewritten;
        };
        destination.push_back(withKind(K::LeftParenthesis, '('));
        destination.push_back(token);
        destination.push_back(withKind(K::Union, '|'));
        destination.push_back(withKind(K::Character, other));
        destination.push_back(withKind(K::RightParenthesis, ')'));
    }
}

}  // namespace kiova
