// Interface texts in the user's language. The windows' texts are written in Japanese where they
// are defined (UiTexts.h), the terminal's own in English (ConsoleTexts.h), all marked for
// lupdate; the catalogue kiova_en.qm gives the first in English, kiova_ja.qm the second in
// Japanese, and Qt's own catalogue gives its dialogs (files, fonts) in Japanese.
#pragma once

#include <QString>
#include <QTranslator>
#include <QtGlobal>
#include <concepts>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "UiLanguage.h"

namespace kiova {

// The translation context of every interface text.
inline constexpr char kUiTextContext[] = "kiova";

// An interface text as the program writes it (UTF-8). Each is defined as
// TUiText{QT_TRANSLATE_NOOP("kiova", "...")} so that lupdate lists it.
struct TUiText {
    const char* source;
    friend bool operator==(TUiText a, TUiText b) {
        return std::string_view(a.source) == std::string_view(b.source);
    }
};

// The text in the interface's language: the installed catalogue's, else the source text.
QString TranslatedText(TUiText text);
std::u16string Translated(TUiText text);
std::string TranslatedUtf8(TUiText text);
// The translated text with its placeholders %1, %2... replaced by the arguments (UTF-8), all in
// one pass, so that an argument holding "%2" stays as it is.
QString Utf8Text(std::string_view text);
std::string TranslatedUtf8(TUiText text, std::string_view argument,
                           std::convertible_to<std::string_view> auto... more) {
    return TranslatedText(text)
        .arg(Utf8Text(argument), Utf8Text(std::string_view(more))...)
        .toStdString();
}
// The text as written, for what is never translated (error-log lines that users search for).
std::u16string SourceText(TUiText text);

// The catalogues of one language, in use while this lives: Kiova's own (the first `folders`
// entry holding a readable kiova_en.qm or kiova_ja.qm) and, for Japanese, Qt's, installed into
// the running application. Made before any application exists (kiova-tool never makes one),
// it serves the texts by itself, and Qt's catalogue, which only dialogs need, is left out. A
// missing or damaged catalogue is skipped without a word, leaving the built-in texts.
class TTranslations {
public:
    TTranslations(EUiLanguage language, const std::vector<std::filesystem::path>& folders);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    bool OwnCatalogueLoaded() const { return own_loaded_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool own_loaded_ = false;
    bool installed_ = false;
    bool qt_loaded_ = false;
    const QTranslator* previous_without_application_ = nullptr;
};

}  // namespace kiova
