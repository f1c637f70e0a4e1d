// Conversions between the logic's UTF-16 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kiova {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

}  // namespace kiova
