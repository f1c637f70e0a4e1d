// picture: decodes a picture file through the program's own loaders and writes it as a PNG, so
// authors see what the program would show.
#include <QImage>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "CharacterFile.h"
#include "CodePage.h"
#include "ColorKey.h"
#include "CommonOptions.h"
#include "Files.h"
#include "Picture.h"
#include "ProgramDecoders.h"
#include "ProgramFolder.h"
#include "SusiePlugInList.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace kiova::tool {
namespace {

// The window colour the colour key turns transparent pixels into: Qt's default window colour,
// which the program's window shows unless the desktop's theme changes it.
constexpr QRgb kWindowColor = 0xFFEFEFEF;

struct PictureOptions {
    std::string file_utf8;
    std::string png_utf8;
    std::optional<std::string> package_utf8;
    bool transparent = false;
    bool json = false;
};

PictureOptions ParsePictureOptions(const Arguments& args) {
    PictureOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--png") {
            options.png_utf8 = OptionValue(args, i);
        } else if (arg == "--package") {
            options.package_utf8 = OptionValue(args, i);
        } else if (arg == "--transparent") {
            options.transparent = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (options.file_utf8.empty() && !arg.starts_with("--")) {
            options.file_utf8 = arg;
        } else {
            throw UsageError(TranslatedUtf8(kToolUnexpectedArgument, arg));
        }
    }
    if (options.file_utf8.empty()) throw UsageError(TranslatedUtf8(kToolPictureNeedsFile));
    if (options.png_utf8.empty())
        throw UsageError(TranslatedUtf8(kToolNeedsArguments, "picture", "--png OUT"));
    return options;
}

// The decoders the program would have, with the character's when a package is given.
void AddDecoders(TSusiePlugInList& decoders, const std::optional<std::string>& package_utf8) {
    const std::string program_folder = OpenProgramFolder().path;
    if (!package_utf8) return AddProgramDecoders(decoders, program_folder, nullptr);
    const std::string package_path = std::filesystem::absolute(*package_utf8).string();
    if (!FileExists(package_path)) throw ToolError(TranslatedUtf8(kToolMissing, *package_utf8));
    const TCharacterFile package(package_path);
    AddProgramDecoders(decoders, program_folder, &package);
}

std::string ColorText(QRgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", color & 0xFFFFFFu);
    return text;
}

}  // namespace

int RunPictureCommand(const Arguments& args) {
    const PictureOptions options = ParsePictureOptions(args);
    TSusiePlugInList decoders;
    AddDecoders(decoders, options.package_utf8);

    QImage image;
    std::string reason;
    if (LoadPictureFile(options.file_utf8, decoders, image, reason) != PictureStatus::Loaded)
        throw ToolError(options.file_utf8 + ": " + reason);

    nlohmann::ordered_json out = {{"file", options.file_utf8},
                                  {"width", image.width()},
                                  {"height", image.height()},
                                  {"png", options.png_utf8}};
    std::string key_text;
    if (options.transparent) {
        const QRgb key = TransparencyKey(image);
        MakeTransparent(image, kWindowColor);
        out["key"] = ColorText(key);
        out["windowColor"] = ColorText(kWindowColor);
        key_text =
            ", colour key " + ColorText(key) + " -> window colour " + ColorText(kWindowColor);
    }
    if (!image.save(QString::fromStdString(options.png_utf8), "PNG"))
        throw ToolError(TranslatedUtf8(kToolCannotWrite, options.png_utf8));

    if (options.json)
        std::cout << out.dump() << '\n';
    else
        std::cout << options.file_utf8 << ": " << image.width() << 'x' << image.height() << key_text
                  << ", written to " << options.png_utf8 << '\n';
    return 0;
}

}  // namespace kiova::tool
