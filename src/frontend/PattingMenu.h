// The patting lists of a character: the captions shown in the patting window and, for each,
// the line sent to the character as if the user had typed it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiova {

struct TPattingLists {
    std::vector<std::u16string> captions;
    std::vector<std::u16string> messages;  // empty when the character does not take part
};

// From the package's "nadenade" and "datanadenade"; the action files lie in the character's
// data folder, like its other data files. Throws std::runtime_error when an action file named
// by the package is no regular file or lies outside that folder (see PathInside).
TPattingLists LoadPattingLists(std::string_view package_path);

}  // namespace kiova
