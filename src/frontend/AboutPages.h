// The about dialog's two pages as texts: one about the program, one about the loaded character.
// The dialog flips between them with one button and rebuilds the page each time, so tags in
// the character's comment (dates, the user's name, random choices) are expanded anew.
#pragma once

#include <string>

namespace kiova {

class TCharacter;

enum class EAboutPage { Program, Character };

struct TAboutPage {
    std::u16string caption;  // the window's caption
    std::u16string button;   // the caption of the button that flips to the other page
    std::u16string address;  // the clickable web address; empty: nothing to open
    std::u16string text;     // lines joined with CR LF
};

// The character page of no character has empty texts.
TAboutPage BuildAboutPage(EAboutPage page, TCharacter* character);

inline EAboutPage OtherAboutPage(EAboutPage page) {
    return page == EAboutPage::Program ? EAboutPage::Character : EAboutPage::Program;
}

}  // namespace kiova
