// The settings file is shared by every process of a program folder (one per character). An
// update reads the file afresh, changes it and writes it back while holding an exclusive lock on
// the file's folder, so that two processes' updates never interleave and neither writes back a
// stale copy of the other's keys.
#pragma once

#include <functional>
#include <string_view>

#include "IniFile.h"

namespace kiova {

// Runs `change` on the file (ANSI path) as it is now and saves it, under the lock. A lock that
// cannot be had within a few seconds (a folder that refuses locks, a holder that hangs) is
// gone without: the update is never lost nor kept waiting. Throws std::runtime_error as Save.
void UpdateIniFile(std::string_view path, const std::function<void(TIniFile&)>& change);

}  // namespace kiova
