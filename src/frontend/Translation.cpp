#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <utility>

namespace kiova {
namespace {
// The catalogue that serves the texts while no application exists.
const QTranslator* catalogue_without_application = nullptr;
}  // namespace

QString TranslatedText(TUiText text) {
    if (QCoreApplication::instance() == nullptr && catalogue_without_application != nullptr) {
        QString translation = catalogue_without_application->translate(kUiTextContext, text.source);
        if (!translation.isNull()) return translation;
    }
    return QCoreApplication::translate(kUiTextContext, text.source);
}

std::u16string Translated(TUiText text) {
    return TranslatedText(text).toStdU16String();
}

std::string TranslatedUtf8(TUiText text) {
    return TranslatedText(text).toStdString();
}

QString Utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
            own_loaded_ = true;
            break;
        }
    }
    if (QCoreApplication::instance() == nullptr) {
        if (own_loaded_)
            previous_without_application_ = std::exchange(catalogue_without_application, &own_);
        return;
    }
    installed_ = own_loaded_ && QCoreApplication::installTranslator(&own_);
    own_loaded_ = installed_;
    // Qt's own texts are English already.
    if (!english &&
        qt_.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt_loaded_ = QCoreApplication::installTranslator(&qt_);
}

TTranslations::~TTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&own_);
    if (catalogue_without_application == &own_)
        catalogue_without_application = previous_without_application_;
    if (qt_loaded_) QCoreApplication::removeTranslator(&qt_);
}

}  // namespace kiova
