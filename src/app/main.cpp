// kiova: the program. The command line chooses between the windows and the terminal view; both
// run the same front-end logic.
#include <QCoreApplication>
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

namespace {
// The usage text in the user's language, which needs an application for the translators.
int PrintUsage(int& argc, char** argv, std::ostream& out, int status) {
    QCoreApplication application(argc, argv);
    kiova::TTranslations translations(kiova::UiLanguage(), kiova::TranslationFolders());
    out << kiova::ProgramUsage();
    return status;
}
}  // namespace

int main(int argc, char** argv) {
    using kiova::TProgramOptions;
    TProgramOptions options;
    try {
        options = kiova::ParseProgramOptions(
            std::span<char* const>(argv + 1, static_cast<size_t>(argc - 1)));
    } catch (const std::invalid_argument& error) {
        std::cerr << "kiova: " << error.what() << '\n';
        return PrintUsage(argc, argv, std::cerr, 2);
    }
    switch (options.action) {
        case TProgramOptions::EAction::Help:
            return PrintUsage(argc, argv, std::cout, 0);
        case TProgramOptions::EAction::Version:
            std::cout << "kiova " << kiova::kVersion << '\n';
            return 0;
        case TProgramOptions::EAction::Run:
            break;
    }
    if (!options.console && kiova::NoDisplay()) {
        std::cerr << kiova::kConsoleNoDisplay;
        options.console = true;
    }
    if (options.console)
        return kiova::RunConsoleProgram(argc, argv, options.package, options.verbose);
    return kiova::RunWindowsProgram(argc, argv, options.package);
}
