// The pattern of one table record: compiled once when its table is prepared; a pattern that
// does not compile is dropped and never matches, so one bad key cannot stop its table. Records
// with the same key share one compiled pattern (PrepareAll).
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "bmCharCode.h"
#include "bmREMatchFilter.h"

namespace kiova {

class TbmREDFATable;
class TbmRExp;

class TRecordPattern {
public:
    TRecordPattern();  // no pattern: never matches (the keys of marker records)
    explicit TRecordPattern(std::string_view key, TbmCharCode code = bmccDefaultCharCode());
    // A copy shares the pattern, compiled or not: records with the same key.
    TRecordPattern(const TRecordPattern&);
    TRecordPattern(TRecordPattern&&) noexcept;
    TRecordPattern& operator=(TRecordPattern&&) noexcept;
    ~TRecordPattern();

    // Builds the automaton now, so that searches never compile.
    void Prepare();
    // Takes the compiled pattern of `prepared`, which has the same key and code.
    void ShareCompiled(const TRecordPattern& prepared);
    // Whether the pattern occurs in `text`.
    bool FoundIn(const TbmRESearchText& text);
    // The automaton built by Prepare; nullptr when there is none (no pattern, or one that did
    // not compile). It lives as long as this object.
    const TbmREDFATable* Automaton() const;
    TbmCharCode CharCode() const;
    // The pattern as given; empty when there is none or it did not compile.
    std::string_view Text() const;

private:
    friend void PrepareAll(const std::vector<TRecordPattern*>& patterns);

    std::shared_ptr<TbmRExp> regexp_;
    // Kept here, beside the other records' filters, so that most records are ruled out by
    // reading one array, without touching their patterns.
    TbmREMatchFilter filter_;
};

// Prepares the patterns on every core, compiling each distinct key (and code) once: the others
// share its automaton, so that a set of them can tell them apart by automaton.
void PrepareAll(const std::vector<TRecordPattern*>& patterns);

}  // namespace kiova
