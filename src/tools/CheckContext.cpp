#include "CheckContext.h"

#include <QImage>
#include <filesystem>

#include "CharacterFile.h"
#include "CodePage.h"
#include "Files.h"
#include "Picture.h"
#include "SusiePlugInList.h"

namespace kiova::tool {
namespace {

// Enough for every picture of any real character; past it, pictures are simply tried again.
constexpr size_t kMaxTriedPictures = 10000;

// The path as written, only its delimiters made native: what a case-sensitive system finds.
std::filesystem::path AsWritten(std::string_view ansi_path) {
    std::string utf8(ansi_path);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    return utf8;
}

}  // namespace

bool TCheckContext::CheckFileExists(const TPlace& place, std::string_view what,
                                    std::string_view ansi_path) {
    std::error_code error;
    const std::filesystem::path found = NativePath(ansi_path);
    if (!std::filesystem::is_regular_file(found, error)) {
        report_.Error(
            place, std::string(what) + " " + Quoted(ansi_path, kUtf8CodePage) + " does not exist");
        return false;
    }
    if (!std::filesystem::is_regular_file(AsWritten(ansi_path), error))
        report_.Warning(place, std::string(what) + " " + Quoted(ansi_path, kUtf8CodePage) +
                                   " is found only by ignoring letter case, as " + found.string());
    return true;
}

std::optional<std::string> TCheckContext::NamedPath(const TPlace& place, std::string_view what,
                                                    const std::optional<std::string>& folder,
                                                    std::string_view name) {
    if (!folder || folder->empty()) return std::nullopt;
    if (PathInside(*folder, name, code_page_)) return *folder + AnsiToUtf8(name, code_page_);
    report_.Error(place, std::string(what) + " " + OutsideFolderMessage(name, code_page_));
    return std::nullopt;
}

void TCheckContext::CheckPicture(const TPlace& place, std::string_view what,
                                 std::string_view ansi_path) {
    if (!CheckFileExists(place, what, ansi_path)) return;
    auto tried = tried_pictures_.find(std::string(ansi_path));
    if (tried == tried_pictures_.end()) {
        if (tried_pictures_.size() >= kMaxTriedPictures) tried_pictures_.clear();
        QImage image;
        std::string reason;
        const bool loaded = LoadPictureFile(NativePath(ansi_path), decoders_, image, reason) ==
                            PictureStatus::Loaded;
        tried = tried_pictures_.emplace(ansi_path, loaded ? std::string() : reason).first;
    }
    if (!tried->second.empty())
        report_.Error(place, std::string(what) + " " + Quoted(ansi_path, kUtf8CodePage) +
                                 " cannot be read: " + tried->second);
}

}  // namespace kiova::tool
