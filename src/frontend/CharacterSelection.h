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
#include "Translation.h"

namespace kiova {

class TCharacterSelection {
public:
    struct TRow {
        std::string name;  // the package's "name", UTF-8
        std::string path;  // native
    };

    // Adds every valid "*.ktc" in `program_folder` (extension in any case, in name order) to
    // `list`, then makes a row for each valid package of the list.
    TCharacterSelection(TCharacterList& list, std::string_view program_folder);

    const std::vector<TRow>& Rows() const { return rows_; }

    // A file picked with the file dialog, its path as the file system names it: a new last
    // row, or the message the dialog shows instead - the path holds a letter that the code page
    // cannot hold (the list could not keep it), or the file is no valid package.
    std::optional<TUiText> Browse(std::u16string_view picked_path);
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
