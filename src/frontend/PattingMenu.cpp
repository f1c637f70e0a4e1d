// A package path in, the two parallel lists out. Each action line is a field list: caption,
// line to send, anything further ignored; a line of fewer fields is skipped, and a first field
// "{ENDOFDATA}" (in any case or width) ends its file.
#include "PattingMenu.h"

#include <stdexcept>

#include "CharacterFile.h"
#include "CodePage.h"
#include "Files.h"
#include "TextUtils.h"
#include "UiTexts.h"

namespace kiova {
namespace {
void AppendActions(const std::string& file, int code_page, TPattingLists& lists) {
    if (!FileExists(file)) throw std::runtime_error("Cannot open file \"" + file + "\"");
    for (const std::string& line : ReadFileLines(file)) {
        std::vector<std::string> fields = SplitFieldList(line, code_page);
        if (fields.size() < 2) continue;
        std::u16string caption = AnsiToUtf16(fields[0], code_page);
        if (NormalizeText(caption) == u"{ENDOFDATA}") return;
        lists.captions.push_back(std::move(caption));
        lists.messages.push_back(AnsiToUtf16(fields[1], code_page));
    }
}
}  // namespace

TPattingLists LoadPattingLists(std::string_view package_path) {
    TCharacterFile package(package_path);
    TPattingLists lists;
    if (!TextToBool(package.ReadValue("nadenade"))) {
        lists.captions.push_back(Translated(kPattingUnsupported));
        return lists;
    }
    const int code_page = package.CodePage();
    for (const std::string& name : SplitFieldList(package.ReadValue("datanadenade"), code_page)) {
        const std::optional<std::string> file = package.ResolvePath(name);
        if (!file) throw std::runtime_error(OutsideFolderMessage(name, code_page));
        AppendActions(*file, code_page, lists);
    }
    return lists;
}

}  // namespace kiova
