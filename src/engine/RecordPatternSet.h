// The patterns of one column of a table's records, matched together: which records' patterns
// occur in a text, in one pass (TbmRESet). When the set cannot tell within its memory budget,
// the caller tests the records one by one; after a few such texts in a row it gives up for good,
// so a table whose patterns the set cannot hold costs no more than the walk. Records sharing one
// automaton (the same key) are one pattern of the set.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "bmCharCode.h"
#include "bmREFlatMap.h"

namespace kiova {

class TbmREDFATable;
class TbmRESearchText;
class TbmRESet;
class TRecordPattern;

class TRecordPatternSet {
public:
    TRecordPatternSet();
    ~TRecordPatternSet();
    TRecordPatternSet(const TRecordPatternSet&) = delete;
    TRecordPatternSet& operator=(const TRecordPatternSet&) = delete;

    // Adds the pattern of record `record`, records in ascending order; a pattern that did not
    // compile is left out (it never matches). The pattern must outlive the set or its Clear.
    void Add(std::uint32_t record, const TRecordPattern& pattern);
    void Clear();

    // Fills `records` with the ascending records whose pattern occurs in `text`. False when the
    // set cannot tell: the records must be tested one by one.
    bool FindIn(const TbmRESearchText& text, std::vector<std::uint32_t>& records);

private:
    // Texts in a row that outgrew the budget before the set is given up.
    static constexpr int kMaxFailures = 3;

    static constexpr std::uint32_t kNoRecord = UINT32_MAX;

    std::unique_ptr<TbmRESet> set_;          // made with the first pattern's character code
    TbmREFlatMap<std::uint32_t> patternOf_;  // by the automaton's address
    // The records of each pattern of the set, ascending: the first and the last, and for each
    // record, the next one sharing its pattern.
    std::vector<std::uint32_t> records_;
    std::vector<std::uint32_t> lastSharer_;
    std::vector<std::uint32_t> nextSharer_;
    std::vector<std::uint32_t> found_;
    int failures_ = 0;
    bool usable_ = true;
};

}  // namespace kiova
