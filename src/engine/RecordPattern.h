// The pattern of one table record: compiled once when its table is prepared; a pattern that
// does not compile is dropped and never matches, so one bad key cannot stop its table.
#pragma once

#include <memory>
#include <string_view>

namespace kiova {

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
    bool FoundIn(std::string_view text);

private:
    std::unique_ptr<TbmRExp> regexp_;
};

}  // namespace kiova
