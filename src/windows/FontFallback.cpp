#include "FontFallback.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <algorithm>
#include <memory>

namespace kiova {
namespace {
// The family fontconfig matches for `family` in Japanese; empty when it finds nothing.
QString JapaneseMatch(const QString& family) {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    if (!pattern) return {};
    QByteArray name = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(
        FcFontMatch(nullptr, pattern.get(), &result), FcPatternDestroy);
    FcChar8* matched = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(matched));
}
}  // namespace

QFont BalloonFont(const QString& family, int point_size) {
    QFont font;
    QString chosen = family;
    if (chosen.isEmpty() || !QFontDatabase::hasFamily(chosen)) chosen = JapaneseMatch(family);
    if (!chosen.isEmpty()) font.setFamily(chosen);
    font.setPointSize(std::max(point_size, 1));
    return font;
}

}  // namespace kiova
