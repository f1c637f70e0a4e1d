// Options that several kiova-tool subcommands share.
#pragma once

#include <string>
#include <string_view>

#include "DateTime.h"
#include "ToolCommand.h"

namespace kiova::tool {

// The value of --now, "yyyy/mm/dd hh:nn:ss". Throws UsageError when it is no valid date and time.
TDateTime ParseNowOption(std::string_view text);
// Stops the clock at the --now value for the rest of the run (local time and UTC alike), so
// dates and random draws repeat from run to run.
void FixClockAt(std::string_view now_option);

// The value that follows the option at args[index], moving `index` onto it. Throws UsageError
// "OPTION needs a value" when the option is the last argument.
const std::string& OptionValue(const Arguments& args, size_t& index);

// The absolute path of the package given as `package_utf8`. Throws ToolError
// "PACKAGE does not exist" when there is no such file.
std::string ExistingPackagePath(const std::string& package_utf8);

// The arguments "[PACKAGE] [--json]" in any order; the package is empty when not given.
// Throws UsageError for any other argument.
struct PackageAndJson {
    std::string package_utf8;
    bool json = false;
};
PackageAndJson ParsePackageAndJson(const Arguments& args);

}  // namespace kiova::tool
