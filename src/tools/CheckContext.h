// What the checks of one character share: the report, the character's data folder, the picture
// decoders the program would load for it, and the pictures already tried.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "CheckReport.h"

namespace kiova {
class TSusiePlugInList;
}

namespace kiova::tool {

class TCheckContext {
public:
    TCheckContext(TCheckReport& report, std::string data_folder, int code_page,
                  TSusiePlugInList& decoders)
        : report_(report),
          data_folder_(std::move(data_folder)),
          code_page_(code_page),
          decoders_(decoders) {}

    TCheckReport& Report() { return report_; }
    // Native, with a trailing delimiter.
    const std::string& DataFolder() const { return data_folder_; }
    // The character's code page, which its texts and names are in.
    int CodePage() const { return code_page_; }

    // Whether the file at `ansi_path` (written on Windows), which `place` names as `what`,
    // exists as the program finds it: an error when it does not, a warning when it is found
    // only by ignoring letter case.
    bool CheckFileExists(const TPlace& place, std::string_view what, std::string_view ansi_path);
    // The same, and a picture must decode as the program would decode it.
    void CheckPicture(const TPlace& place, std::string_view what, std::string_view ansi_path);
    // `name` (in the code page) joined to `folder` as written, as the program joins it; an error at
    // `place`, and nothing, when it leads out of `folder` (see PathInside). Nothing without a
    // folder, which is reported where it is named.
    std::optional<std::string> NamedPath(const TPlace& place, std::string_view what,
                                         const std::optional<std::string>& folder,
                                         std::string_view name);

private:
    TCheckReport& report_;
    std::string data_folder_;
    int code_page_;
    TSusiePlugInList& decoders_;
    // Picture path -> why no decoder read it (empty when one did); kept small.
    std::unordered_map<std::string, std::string> tried_pictures_;
};

}  // namespace kiova::tool
