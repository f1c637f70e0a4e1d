// kiova-tool: a command-line tool for character authors. Arguments and output are UTF-8;
// file contents are in the character's code page.
#include <iostream>
#include <span>
#include <string_view>

#include "InstalledFolders.h"
#include "MatchCommand.h"
#include "ToolCommand.h"
#include "ToolTexts.h"
#include "Version.h"

namespace kiova::tool {
namespace {

constexpr ToolCommand kCommands[] = {
    {"info", "info [PACKAGE] [--json]", RunInfoCommand},
    {"encrypt", "encrypt --key KEY [--package PACKAGE] INPUT OUTPUT", RunEncryptCommand},
    {"decrypt", "decrypt INPUT OUTPUT", RunDecryptCommand},
    {"chat",
     "chat PACKAGE [--raw] [--json] [--trace] [--mask N] [--now \"yyyy/mm/dd hh:nn:ss\"] [--user "
     "PROFILE] "
     "[--allow-execute] [--plugins]",
     RunChatCommand},
    {"eval",
     "eval PACKAGE [--json] [--now \"yyyy/mm/dd hh:nn:ss\"] [--user PROFILE] [--allow-execute] "
     "[--plugins] [--] TEXT...",
     RunEvalCommand},
    {"check", "check PACKAGE [--json]", RunCheckCommand},
    {"convert", "convert PACKAGE --to utf-8|shift_jis OUTFOLDER", RunConvertCommand},
    {"picture", "picture FILE --png OUT [--transparent] [--package PACKAGE] [--json]",
     RunPictureCommand},
    {"match",
     "match [--code sjis|euc|western|unicode] [--ignore-case] [--hex] (PATTERN TEXT | --batch)",
     RunMatchCommand},
};

void PrintHelp(std::ostream& out) {
    out << TranslatedUtf8(kToolUsage);
    for (const ToolCommand& command : kCommands) out << "  kiova-tool " << command.usage << '\n';
    out << "  kiova-tool --help\n  kiova-tool --version\n";
}

int Run(std::span<char*> argv) {
    if (argv.empty()) {
        PrintHelp(std::cerr);
        return 2;
    }
    std::string_view name = argv[0];
    if (name == "--help" || name == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "kiova-tool " << kVersion << '\n';
        return 0;
    }
    for (const ToolCommand& command : kCommands) {
        if (name != command.name) continue;
        try {
            return command.run(Arguments(argv.begin() + 1, argv.end()));
        } catch (const UsageError& error) {
            std::cerr << "kiova-tool: " << error.what() << '\n'
                      << TranslatedUtf8(kToolCommandUsage, command.usage) << '\n';
            return 2;
        } catch (const std::exception& error) {
            std::cerr << "kiova-tool: " << error.what() << '\n';
            return 1;
        }
    }
    std::cerr << "kiova-tool: " << TranslatedUtf8(kToolUnknownCommand, name) << '\n';
    PrintHelp(std::cerr);
    return 2;
}

}  // namespace
}  // namespace kiova::tool

int main(int argc, char** argv) {
    const kiova::TTranslations translations(kiova::UiLanguage(), kiova::TranslationFolders());
    return kiova::tool::Run(std::span<char*>(argv + 1, static_cast<size_t>(argc - 1)));
}
