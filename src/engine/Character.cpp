// Creating a character, its reply cycle and its state file.
//
// In:  a package path; per turn an input line (UTF-16) and a table mask.
// Out: a raw answer per turn; the state file ("<package name>.kts" in the data folder), written
//      when the character is created without one and when a named character is destroyed.
// Always: a character that exists has at least one available record and a state file; the
// state file is replaced atomically, so a failed save keeps the previous one.
#include "Character.h"

#include <stdexcept>

#include "Clock.h"
#include "CodePage.h"
#include "Crypt.h"
#include "DataFile.h"
#include "Files.h"
#include "KiovaError.h"
#include "Numbers.h"
#include "Random.h"
#include "StateFolder.h"
#include "TextUtils.h"

namespace kiova {
namespace {

class TNullPluginList final : public TPluginListBase {
public:
    int Count() const override { return 0; }
    bool AddPlugin(std::string_view) override { return false; }
    void FireEvent(std::string&, std::string&) override {}
    std::string ExpandTag(std::string_view) override { return {}; }
    std::string PluginInfo(int, std::int32_t) const override { return {}; }
    void ConfigurationDialog(int) override {}
};

class TIdentityEvaluator final : public TTagEvaluator {
public:
    std::u16string EvaluateTags(std::u16string_view text) override { return std::u16string(text); }
};

// Checks that the package exists and names the character, then parses it.
TCharacterFile ReadValidPackage(std::string_view package_path) {
    if (!FileExists(package_path)) throw EKiovaInvalidCharacter("characterfile is not found");
    if (!IsValidCharacterFile(package_path))
        throw EKiovaInvalidCharacter("characterfile is invalid");
    return TCharacterFile(package_path);
}

bool HasBit(uint8_t mask, int bit) {
    return (mask >> bit) & 1;
}

}  // namespace

std::string StateFileName(std::string_view package_path) {
    std::string_view file_name = package_path.substr(ExtractFilePath(package_path).size());
    // '.' is never the trail byte of a double-byte character, so a byte search is safe.
    file_name = file_name.substr(0, file_name.rfind('.'));
    return std::string(file_name) + ".kts";
}

TCharacter::TCharacter(std::string_view package_path, TCharacterServices services)
    : package_(ReadValidPackage(package_path)),
      data01_(true, BoundEvaluator(), package_.CodePage()),
      data02_(false, BoundEvaluator(), package_.CodePage()),
      dataa1_(true, BoundEvaluator(), package_.CodePage()),
      dataa2_(false, BoundEvaluator(), package_.CodePage()),
      datab1_(true, BoundEvaluator(), package_.CodePage()),
      datab2_(false, BoundEvaluator(), package_.CodePage()),
      datac1_(true, BoundEvaluator(), package_.CodePage()),
      datac2_(false, BoundEvaluator(), package_.CodePage()) {
    if (!HasSupportedVersion(package_))
        throw EKiovaInvalidCharacter("character is not supported in this version");

    report_problem_ = std::move(services.report_problem);
    if (const std::optional<std::string>& problem = package_.CharsetProblem()) {
        ReportProblem(std::string(package_path) + ": " + *problem);
        throw EKiovaInvalidCharacter(*problem);
    }
    plugins_ = services.create_plugin_list ? services.create_plugin_list()
                                           : std::make_unique<TNullPluginList>();
    evaluator_ = services.create_tag_evaluator ? services.create_tag_evaluator(*this)
                                               : std::make_unique<TIdentityEvaluator>();

    package_path_ = package_path;
    if (DataFolder().empty())
        ReportProblem(OutsideFolderMessage(package_.ReadValue("folder"), CodePage()));
    const std::string state_folder = StateFolderFor(DataFolder());
    state_beside_data_ = state_folder == DataFolder();
    state_path_ = state_folder + StateFileName(package_path_);

    LoadTables();
    if (!HasData()) throw EKiovaInvalidCharacter("character contains no data");

    if (!FileExists(state_path_)) SaveFirstState();
    name_ = package_.ReadValue("name");
    LoadState();
    creation_time_ = CurrentClock()->Now();
}

TCharacter::~TCharacter() {
    if (name_.empty()) return;
    try {
        SaveState();
    } catch (const std::exception&) {
        // A destructor cannot report; the previous state file is still intact on disk.
    }
}

TKiovaData::TEvaluator TCharacter::BoundEvaluator() {
    return [this](std::u16string_view text) { return EvaluateTags(text); };
}

std::array<TKiovaData*, 8> TCharacter::Tables() {
    return {&data01_, &data02_, &dataa1_, &dataa2_, &datab1_, &datab2_, &datac1_, &datac2_};
}

std::array<const TKiovaData*, 8> TCharacter::Tables() const {
    return {&data01_, &data02_, &dataa1_, &dataa2_, &datab1_, &datab2_, &datac1_, &datac2_};
}

void TCharacter::LoadTables() {
    const std::array<TKiovaData*, 8> tables = Tables();
    for (size_t bit = 0; bit < tables.size(); ++bit)
        for (const std::string& file :
             SplitFieldList(package_.ReadValue(kTableKeys[bit]), CodePage())) {
            if (std::optional<std::string> path = package_.ResolvePath(file))
                tables[bit]->LoadFromFile(*path);
            else if (!DataFolder().empty())
                ReportProblem(OutsideFolderMessage(file, CodePage()));
        }
}

bool TCharacter::HasData() const {
    for (const TKiovaData* table : Tables())
        if (table->AvailableCount() > 0) return true;
    return false;
}

// Still nameless here, so a first state file is keyed with the empty name. A per-user state file
// starts as the one shipped beside the data, if any; failing to write it is reported once and
// the conversation goes on, the state being saved again later.
void TCharacter::SaveFirstState() const {
    if (state_beside_data_) {
        SaveState();
        return;
    }
    try {
        CreateStateFolder(ExtractFilePath(state_path_));
        if (const std::optional<std::string> shipped =
                package_.ResolvePath(StateFileName(package_path_));
            shipped && FileExists(*shipped))
            WriteFileAtomically(state_path_, ReadFileBytes(*shipped).value_or(std::string()));
        else
            SaveState();
    } catch (const std::exception& error) {
        ReportProblem(error.what());
    }
}

void TCharacter::LoadState() {
    if (!state_beside_data_) {
        if (!FileExists(state_path_)) return;  // not writable yet: reported when first saved
    } else if (!FileExists(state_path_) || !StateFileInside()) {
        SaveState();
    }
    const std::vector<std::string> lines = ReadDataFileLines(state_path_);
    if (!TCharacterVariables::IsWholeState(lines)) KeepDamagedStateFile();
    variables_.FromStateLines(lines);
}

// A state file that is a link out of the data folder is never read; saving replaces the link.
bool TCharacter::StateFileInside() const {
    const std::string name = StateFileName(package_path_);
    if (package_.ResolvePath(name)) return true;
    ReportProblem(OutsideFolderMessage(name, CodePage()));
    return false;
}

// The next save replaces the state file, so what may still be read from it is copied first.
void TCharacter::KeepDamagedStateFile() const {
    const std::string kept = state_path_ + ".damaged";
    if (FileExists(kept)) {
        ReportProblem(state_path_ + " is damaged; an earlier damaged copy stays in " + kept);
        return;
    }
    try {
        WriteFileAtomically(kept, ReadFileBytes(state_path_).value_or(std::string()));
    } catch (const std::runtime_error& error) {
        throw EKiovaError(state_path_ + " is damaged and cannot be kept: " + error.what());
    }
    ReportProblem(state_path_ + " is damaged; it is kept as " + kept);
}

void TCharacter::ReportProblem(std::string_view message) const {
    if (report_problem_) report_problem_(message);
}

void TCharacter::SaveState() const {
    std::string contents = JoinLinesCrLf(EncipherLines(variables_.ToStateLines(), name_));
    try {
        if (!state_beside_data_) CreateStateFolder(ExtractFilePath(state_path_));
        WriteFileAtomically(state_path_, contents);
    } catch (const std::runtime_error& error) {
        throw EKiovaError(error.what());
    }
}

std::u16string TCharacter::Respond(std::u16string_view input, uint8_t table_mask,
                                   TReplyTrace* trace) {
    previous_answer_ = dataa1_.PreviousAnswer();
    Randomize();
    ++turn_count_;
    previous_input_ = std::move(current_input_);
    current_input_ = Utf16ToAnsi(input, CodePage());

    const std::string message = MessageFor(input);
    operate_message_ = HasBit(table_mask, 0) || HasBit(table_mask, 1) ? message : std::string();

    const std::array<TKiovaData*, 8> tables = Tables();
    std::string answer;
    int last_searched = -1;
    for (int bit = 0; bit < 6 && answer.empty(); ++bit) {
        if (!HasBit(table_mask, bit)) continue;
        answer = tables[bit]->Answer(message);
        last_searched = bit;
        if (trace) trace->searched.push_back(bit);
    }
    if (answer.empty()) {
        if (const int bit = PlainTableFor(table_mask); bit >= 0) {
            answer = tables[bit]->Answer(message);
            last_searched = bit;
            if (trace) trace->searched.push_back(bit);
        }
    }
    if (trace) {
        trace->message = message;
        if (last_searched >= 0)
            if (auto choice = tables[last_searched]->LastChoice())
                trace->answered = TReplyTrace::TAnswered{last_searched, *choice};
    }

    dataa1_.SetPreviousAnswer(answer);
    dataa2_.SetPreviousAnswer(answer);
    return AnsiToUtf16(answer, CodePage());
}

// The normalised message the tables see: a marker for an empty input, the input followed by a
// marker for a repetition of the previous input, else the input.
std::string TCharacter::MessageFor(std::u16string_view input) const {
    std::u16string message;
    if (input.empty())
        message = kNothingSaidMarker;
    else if (current_input_ == previous_input_)
        message = std::u16string(input) + std::u16string(kRepeatedMarker);
    else
        message = input;
    return Utf16ToAnsi(NormalizeText(message), CodePage());
}

// With both plain tables in the mask, one of them is drawn, weighted by their available counts.
int TCharacter::PlainTableFor(uint8_t table_mask) const {
    const bool use_c1 = HasBit(table_mask, 6);
    const bool use_c2 = HasBit(table_mask, 7);
    if (use_c1 && use_c2) {
        const int c1 = datac1_.AvailableCount();
        const int c2 = datac2_.AvailableCount();
        if (c1 + c2 == 0) return -1;
        return RandomFloat() < static_cast<double>(c1) / (c1 + c2) ? 6 : 7;
    }
    if (use_c1) return 6;
    if (use_c2) return 7;
    return -1;
}

std::u16string TCharacter::EvaluateTags(std::u16string_view text) {
    return evaluator_->EvaluateTags(text);
}

bool TCharacter::AddPluginLibrary(std::u16string_view identifier) {
    return plugins_->AddPlugin(Utf16ToUtf8(identifier));
}

}  // namespace kiova
