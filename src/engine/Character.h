// TCharacter: one loaded character. It owns its package, its eight dialogue tables, its
// variables and their state file, and turns one input line into one raw answer (`Respond`).
//
//   TCharacter character(package_path);                 // throws EKiovaInvalidCharacter
//   std::u16string raw = character.Respond(u"hello", kTableMaskAll);
//   std::u16string shown = character.EvaluateTags(raw);
//   // destruction writes the state file when the character has a name
//
// Plug-ins and the tag language attach through TCharacterServices. Used from the GUI thread,
// except EntrustFinished, which the delegation thread calls.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CharacterFile.h"
#include "CharacterServices.h"
#include "CharacterVariables.h"
#include "DateTime.h"
#include "KiovaData0.h"
#include "KiovaDataA.h"
#include "KiovaDataB.h"
#include "KiovaDataC.h"
#include "User.h"

namespace kiova {

// Which tables a reply consults: bit 0 data01, bit 1 data02, bit 2 dataa1, bit 3 dataa2,
// bit 4 datab1, bit 5 datab2, bit 6 datac1, bit 7 datac2.
inline constexpr uint8_t kTableMaskAll = 255;   // typed lines and lines fed back
inline constexpr uint8_t kTableMaskEvents = 3;  // events: the condition tables only

// The package keys of the tables, in the order of the mask bits.
inline constexpr std::array<std::string_view, 8> kTableKeys = {
    "data01", "data02", "dataa1", "dataa2", "datab1", "datab2", "datac1", "datac2"};
// Their kinds, likewise.
inline constexpr std::array<char, 8> kTableKinds = {'0', '0', 'A', 'A', 'B', 'B', 'C', 'C'};

// How one reply was chosen, for authors.
struct TReplyTrace {
    struct TAnswered {
        int table;  // mask bit
        TKiovaData::TChoice choice;
    };
    std::string message;                // normalised, as the tables saw it
    std::vector<int> searched;          // mask bits of the tables consulted, in order
    std::optional<TAnswered> answered;  // the record the last table searched chose, if any
};

inline constexpr std::u16string_view kNothingSaidMarker = u"{NothingSaid}";
inline constexpr std::u16string_view kRepeatedMarker = u"{Repeated}";

// The state file's name: the package's file name with its extension replaced by ".kts". It lies
// in the folder StateFolderFor gives for the data folder.
std::string StateFileName(std::string_view package_path);

class TCharacter {
public:
    // `package_path` is native. Throws EKiovaInvalidCharacter with the reason when the package
    // cannot become a character, EKiovaError when its state file cannot be read or written.
    explicit TCharacter(std::string_view package_path, TCharacterServices services = {});
    // Saves the state file when the character has a name.
    ~TCharacter();
    TCharacter(const TCharacter&) = delete;
    TCharacter& operator=(const TCharacter&) = delete;

    // The raw answer (tags not expanded) to `input`, from the tables that `table_mask` names;
    // empty when none of them gives one. With `trace`, also tells there how it was chosen.
    std::u16string Respond(std::u16string_view input, uint8_t table_mask,
                           TReplyTrace* trace = nullptr);
    std::u16string EvaluateTags(std::u16string_view text);

    // Adds the plug-in `identifier` to the character's own list; false when that fails.
    bool AddPluginLibrary(std::u16string_view identifier);
    TPluginListBase& Plugins() { return *plugins_; }

    // The delegation thread's completion callback.
    void EntrustFinished() { entrust_finished_ = true; }
    // The delegation-finished flag, which is cleared by reading it.
    bool TakeEntrustFinished() { return entrust_finished_.exchange(false); }

    // Variables 50 to 99 from and to the state file (always written enciphered with the name).
    // A damaged state file (see TCharacterVariables::IsWholeState) is kept beside it as
    // "<state file>.damaged", unless one is kept already, and reported before it is replaced.
    void LoadState();
    void SaveState() const;

