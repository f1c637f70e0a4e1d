// The check of one dialogue table: its data files read line by line as the loader reads them,
// holding one line at a time (and a hash per key for the reachability of later groups).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CheckContext.h"

namespace kiova::tool {

// The pattern that took longest to compile so far.
struct TSlowestPattern {
    double milliseconds = -1;
    std::string pattern;  // ANSI
    std::string file;     // ANSI
    uint32_t line = 0;
};

struct TPatternFigures {
    size_t count = 0;
    TSlowestPattern slowest;
};

class TTableCheck {
public:
    // `bit`: the table's place in the mask (0 data01 ... 7 datac2).
    TTableCheck(TCheckContext& context, int bit, TPatternFigures& patterns);

    // Checks one data file named by the table's key; a missing file is reported at `named_at`.
    void CheckFile(const TPlace& named_at, std::string_view ansi_path);
    // Reports what needs the whole table, once every file is checked.
    void Finish();

    // Records that are not "{PRIOR}" markers: what the table could answer with.
    size_t Records() const { return records_; }
    size_t Files() const { return files_; }

private:
    struct TRecordKey {
        std::string text;  // normalised, patterns joined by a comma; empty for plain answers
        uint64_t hash = 0;
    };

    // One line as the loader reads it; false at "{ENDOFDATA}", where reading the file stops.
    bool CheckLine(const TPlace& place, const std::string& line);
    // Whether the pattern compiles (reported when not); `matches_all` when it matches any input.
    bool CheckPattern(const TPlace& place, const std::string& pattern, bool& matches_all);
    void StartGroup(const TPlace& place);
    void CheckReachable(const TPlace& place, const TRecordKey& key, bool matches_all);

    TCheckContext& context_;
    const int bit_;
    const char kind_;
    const bool repeats_;  // not once-only: a record answers again and again
    TPatternFigures& patterns_;
    size_t records_ = 0;
    size_t files_ = 0;

    // Repeating tables: the first group with a candidate answers every time, so a record whose
    // key an earlier group already has never answers.
    std::vector<uint64_t> earlier_keys_;  // sorted hashes of the keys of earlier groups
    std::vector<uint64_t> group_keys_;    // this group's
    bool keys_overflowed_ = false;
    bool group_has_records_ = false;
    // A kind-B pattern that matches every input: no record after its group ever answers.
    std::string always_file_;
    uint32_t always_line_ = 0;
    std::string always_pattern_;
    bool always_in_this_group_ = false;
    size_t records_after_always_ = 0;
};

}  // namespace kiova::tool
