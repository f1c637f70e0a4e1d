#include "ConsoleDialogs.h"

#include <charconv>
#include <filesystem>

#include "AboutPages.h"
#include "CharacterSelection.h"
#include "CodePage.h"
#include "ConsoleTerminal.h"
#include "ConsoleTexts.h"
#include "Settings.h"
#include "TerminalText.h"
#include "UiTexts.h"
#include "User.h"

namespace kiova {
namespace {
std::optional<size_t> RowNumber(std::string_view answer, size_t rows) {
    size_t number = 0;
    auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), number);
    if (error != std::errc() || end != answer.data() + answer.size()) return std::nullopt;
    if (number < 1 || number > rows) return rows;  // no such row: nothing is selected
    return number - 1;
}

std::string AbsoluteUtf8(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

void ListRows(TConsoleTerminal& terminal, const TCharacterSelection& selection) {
    std::string list = PlainCaption(kSelectionCaption);
    for (size_t row = 0; row < selection.Rows().size(); ++row)
        list += "\n  " + std::to_string(row + 1) + ". " +
                TerminalText(Utf8ToUtf16(selection.Rows()[row].name)) + "  (" +
                TerminalText(Utf8ToUtf16(selection.Rows()[row].path)) + ")";
    terminal.Say(list);
}

// Asks one field; an empty answer keeps `shown`. Nothing when input ends.
std::optional<std::string> AskField(TConsoleTerminal& terminal, TUiText label,
                                    std::string_view hint, const std::string& shown) {
    std::string caption = PlainCaption(label);
    if (caption.ends_with(":")) caption.pop_back();
    std::optional<std::string> answer =
        terminal.Ask(caption + std::string(hint) + " [" + shown + "]: ");
    if (answer && answer->empty()) return shown;
    return answer;
}

// A name field, kept as UTF-8 (a byte that is no UTF-8 becomes U+FFFD).
std::optional<std::string> AskName(TConsoleTerminal& terminal, TUiText label,
                                   const std::string& current) {
    std::optional<std::string> answer = AskField(terminal, label, "", current);
    if (!answer) return std::nullopt;
    return Utf16ToUtf8(Utf8ToUtf16(*answer));
}

// "yyyy/mm/dd" (or with "-"); anything else gives a day no month has, which the check refuses
// as the dialog refuses an impossible date.
void ReadBirthday(std::string_view text, TProfileFields& fields) {
    int parts[3] = {0, 0, 0};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        auto [next, error] = std::from_chars(at, end, parts[i]);
        bool separated = i == 2 ? next == end : next != end && (*next == '/' || *next == '-');
        if (error != std::errc() || !separated) {
            fields.month = 0;
            return;
        }
        at = next + 1;
    }
    bool in_range = parts[0] >= kBirthYearMin && parts[0] <= kBirthYearMax;
    fields.year = parts[0];
    fields.month = in_range ? parts[1] : 0;
    fields.day = parts[2];
}

std::string BirthdayText(const TProfileFields& fields) {
    auto two_digits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    return std::to_string(fields.year) + "/" + two_digits(fields.month) + "/" +
           two_digits(fields.day);
}

std::string Switch(bool on) {
    return TranslatedUtf8(on ? kConsoleOn : kConsoleOff);
}
}  // namespace

void RunConsoleSelection(TConsoleTerminal& terminal, TCharacterSelection& selection) {
    ListRows(terminal, selection);
    for (;;) {
        std::optional<std::string> answer = terminal.Ask(TranslatedUtf8(kConsoleSelectionPrompt));
        if (!answer || answer->empty()) {
            selection.Cancel();
            return;
        }
        std::optional<size_t> row = RowNumber(*answer, selection.Rows().size());
        if (!row) {
            if (std::optional<TUiText> refused =
                    selection.Browse(Utf8ToUtf16(AbsoluteUtf8(*answer)))) {
                terminal.Say(TranslatedUtf8(*refused));
                continue;
            }
            row = selection.Rows().size() - 1;
        }
        if (selection.Accept(row)) return;
        terminal.Say(TranslatedUtf8(kNothingSelectedMessage));
    }
}

