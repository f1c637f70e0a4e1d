// Conversions between the logic's UTF-16 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "Translation.h"

namespace kiova {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A text whose lines end in CR LF, as the logic writes them, with the line feeds that Qt's
// widgets break lines at (a lone CR becomes one too).
inline QString WithLineFeeds(std::u16string_view text) {
    QString converted = ToQString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

// An interface text as the user reads it, in the chosen language.
inline QString ToQString(TUiText text) {
    return TranslatedText(text);
}

inline std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

}  // namespace kiova
