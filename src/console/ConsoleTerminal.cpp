#include "ConsoleTerminal.h"

#include "CodePage.h"

namespace kiova {

std::optional<std::string> TConsoleTerminal::Ask(std::string_view prompt) {
    printer_.Prompt(prompt);
    std::optional<std::string> answer = input_.ReadLine(interrupt_fd_);
    printer_.InputTaken(echoes_ && answer.has_value());
    return answer;
}

std::string PlainCaption(TUiText text) {
    const std::u16string caption = Translated(text);
    std::u16string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (std::u16string_view(caption).substr(i, 2).starts_with(u"(&") &&
            i + 3 < caption.size() && caption[i + 3] == u')') {
            i += 3;
            continue;
        }
        if (caption[i] != u'&') plain += caption[i];
    }
    return Utf16ToUtf8(plain);
}

}  // namespace kiova
