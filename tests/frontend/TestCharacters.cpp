#include "TestCharacters.h"

#include "CodePage.h"

namespace kiova::testing {
namespace {
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string TableFile(const std::vector<std::pair<std::string, std::string>>& records) {
    std::string contents;
    for (const auto& [key, answer] : records)
        contents += Utf8ToAnsi(Quoted(key) + "," + Quoted(answer)) + "\r\n";
    return contents;
}

}  // namespace

std::string WriteCharacter(const TempFolder& folder, const TTestCharacter& character) {
    std::string package = "name\r\n" + Utf8ToAnsi(character.name) + "\r\nfolder\r\n" +
                          character.name + "\r\nversion\r\n210\r\n";
    if (!character.events.empty()) {
        package += "data02\r\nevents.txt\r\n";
        folder.Write(character.name + "/events.txt", TableFile(character.events));
    }
    if (!character.replies.empty()) {
        package += "datab2\r\nreplies.txt\r\n";
        folder.Write(character.name + "/replies.txt", TableFile(character.replies));
    }
    for (const auto& [key, value] : character.keys)
        package += key + "\r\n" + Utf8ToAnsi(value) + "\r\n";
    return folder.Write(character.name + ".ktc", package);
}

}  // namespace kiova::testing
