// The list behind the character selection dialog: one row per known character that is still a
// valid package, plus the packages found beside the program, plus those the user browses to.
// OK moves the chosen character to the head of the character list; Cancel leaves the list as
// it was (apart from the packages found beside the program).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CharacterList.h"

namespace kiova {

inline constexpr std::u16string_view kSelectionCaption = u"人格の選択";
inline constexpr std::u16string_view kInvalidFileMessage = u"無効なファイルです";
inline constexpr std::u16string_view kNothingSelectedMessage = u"人格を選択してください";

class TCharacterSelection {
public:
    struct TRow {
        std::string name;  // the package's "name", ANSI
        std::string path;  // ANSI
    };

    // Adds every valid "*.ktc" in `program_folder` (extension in any case, in name order) to
    // `list`, then makes a row for each valid package of the list.
    TCharacterSelection(TCharacterList& list, std::string_view program_folder);

    const std::vector<TRow>& Rows() const { return rows_; }

    // A package picked with the file dialog: a new last row; false when it is no valid package
    // (the dialog then shows kInvalidFileMessage).
    bool Browse(std::string_view package_path);
    // Removes a row; the character leaves the list only if OK follows.
    void Delete(size_t row);
    // OK with `selected` (nothing: no row selected, the dialog shows kNothingSelectedMessage
    // and stays open). Rewrites the list: the chosen path first, then the other rows in order.
    bool Accept(std::optional<size_t> selected);
    void Cancel() { cancelled_ = true; }

    bool Cancelled() const { return cancelled_; }
    // The chosen package; empty until Accept succeeds.
    const std::string& ChosenPath() const { return chosen_path_; }

private:
    void AddRow(std::string_view package_path);

    TCharacterList& list_;
    std::vector<TRow> rows_;
    std::string chosen_path_;
    bool cancelled_ = false;
};

}  // namespace kiova
