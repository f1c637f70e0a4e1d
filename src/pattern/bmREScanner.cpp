// Scanner: pattern bytes in (through a reader of the pattern's code), token records out.
// What always holds: tokens come out in pattern order with byte offsets StartPos < EndPos into
// the pattern, brackets close before the end token, and a class item never has Hi < Lo.
#include "bmREScanner.h"

#include <stdexcept>

#include "bmREBudget.h"

namespace kiova {

TbmREScanner::TbmREScanner() : reader_(bmccCreateReader(TbmCharCode::ShiftJIS)) {}

void TbmREScanner::SetCharCode(TbmCharCode code) {
    if (code == CharCode()) return;
    auto reader = bmccCreateReader(code);
    if (!reader) throw std::invalid_argument("TbmREScanner.SetCharCode: can't create reader");
    reader_ = std::move(reader);
    Rewind();
}

void TbmREScanner::SetText(std::string_view pattern) {
    reader_->SetText(std::string(pattern));
    bracketCount_ = 0;
}

void TbmREScanner::Rewind() {
    reader_->Rewind();
    bracketCount_ = 0;
}

TbmRETokenRec TbmREScanner::NextToken() {
    return bracketCount_ == 0 ? NextTokenOutsideBrackets() : NextBracketItem();
}

std::int32_t TbmREScanner::ReadEscapeOf(TbmRETokenRec& token) {
    const std::int32_t value = reader_->ReadEscape();
    token.EndPos = reader_->GetPos();
    if (value < 0) bmRaiseTokenError(token, TbmRETokenKind::InvalidEscapeSequence);
    return value;
}

TbmRETokenRec TbmREScanner::NextTokenOutsideBrackets() {
    using K = TbmRETokenKind;
    TbmRETokenRec token;
    token.StartPos = reader_->GetPos();
    const std::int32_t c = reader_->ReadChar();
    token.Lo = token.Hi = c;
    token.EndPos = reader_->GetPos();
    if (c < 0) {
        token.Kind = K::End;
        return token;
    }
    if (c == '\\' && (regExpSyntax_ || logicalSyntax_)) {
        token.Lo = token.Hi = ReadEscapeOf(token);
        return token;
    }
    if (regExpSyntax_) {
        switch (c) {
            case '|':
                token.Kind = K::Union;
                break;
            case '(':
                token.Kind = K::LeftParenthesis;
                break;
            case ')':
                token.Kind = K::RightParenthesis;
                break;
            case '*':
                token.Kind = K::Asterisk;
                break;
            case '+':
                token.Kind = K::Plus;
                break;
            case '?':
                token.Kind = K::QuestionMark;
                break;
            case '.':
                token.Kind = K::Dot;
                break;
            case '^':
                token.Kind = K::LineHead;
                break;
            case '$':
                token.Kind = K::LineTail;
                break;
            case '[':
                bracketCount_ = 1;
                if (reader_->ReadChar() == '^') {
                    token.Kind = K::NegateLeftBracket;
                    token.EndPos = reader_->GetPos();
                } else {
                    reader_->UnreadChar();
                    token.Kind = K::LeftBracket;
                }
                break;
            default:
                break;
        }
    }
    if (logicalSyntax_ && token.Kind == K::Character) {
        switch (c) {
            case '/':
                token.Kind = K::LogicalOr;
                break;
            case '&':
                token.Kind = K::LogicalAnd;
                break;
            case '!':
                token.Kind = K::LogicalNot;
                break;
            case '{':
                token.Kind = K::LogicalLeftParenthesis;
                break;
            case '}':
                token.Kind = K::LogicalRightParenthesis;
                break;
            default:
                break;
        }
    }
    return token;
}

TbmRETokenRec TbmREScanner::NextBracketItem() {
    using K = TbmRETokenKind;
    ++bracketCount_;
    TbmRETokenRec token;
    token.StartPos = reader_->GetPos();
    std::int32_t c = reader_->ReadChar();
    token.Lo = token.Hi = c;
    token.EndPos = reader_->GetPos();
    if (c < 0) bmRaiseTokenError(token, K::NeedRightBracket);
    // A ] right after [ or [^ is a member, not the end of the bracket.
    if (c == ']' && bracketCount_ > 2) {
        token.Kind = K::RightBracket;
        bracketCount_ = 0;
        return token;
    }
    if (c == '\\') c = ReadEscapeOf(token);

    if (reader_->ReadChar() == '-') {
        std::int32_t hi = reader_->ReadChar();
        if (hi != ']' && hi >= 0) {
            if (hi == '\\') hi = ReadEscapeOf(token);
            token.Kind = K::CharacterClass;
            token.Lo = c;
            token.Hi = hi;
            token.EndPos = reader_->GetPos();
            if (hi < c) bmRaiseTokenError(token, K::InvalidCharacterClass);
            return token;
        }
        reader_->UnreadChar();  // "-]" or "-" at the end: the - is the next item
    }
    reader_->UnreadChar();
    token.Kind = K::Character;
    token.Lo = token.Hi = c;
    token.EndPos = reader_->GetPos();
    return token;
}

void Tokenize(TbmRETokens& tokens, TbmREScanner& scanner) {
    tokens.clear();
    do {
        TbmREBudget::CheckTokenCount(tokens.size() + 1);
        tokens.push_back(scanner.NextToken());
    } while (tokens.back().Kind != TbmRETokenKind::End);
}

}  // namespace kiova