std::optional<TProfileFields> AskProfile(TConsoleTerminal& terminal, TProfileFields fields) {
    terminal.Say(PlainCaption(kConfigCaption) + " - " + PlainCaption(kConfigPageUser) + "\n" +
                 TranslatedUtf8(kProfileNote) + "\n" + TranslatedUtf8(kConsoleProfileIntro));
    for (;;) {
        std::optional<std::string> myoji, namae, handle_name, nick_name, sex, birthday;
        if (!(myoji = AskName(terminal, kProfileMyojiLabel, fields.myoji)) ||
            !(namae = AskName(terminal, kProfileNamaeLabel, fields.namae)) ||
            !(handle_name = AskName(terminal, kProfileHandleNameLabel, fields.handle_name)) ||
            !(nick_name = AskName(terminal, kProfileNickNameLabel, fields.nick_name)))
            return std::nullopt;
        std::string male = TranslatedUtf8(kProfileMale), female = TranslatedUtf8(kProfileFemale);
        do {
            sex = AskField(terminal, kProfileSexLabel, " (" + male + "/" + female + ")",
                           fields.male ? male : female);
            if (!sex) return std::nullopt;
        } while (*sex != male && *sex != female);
        birthday =
            AskField(terminal, kProfileBirthdayLabel, kConsoleBirthdayFormat, BirthdayText(fields));
        if (!birthday) return std::nullopt;
        fields.myoji = *myoji;
        fields.namae = *namae;
        fields.handle_name = *handle_name;
        fields.nick_name = *nick_name;
        fields.male = *sex == male;
        ReadBirthday(*birthday, fields);
        std::optional<TUiText> problem = ProfileProblem(fields);
        if (!problem) return fields;
        terminal.Say(TranslatedUtf8(*problem));
        if (fields.month < 1 || fields.month > 12) fields.month = 1;
    }
}

std::string AboutText(TCharacter* character) {
    std::string text;
    for (EAboutPage kind : {EAboutPage::Program, EAboutPage::Character}) {
        TAboutPage page = BuildAboutPage(kind, character);
        if (!text.empty()) text += "\n\n";
        text += "[" + Utf16ToUtf8(page.caption) + "]\n" + TerminalText(page.text);
        if (!page.address.empty()) text += "\n" + TerminalText(page.address);
    }
    return text;
}

std::string ProfileText(const TUser& user) {
    TProfileFields fields = ProfileFieldsOf(user);
    auto line = [](TUiText label, const std::string& value) {
        return PlainCaption(label) + " " + value + "\n";
    };
    std::string text =
        line(kProfileMyojiLabel, fields.myoji) + line(kProfileNamaeLabel, fields.namae) +
        line(kProfileHandleNameLabel, fields.handle_name) +
        line(kProfileNickNameLabel, fields.nick_name) +
        line(kProfileSexLabel, TranslatedUtf8(fields.male ? kProfileMale : kProfileFemale)) +
        line(kProfileBirthdayLabel, BirthdayText(fields));
    text.pop_back();
    return text;
}

std::string SettingsText(const TSettings& settings) {
    return PlainCaption(kConfigFontLabel) + " " + settings.font_name + " " +
           std::to_string(settings.font_size) + "pt\n" + PlainCaption(kConfigIntervalLabel) + " " +
           std::to_string(settings.interval) + " ms\n" + PlainCaption(kConfigKeepLog) + ": " +
           Switch(settings.keep_log) + "\n" + PlainCaption(kConfigPlaySound) + ": " +
           Switch(settings.play_sound) + "\n" + PlainCaption(kConfigAllowExecute) + ": " +
           Switch(settings.allow_execute) + "\n" + PlainCaption(kConfigEnablePlugins) + ": " +
           Switch(settings.plugins_enabled);
}

}  // namespace kiova
