// TbmRExp: pattern text and options in; a cached automaton and search results out.
// Compiling builds a simple pattern's automaton directly (bmRESimpleDFA); any other runs scanner ->
// (ignore-case rewrite) -> Standardize -> tree -> automaton, each stage with working objects of its
// own, so compiles of different objects never interfere. What always holds: the object is compiled
// exactly when `dfa_` holds the automaton of the current pattern, code and options; a failed
// compile leaves it uncompiled; `searchTable_`, when present, is laid out from `dfa_`, and
// `lazyDfa_` searches with it.
#include "bmRExp.h"

#include <algorithm>

#include "bmREDFA.h"
#include "bmREDic.h"
#include "bmRELazyDFA.h"
#include "bmREScanner.h"
#include "bmRESearch.h"
#include "bmRESearchTable.h"
#include "bmRESimpleDFA.h"
#include "bmRETokens.h"
#include "bmRETree.h"

namespace kiova {

namespace {

// Texts shorter than this are searched through the automaton's range transitions: a search table
// would cost more to build (and to keep, for every pattern of a large table) than it saves.
constexpr std::size_t kSearchTableTextSize = 256;
// Texts shorter than this step their runs through the search table; longer ones go through the
// lazy automaton, whose cached states a pattern keeps (up to its budget) for as long as it lives:
// a chat line tried record by record against a large table must not leave that behind in every
// record.
constexpr std::size_t kLazyTextSize = 4096;

int Search(TbmRExpABC& re, std::string_view text, int start, int& length) {
    if (text.size() < kSearchTableTextSize)
        return SearchDFA(text, start, re.GetCharCode(), re.GetDFATable(), length);
    if (text.size() < kLazyTextSize) return SearchDFA(text, start, re.GetSearchTable(), length);
    return re.GetLazyDFA().Search(text, start, length);
}

}  // namespace

int TbmRExpABC::Match(std::string_view text, int start, int& length) {
    const int found = Search(*this, text, start - 1, length);
    return found < 0 ? 0 : found + 1;
}

int TbmRExpABC::Match(std::string_view text, int start) {
    int length = 0;
    return Match(text, start, length);
}

TbmREMatchFilter TbmRExpABC::Filter() {
    return TbmREMatchFilter(GetDFATable(), GetCharCode());
}

TbmRExp::TbmRExp() : TbmRExp(bmccDefaultCharCode()) {}

TbmRExp::TbmRExp(TbmCharCode code) : charCode_(code) {}

TbmRExp::~TbmRExp() = default;

bool TbmRExp::Option(int index) const {
    switch (index) {
        case bmreoRegExpSyntax:
            return regExpSyntax_;
        case bmreoIgnoreCase:
            return ignoreCase_;
        default:
            return false;
    }
}

const TbmREDFATable& TbmRExp::GetDFATable() {
    if (!compiled_) Compile();
    return *dfa_;
}

const TbmRESearchTable& TbmRExp::GetSearchTable() {
    const TbmREDFATable& dfa = GetDFATable();
    if (!searchTable_) searchTable_ = std::make_unique<TbmRESearchTable>(dfa, charCode_);
    return *searchTable_;
}

TbmRELazyDFA& TbmRExp::GetLazyDFA() {
    const TbmRESearchTable& table = GetSearchTable();
    if (!lazyDfa_) lazyDfa_ = std::make_unique<TbmRELazyDFA>(table);
    return *lazyDfa_;
}

void TbmRExp::SetCharCode(TbmCharCode code) {
    if (code == charCode_) return;
    charCode_ = code;
    Invalidate();
}

TbmRETokens& TbmRExp::FilterTokens(TbmRETokens& tokens, TbmRETokens& rewritten) const {
    if (!ignoreCase_) return tokens;
    TbmREAsciiIgnoreCaseDic().Rewrite(tokens, rewritten);
    return rewritten;
}

void TbmRExp::SetPattern(std::string_view pattern) {
    if (pattern == pattern_) return;
    pattern_ = pattern;
    Invalidate();
}

void TbmRExp::SetOption(int index, bool on) {
    bool* option = index == bmreoRegExpSyntax ? &regExpSyntax_
                   : index == bmreoIgnoreCase ? &ignoreCase_
                                              : nullptr;
    if (option == nullptr || *option == on) return;
    *option = on;
    Invalidate();
}

void TbmRExp::Invalidate() {
    compiled_ = false;
    lazyDfa_.reset();  // before the table it points to
    searchTable_.reset();
    dfa_.reset();
}

void TbmRExp::Compile() {
    if (regExpSyntax_ && !ignoreCase_) {
        if (auto dfa = BuildSimpleDFA(pattern_, charCode_)) {
            dfa_ = std::move(*dfa);
            compiled_ = true;
            return;
        }
    }
    TbmREScanner scanner;
    scanner.SetCharCode(charCode_);
    scanner.SetText(pattern_);
    scanner.SetRegExpSyntax(regExpSyntax_);
    TbmRETokens tokens;
    // A token takes at least one byte of the pattern; the cap keeps a huge pattern from
    // reserving more than the token budget before it is refused.
    tokens.reserve(std::min(pattern_.size() + 1, TbmREBudget::kMaxTokens + 1));
    Tokenize(tokens, scanner);
    TbmRETokens rewritten;
    TbmRETokens& filtered = FilterTokens(tokens, rewritten);
    TbmREBudget::CheckTokenCount(filtered.size());

    TbmREWchRanges partition;
    const std::int32_t maxChar = bmreMaxCharOf(charCode_);
    Standardize(filtered, partition, maxChar);
    TbmREBudget::CheckTokenCount(filtered.size());
    TbmREBudget budget;
    TbmRETree tree;
    tree.Build(filtered, partition, budget, maxChar);
    TbmREDFATable dfa;
    dfa.Build(tree, partition, budget);

    dfa_ = std::move(dfa);
    compiled_ = true;
}

}  // namespace kiova
