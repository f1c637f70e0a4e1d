#include "CommonOptions.h"

#include <filesystem>
#include <memory>
#include <string>

#include "Clock.h"
#include "DateText.h"
#include "Files.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace kiova::tool {

TDateTime ParseNowOption(std::string_view text) {
    std::optional<TDateTime> value = ParseDateTime(text);
    if (!value) throw UsageError(TranslatedUtf8(kToolBadNow, text));
    return *value;
}

void FixClockAt(std::string_view now_option) {
    const TDateTime now = ParseNowOption(now_option);
    SetClock(std::make_shared<TFixedClock>(now, now));
}

const std::string& OptionValue(const Arguments& args, size_t& index) {
    if (index + 1 >= args.size()) throw UsageError(TranslatedUtf8(kToolNeedsValue, args[index]));
    return args[++index];
}

std::string ExistingPackagePath(const std::string& package_utf8) {
    std::string path = std::filesystem::absolute(package_utf8).string();
    if (!FileExists(path)) throw ToolError(TranslatedUtf8(kToolMissing, package_utf8));
    return path;
}

PackageAndJson ParsePackageAndJson(const Arguments& args) {
    PackageAndJson options;
    for (const std::string& arg : args) {
        if (arg == "--json")
            options.json = true;
        else if (options.package_utf8.empty() && !arg.starts_with("--"))
            options.package_utf8 = arg;
        else
            throw UsageError(TranslatedUtf8(kToolUnexpectedArgument, arg));
    }
    return options;
}

}  // namespace kiova::tool
