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
// All texts are ANSI.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

class TbmRESearchText;

inline constexpr std::string_view kPriorMarker = "{PRIOR}";
inline constexpr std::string_view kEndOfDataMarker = "{ENDOFDATA}";

class TKiovaData {
public:
    // The owning character's tag evaluator; kind 0 tests its conditions with it.
    using TEvaluator = std::function<std::u16string(std::u16string_view)>;

    TKiovaData(bool once_only, TEvaluator evaluator);
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
    size_t RecordCount() const { return entries_.size(); }
    const std::vector<std::string>& LoadedFiles() const { return loaded_files_; }

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
    virtual void ClearKeys() = 0;

    // The field-list line of kinds 0, A and B: `key_count` keys (normalised, "#" meaning a
    // digit), then the answer; further fields are ignored, a line with fewer is skipped.
    static std::optional<TRecordText> ReadFields(std::string_view line, size_t key_count);

    const TEvaluator& Evaluator() const { return evaluator_; }

private:
    struct TEntry {
        std::string answer;
        bool used = false;
        bool prior = false;
    };

    std::vector<TEntry> entries_;  // in file order; kinds keep their keys at the same index
    int available_count_ = 0;
    TEvaluator evaluator_;
    bool once_only_;
    std::vector<std::string> loaded_files_;
};

// NormalizeText applied to ANSI text.
std::string NormalizeAnsi(std::string_view text);

}  // namespace kiova
