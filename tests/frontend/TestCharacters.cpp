#include "TestCharacters.h"

#include "Character.h"
#include "CodePage.h"
#include "TextUtils.h"

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

class TConditionEvaluator final : public TTagEvaluator {
public:
    explicit TConditionEvaluator(TCharacter& character) : character_(character) {}

    std::u16string EvaluateTags(std::u16string_view text) override {
        std::u16string key = NormalizeText(text);
        std::u16string operate = AnsiToUtf16(character_.OperateMessage());
        if (key.starts_with(u"{IS:") && key.ends_with(u"}"))
            return Truth(operate == key.substr(4, key.size() - 5));
        if (key.starts_with(u"{STARTS:") && key.ends_with(u"}"))
            return Truth(operate.starts_with(key.substr(8, key.size() - 9)));
        std::u16string result(text);
        for (size_t at; (at = result.find(u"{BR}")) != std::u16string::npos;)
            result.replace(at, 4, u"\r\n");
        return result;
    }

private:
    static std::u16string Truth(bool value) { return value ? u"True" : u"False"; }
    TCharacter& character_;
};
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

std::unique_ptr<TTagEvaluator> ConditionEvaluator(TCharacter& character) {
    return std::make_unique<TConditionEvaluator>(character);
}

}  // namespace kiova::testing
