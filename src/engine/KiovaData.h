// TKiovaData: one dialogue table, the records of one or more data files, and the walk that
// picks an answer for a turn's message. The four kinds (0, A, B, C) differ only in how a data
// line becomes a record and in the test that makes a record a candidate.
//
//   TKiovaDataB table(/*once_only=*/true, {});
//   table.LoadFromFile(folder + "words.txt");
//   std::string answer = table.Answer(NormalizeAnsi("hello"));   // "" when nothing fits
//
// Records are grouped by "{PRIOR}" marker records: the first group with a candidate wins and
// one of its candidates is drawn at random. A once-only table never gives a record twice.
// All texts are ANSI, in the table's code page (the character's), which also gives its patterns
// their character code.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AnswerList.h"
#include "CodePage.h"
#include "NormalizeAnsi.h"
#include "bmCharCode.h"

namespace kiova {

class TbmRESearchText;

inline constexpr std::string_view kPriorMarker = "{PRIOR}";
inline constexpr std::string_view kEndOfDataMarker = "{ENDOFDATA}";

class TKiovaData {
public:
    // The owning character's tag evaluator; kind 0 tests its conditions with it.
    using TEvaluator = std::function<std::u16string(std::u16string_view)>;

    TKiovaData(bool once_only, TEvaluator evaluator, int code_page = kiova::CodePage());
    virtual ~TKiovaData();
    TKiovaData(const TKiovaData&) = delete;
    TKiovaData& operator=(const TKiovaData&) = delete;

    // Appends the records of one data file, plain or enciphered. A missing file changes nothing;
    // one that exists but cannot be read throws EKiovaError.
    void LoadFromFile(std::string_view path);
    // An answer for the normalised `message`, or empty text when no record is a candidate.
    std::string Answer(std::string_view message);
    // Drops every record and forgets the loaded files.
    void Clear();

    // Records that are neither markers nor used.
    int AvailableCount() const { return available_count_; }
    bool OnceOnly() const { return once_only_; }
    int CodePage() const { return code_page_; }
    TbmCharCode CharCode() const { return char_code_; }
    size_t RecordCount() const { return entries_.size(); }
    const std::vector<std::string>& LoadedFiles() const { return loaded_files_; }

    // What the last Answer chose: the record and how many candidates its group had; nothing
    // when it chose none.
    struct TChoice {
        size_t record;
        int candidates;
    };
    std::optional<TChoice> LastChoice() const;
    // Where the record at `index` was read: the file as loaded and its line, from 1.
    struct TRecordSource {
        std::string_view file;
        std::uint32_t line;
    };
    TRecordSource Source(size_t index) const;
    // The record's keys as the table compares them (normalised), joined by a comma; empty for
    // a plain answer. For traces: it may be slow.
    virtual std::string KeyText(size_t index) const = 0;

protected:
    struct TRecordText {
        std::vector<std::string> keys;  // normalised; the first one is compared with the markers
        std::string answer;
    };

    // The record a data line makes; nothing when the line is skipped.
    virtual std::optional<TRecordText> ReadRecord(std::string_view line) const = 0;
    // Keeps the keys of the record just appended. A marker's keys are never tested.
    virtual void AddKeys(std::vector<std::string>&& keys, bool marker) = 0;
    // Runs after every loaded file, for the records added since the last call.
    virtual void Prepare() {}
    // Whether the record at `index` (no marker, not used) is a candidate for `message`.
    virtual bool Test(size_t index, const TbmRESearchText& message) = 0;
    // Fills `records` with the ascending indices of every record whose keys hold for `message`
    // (markers and used records may be among them) and returns true; false when the records
    // must be tested one by one instead.
    virtual bool FindMatches(const TbmRESearchText& /*message*/,
                             std::vector<std::uint32_t>& /*records*/) {
        return false;
    }
    virtual void ClearKeys() = 0;

    // The field-list line of kinds 0, A and B: `key_count` keys (normalised, "#" meaning a
    // digit), then the answer; further fields are ignored, a line with fewer is skipped.
    std::optional<TRecordText> ReadFields(std::string_view line, size_t key_count) const;

    const TEvaluator& Evaluator() const { return evaluator_; }

private:
    struct TEntry {
        std::string answer;
        std::uint32_t group = 0;  // markers before the record
        std::uint32_t line = 0;   // in its file
        std::uint16_t file = 0;   // index into loaded_files_
        bool used = false;
        bool prior = false;
    };

    // The candidates of the first group that has any: by testing each record, or from the
    // records the kind found matching.
    void WalkGroups(const TbmRESearchText& message);
    void TakeFirstGroup(const std::vector<std::uint32_t>& matches);

    std::vector<TEntry> entries_;  // in file order; kinds keep their keys at the same index
    std::uint32_t groups_ = 0;     // markers read so far
    TAnswerList candidates_{1};    // reused from turn to turn
    std::uint32_t last_choice_ = 0;
    std::vector<std::uint32_t> matches_;
    int available_count_ = 0;
    TEvaluator evaluator_;
    bool once_only_;
    int code_page_;
    TbmCharCode char_code_;
    std::vector<std::string> loaded_files_;
};

}  // namespace kiova
