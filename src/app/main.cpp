// kiova: the program. The command line chooses between the windows and the terminal view; both
// run the same front-end logic.
#include <iostream>
#include <span>
#include <stdexcept>

#include "ConsoleProgram.h"
#include "ConsoleTexts.h"
#include "InstalledFolders.h"
#include "ProgramOptions.h"
#include "Translation.h"
#include "Version.h"
#include "WindowsProgram.h"

int main(int argc, char** argv) {
    using kiova::TProgramOptions;
    // Serves the texts printed before the windows or the terminal make their application.
    const kiova::TTranslations early_texts(kiova::UiLanguage(), kiova::TranslationFolders());
    TProgramOptions options;
    try {
        options = kiova::ParseProgramOptions(
            std::span<char* const>(argv + 1, static_cast<size_t>(argc - 1)));
    } catch (const std::invalid_argument& error) {
        std::cerr << "kiova: " << error.what() << '\n' << kiova::ProgramUsage();
        return 2;
    }
    switch (options.action) {
        case TProgramOptions::EAction::Help:
            std::cout << kiova::ProgramUsage();
            return 0;
        case TProgramOptions::EAction::Version:
            std::cout << "kiova " << kiova::kVersion << '\n';
            return 0;
        case TProgramOptions::EAction::Run:
            break;
    }
    if (!options.console && kiova::NoDisplay()) {
        std::cerr << kiova::TranslatedUtf8(kiova::kConsoleNoDisplay) << '\n';
        options.console = true;
    }
    if (options.console)
        return kiova::RunConsoleProgram(argc, argv, options.package, options.verbose);
    return kiova::RunWindowsProgram(argc, argv, options.package);
}
