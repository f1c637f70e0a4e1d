// The terminal view's own texts: its prompts, its command list and its messages, written in
// English and marked for lupdate; translations/kiova_ja.ts gives them in Japanese. The texts it
// shares with the windows (dialog captions, profile messages) come from UiTexts.h.
#pragma once

#include <string_view>

#include "Translation.h"

namespace kiova {

inline constexpr TUiText kConsoleCommandList{
    QT_TRANSLATE_NOOP("kiova",
                      "Commands:\n"
                      "  /pat          list the patting actions\n"
                      "  /pat N        send patting action N\n"
                      "  /change       choose another character from the known ones\n"
                      "  /change PATH  switch to the character package PATH\n"
                      "  /profile      show your profile\n"
                      "  /settings     show the settings\n"
                      "  /about        about Kiova and the character\n"
                      "  /help         this list\n"
                      "  /quit         say goodbye and end\n"
                      "  //TEXT        say /TEXT")};
// %1: the command as typed.
inline constexpr TUiText kConsoleUnknownCommand{QT_TRANSLATE_NOOP("kiova", "Unknown command %1")};
// %1: the number as typed.
inline constexpr TUiText kConsoleNoSuchAction{
    QT_TRANSLATE_NOOP("kiova", "There is no patting action %1.")};
inline constexpr TUiText kConsoleNoActions{
    QT_TRANSLATE_NOOP("kiova", "This character takes no patting.")};
inline constexpr TUiText kConsoleNoDisplay{QT_TRANSLATE_NOOP(
    "kiova", "kiova: no display (DISPLAY and WAYLAND_DISPLAY are unset); talking in the terminal")};
// %1: the settings file.
inline constexpr TUiText kConsoleNoProfile{QT_TRANSLATE_NOOP(
    "kiova",
    "kiova: no user profile yet; start kiova once in a terminal or a window to enter it, or "
    "write it into [User] User= of %1")};
inline constexpr TUiText kConsoleLineCut{
    QT_TRANSLATE_NOOP("kiova", "kiova: an input line longer than 1 MiB was cut there")};

// The selection dialog.
inline constexpr TUiText kConsoleSelectionPrompt{
    QT_TRANSLATE_NOOP("kiova", "Number, a package path, or an empty line to cancel: ")};

// The settings dialog's user page.
inline constexpr TUiText kConsoleProfileIntro{
    QT_TRANSLATE_NOOP("kiova", "Your profile (an empty answer keeps the value in brackets):")};
inline constexpr std::string_view kConsoleBirthdayFormat = " (yyyy/mm/dd)";

// /settings.
inline constexpr TUiText kConsoleOn{QT_TRANSLATE_NOOP("kiova", "on")};
inline constexpr TUiText kConsoleOff{QT_TRANSLATE_NOOP("kiova", "off")};

}  // namespace kiova