    const TCharacterFile& Package() const { return package_; }
    const std::string& PackagePath() const { return package_path_; }
    const std::string& DataFolder() const { return package_.DataFolder(); }
    // The code page of the character's data, state file and texts (ANSI strings below).
    int CodePage() const { return package_.CodePage(); }
    const std::string& Name() const { return name_; }
    const std::string& StatePath() const { return state_path_; }
    TCharacterVariables& Variables() { return variables_; }
    const TCharacterVariables& Variables() const { return variables_; }
    // The normalised message of this turn when a condition table could be consulted.
    const std::string& OperateMessage() const { return operate_message_; }
    // The normalised raw answer of the previous turn.
    const std::string& PreviousAnswer() const { return previous_answer_; }
    // This turn's input as given, and the one before.
    const std::string& CurrentInput() const { return current_input_; }
    const std::string& PreviousInput() const { return previous_input_; }
    TDateTime CreationTime() const { return creation_time_; }
    int32_t TurnCount() const { return turn_count_; }

    // Copied in by the front end at every load and settings change; the tag language reads them.
    void SetUserProfile(const TUser& user) { user_ = user; }
    void SetAllowExecute(bool allow) { allow_execute_ = allow; }
    void SetPluginsEnabled(bool enabled) { plugins_enabled_ = enabled; }
    const TUser& User() const { return user_; }
    bool AllowExecute() const { return allow_execute_; }
    bool PluginsEnabled() const { return plugins_enabled_; }

    // Hands `message` (UTF-8) to the services' problem report.
    void ReportProblem(std::string_view message) const;

    // The tables, in the order of the mask bits.
    TKiovaData0& Data01() { return data01_; }
    TKiovaData0& Data02() { return data02_; }
    TKiovaDataA& DataA1() { return dataa1_; }
    TKiovaDataA& DataA2() { return dataa2_; }
    TKiovaDataB& DataB1() { return datab1_; }
    TKiovaDataB& DataB2() { return datab2_; }
    TKiovaDataC& DataC1() { return datac1_; }
    TKiovaDataC& DataC2() { return datac2_; }
    const TKiovaData& Table(int bit) const { return *Tables()[static_cast<size_t>(bit)]; }

private:
    void LoadTables();
    void SaveFirstState() const;
    bool HasData() const;
    void KeepDamagedStateFile() const;
    bool StateFileInside() const;
    std::string MessageFor(std::u16string_view input) const;
    // The plain table a reply consults (its mask bit), -1 for none.
    int PlainTableFor(uint8_t table_mask) const;
    std::array<TKiovaData*, 8> Tables();
    std::array<const TKiovaData*, 8> Tables() const;

    TKiovaData::TEvaluator BoundEvaluator();

    TCharacterFile package_;
    std::string package_path_;
    std::string state_path_;
    bool state_beside_data_ = true;  // else under the per-user state folder
    std::unique_ptr<TPluginListBase> plugins_;
    std::function<void(std::string_view)> report_problem_;

    TKiovaData0 data01_;
    TKiovaData0 data02_;
    TKiovaDataA dataa1_;
    TKiovaDataA dataa2_;
    TKiovaDataB datab1_;
    TKiovaDataB datab2_;
    TKiovaDataC datac1_;
    TKiovaDataC datac2_;

    std::string name_;
    std::string operate_message_;
    TCharacterVariables variables_;
    std::string previous_answer_;
    std::string current_input_;
    std::string previous_input_;
    TDateTime creation_time_ = 0;
    int32_t turn_count_ = 0;
    std::atomic<bool> entrust_finished_ = false;
    TUser user_;
    bool allow_execute_ = false;
    bool plugins_enabled_ = false;

    // Last, so it is destroyed first: it may hold a reference to everything above.
    std::unique_ptr<TTagEvaluator> evaluator_;
};

}  // namespace kiova
