// Interface texts in the user's language. The windows' texts are written in Japanese where they
// are defined (UiTexts.h), the terminal's own in English (ConsoleTexts.h), all marked for
// lupdate; the catalogue kiova_en.qm gives the first in English, kiova_ja.qm the second in
// Japanese, and Qt's own catalogue gives its dialogs (files, fonts) in Japanese.
#pragma once

#include <QString>
#include <QTranslator>
#include <QtGlobal>
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
// The translated text with its placeholder %1 replaced by `argument` (UTF-8).
std::string TranslatedUtf8(TUiText text, std::string_view argument);
// The text as written, for what is never translated (error-log lines that users search for).
std::u16string SourceText(TUiText text);

// The catalogues of one language, installed into the running application while this lives:
// Kiova's own (the first `folders` entry holding a readable kiova_en.qm or kiova_ja.qm) and,
// for Japanese, Qt's. A
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
    bool qt_loaded_ = false;
};

}  // namespace kiova
