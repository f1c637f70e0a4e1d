// The per-user program folder of an installed program, made ready on each start.
#pragma once

#include <filesystem>
#include <string_view>

namespace kiova {

// Creates `folder` with mode 0700, and its missing parents too, unless it exists.
void CreatePerUserFolder(const std::filesystem::path& folder);

// A folder without a settings file has never been started: it gets a copy of each entry of
// `demo_characters` that it does not hold yet, and then a settings file whose character list
// names the packages among them: first those whose "language" key is `first_language` (an
// ISO 639-1 code), so that the first known character speaks the interface's language, then the
// others, each group by name. What exists is never overwritten, and each entry is copied under
// a temporary name and renamed into place, so an interrupted start leaves no half copy and the
// next start finishes the job. Throws EProgramFolderError.
void SeedPerUserFolder(const std::filesystem::path& folder,
                       const std::filesystem::path& demo_characters,
                       std::string_view first_language);

}  // namespace kiova
