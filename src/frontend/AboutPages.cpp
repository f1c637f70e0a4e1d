#include "AboutPages.h"

#include "Character.h"
#include "CodePage.h"
#include "TextUtils.h"
#include "UiTexts.h"
#include "Version.h"

namespace kiova {
namespace {

TAboutPage ProgramPage() {
    return {Translated(kAboutProgramCaption), Translated(kAboutProgramButton),
            std::u16string(kHomePage),
            Translated(kAboutProgramTitle) + u"\r\nver" + AnsiToUtf16(kVersion) + u"\r\n\r\n" +
                std::u16string(kAboutCopyright) + u"\r\n" + Translated(kAboutRights) + u"\r\n" +
                Translated(kAboutNoWarranty)};
}

TAboutPage CharacterPage(TCharacter* character) {
    TAboutPage page{Translated(kAboutCharacterCaption), Translated(kAboutCharacterButton), u"",
                    u""};
    std::u16string name, parents, comment;
    if (character) {
        const TCharacterFile& package = character->Package();
        page.address = AnsiToUtf16(package.ReadValue("url"), package.CodePage());
        name = AnsiToUtf16(package.ReadValue("name"), package.CodePage());
        parents = AnsiToUtf16(package.ReadValue("parents"), package.CodePage());
        comment = StripBraces(
            character->EvaluateTags(AnsiToUtf16(package.ReadValue("comment"), package.CodePage())));
    }
    page.text = name + u"\r\nbrought up by " + parents + u"\r\n\r\n" + comment;
    return page;
}

}  // namespace

TAboutPage BuildAboutPage(EAboutPage page, TCharacter* character) {
    return page == EAboutPage::Program ? ProgramPage() : CharacterPage(character);
}

}  // namespace kiova
