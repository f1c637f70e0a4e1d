// The pattern of one table record: compiled once when its table is prepared; a pattern that
// does not compile is dropped and never matches, so one bad key cannot stop its table.
#pragma once

#include <memory>
#include <string_view>

#include "bmCharCode.h"
#include "bmREMatchFilter.h"

namespace kiova {

class TbmREDFATable;
class TbmRExp;

class TRecordPattern {
public:
    TRecordPattern();  // no pattern: never matches (the keys of marker records)
    explicit TRecordPattern(std::string_view key);
    TRecordPattern(TRecordPattern&&) noexcept;
    TRecordPattern& operator=(TRecordPattern&&) noexcept;
    ~TRecordPattern();

    // Builds the automaton now, so that searches never compile.
    void Prepare();
    // Whether the pattern occurs in `text`.
    bool FoundIn(const TbmRESearchText& text);
    // The automaton built by Prepare; nullptr when there is none (no pattern, or one that did
    // not compile). It lives as long as this object.
    const TbmREDFATable* Automaton() const;
    TbmCharCode CharCode() const;
    // The pattern as given; empty when there is none or it did not compile.
    std::string_view Text() const;

private:
    std::unique_ptr<TbmRExp> regexp_;
    // Kept here, beside the other records' filters, so that most records are ruled out by
    // reading one array, without touching their patterns.
    TbmREMatchFilter filter_;
};

}  // namespace kiova
