#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kiova {

QString TranslatedText(TUiText text) {
    return QCoreApplication::translate(kUiTextContext, text.source);
}

std::u16string Translated(TUiText text) {
    return TranslatedText(text).toStdU16String();
}

std::string TranslatedUtf8(TUiText text) {
    return TranslatedText(text).toStdString();
}

std::string TranslatedUtf8(TUiText text, std::string_view argument) {
    return TranslatedText(text)
        .arg(QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())))
        .toStdString();
}

std::u16string SourceText(TUiText text) {
    return QString::fromUtf8(text.source).toStdU16String();
}

TTranslations::TTranslations(EUiLanguage language,
                             const std::vector<std::filesystem::path>& folders) {
    const bool english = language == EUiLanguage::English;
    const QString own = english ? QStringLiteral("kiova_en") : QStringLiteral("kiova_ja");
    for (const std::filesystem::path& folder : folders) {
        if (own_.load(own, QString::fromStdString(folder.string()))) {
            own_loaded_ = QCoreApplication::installTranslator(&own_);
            break;
        }
    }
    // Qt's own texts are English already.
    if (!english &&
        qt_.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt_loaded_ = QCoreApplication::installTranslator(&qt_);
}

TTranslations::~TTranslations() {
    if (own_loaded_) QCoreApplication::removeTranslator(&own_);
    if (qt_loaded_) QCoreApplication::removeTranslator(&qt_);
}

}  // namespace kiova
