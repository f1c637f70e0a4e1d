// TbmRExp: a compiled pattern and its leftmost-longest search.
//
//   TbmRExp re;                       // the default character code, not compiled
//   re.SetPattern(pattern);           // bytes in that code, e.g. Shift JIS
//   int length = 0;
//   int position = re.Match(line, 1, length);   // 1-based byte position, 0 when absent
//
// The pattern compiles on the first Match (or GetDFATable) and stays compiled until the
// pattern, the character code or an option changes. An invalid pattern, or one whose automaton
// would outgrow a fixed budget ("pattern too complex"), throws EbmREToken from Match every time
// it is tried; callers treat that as "no match". Objects are independent: two threads may
// compile and search different TbmRExp objects at once.
//
// A caller that searches one text with many patterns prepares the text once (TbmRESearchText)
// and keeps each pattern's Filter() beside it: most patterns are then ruled out without a search.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"
#include "bmREMatchFilter.h"
#include "bmREToken.h"

namespace kiova {

class TbmRELazyDFA;
class TbmRESearchTable;

// Indices for SetOption.
inline constexpr int bmreoRegExpSyntax = 0;  // on: operators; off: the pattern is a plain string
inline constexpr int bmreoIgnoreCase = 1;    // on: ASCII letters outside brackets match both cases

class TbmRExpABC {
public:
    virtual ~TbmRExpABC() = default;

    virtual TbmCharCode GetCharCode() const = 0;
    // The automaton, compiled first when needed. Throws EbmREToken for an invalid pattern.
    virtual const TbmREDFATable& GetDFATable() = 0;
    // The automaton laid out for searching, built on the first search. Throws as GetDFATable.
    virtual const TbmRESearchTable& GetSearchTable() = 0;
    // The lazy automaton that searches long texts over that table, built on the first such
    // search. Throws as GetDFATable.
    virtual TbmRELazyDFA& GetLazyDFA() = 0;

    // Searches `text` (bytes in the character code) from the 1-based byte index `start`.
    // Returns the 1-based byte position of the leftmost-longest match, or 0 when there is none
    // or `start` lies outside 1..size+1. `length` receives the match length in bytes (0 when
    // there is no match, and for an empty match). Throws EbmREToken for an invalid pattern.
    int Match(std::string_view text, int start, int& length);
    int Match(std::string_view text, int start = 1);
    // What a text must hold for this pattern to match in it. Compiles first, so it throws
    // EbmREToken as Match does.
    TbmREMatchFilter Filter();
};

class TbmRExp : public TbmRExpABC {
public:
    TbmRExp();  // bmccDefaultCharCode()
    explicit TbmRExp(TbmCharCode code);
    ~TbmRExp() override;
    TbmRExp(const TbmRExp&) = delete;
    TbmRExp& operator=(const TbmRExp&) = delete;

    const std::string& Pattern() const { return pattern_; }
    bool Compiled() const { return compiled_; }
    bool Option(int index) const;

    TbmCharCode GetCharCode() const override { return charCode_; }
    const TbmREDFATable& GetDFATable() override;
    const TbmRESearchTable& GetSearchTable() override;
    TbmRELazyDFA& GetLazyDFA() override;
    // Each change below drops the compiled automaton.
    virtual void SetCharCode(TbmCharCode code);
    // With IgnoreCase off returns `tokens`; with it on, rewrites them into `rewritten` and
    // returns that.
    virtual TbmRETokens& FilterTokens(TbmRETokens& tokens, TbmRETokens& rewritten) const;
    virtual void SetPattern(std::string_view pattern);
    // Index bmreoRegExpSyntax or bmreoIgnoreCase; any other index is ignored.
    virtual void SetOption(int index, bool on);

private:
    void Compile();
    void Invalidate();

    TbmCharCode charCode_;
    std::string pattern_;
    std::optional<TbmREDFATable> dfa_;  // kept inline: one heap block fewer per pattern
    std::unique_ptr<TbmRESearchTable> searchTable_;  // built from dfa_ on the first search
    std::unique_ptr<TbmRELazyDFA> lazyDfa_;          // over searchTable_
    bool compiled_ = false;
    bool regExpSyntax_ = true;
    bool ignoreCase_ = false;
};

}  // namespace kiova
