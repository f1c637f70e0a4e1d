// TbmREScanner: pattern bytes in, tokens out, one token per NextToken call.
#pragma once

#include <memory>
#include <string_view>

#include "bmCharCode.h"
#include "bmREToken.h"
#include "bmWchReader.h"

namespace kiova {

class TbmREScanner {
public:
    TbmREScanner();  // Shift JIS, RegExpSyntax on, LogicalSyntax off

    TbmCharCode CharCode() const { return reader_->CharCode(); }
    // Throws std::invalid_argument "TbmREScanner.SetCharCode: can't create reader" for JIS.
    void SetCharCode(TbmCharCode code);
    void SetText(std::string_view pattern);
    void Rewind();

    // Off: every character, backslash included, is an ordinary character.
    void SetRegExpSyntax(bool on) { regExpSyntax_ = on; }
    // On: / & ! { } are the logical operators instead of ordinary characters.
    void SetLogicalSyntax(bool on) { logicalSyntax_ = on; }

    // The next token; an "end" token once the pattern is exhausted. Throws EbmREToken for
    // "need right bracket", "invalid character class" and "invalid escape sequence".
    TbmRETokenRec NextToken();

private:
    TbmRETokenRec NextTokenOutsideBrackets();
    TbmRETokenRec NextBracketItem();
    // Resolves the escape after a backslash into `token`; throws for an invalid one.
    std::int32_t ReadEscapeOf(TbmRETokenRec& token);

    std::unique_ptr<TbmWchReader> reader_;
    int bracketCount_ = 0;  // 0 outside brackets; 1 after [ or [^, then +1 per item read
    bool regExpSyntax_ = true;
    bool logicalSyntax_ = false;
};

// Clears `tokens`, then appends scanner tokens up to and including the one "end" token. Throws
// EbmREToken "pattern too complex" rather than holding more than TbmREBudget::kMaxTokens.
void Tokenize(TbmRETokens& tokens, TbmREScanner& scanner);

}  // namespace kiova
