// The text shown in the balloon while an answer plays: a list of lines and the index of the
// line being written, which may run ahead of the list (the gap shows as empty lines).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

class TBalloonLines {
public:
    // Appends `text` to the current line, creating empty lines up to it as needed. Returns
    // what Text() has gained at its end.
    std::u16string Append(std::u16string_view text);
    // Removes the last character of the current line; at an empty or missing line, removes
    // that line and goes back one. Nothing at the very beginning. Returns what Text() has lost
    // at its end (nothing when only a missing line was left), or nullopt when nothing changed.
    std::optional<std::u16string> EraseLast();
    void NextLine() { ++line_index_; }
    // Empties the list; the next text is written on the current line index.
    void Empty() { lines_.clear(); }
    // Empties the list and starts again at the first line.
    void Reset();

    // The lines joined with CR LF.
    std::u16string Text() const;
    const std::vector<std::u16string>& Lines() const { return lines_; }
    int LineIndex() const { return line_index_; }

private:
    std::vector<std::u16string> lines_;
    int line_index_ = 0;
};

}  // namespace kiova
