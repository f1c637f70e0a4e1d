// The terminal view's own texts: its prompts, its command list and its messages. The texts it
// shares with the windows (dialog captions, profile messages) come from UiTexts.h.
#pragma once

#include <string_view>

namespace kiova {

inline constexpr std::string_view kConsoleCommandList =
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
    "  //TEXT        say /TEXT\n";
inline constexpr std::string_view kConsoleUnknownCommand = "Unknown command ";
inline constexpr std::string_view kConsoleNoSuchAction = "There is no patting action ";
inline constexpr std::string_view kConsoleNoActions = "This character takes no patting.";
inline constexpr std::string_view kConsoleNoDisplay =
    "kiova: no display (DISPLAY and WAYLAND_DISPLAY are unset); talking in the terminal\n";
inline constexpr std::string_view kConsoleNoProfile =
    "kiova: no user profile yet; start kiova once in a terminal or a window to enter it, or "
    "write it into [User] User= of ";

// The selection dialog.
inline constexpr std::string_view kConsoleSelectionPrompt =
    "Number, a package path, or an empty line to cancel: ";

// The settings dialog's user page.
inline constexpr std::string_view kConsoleProfileIntro =
    "Your profile (an empty answer keeps the value in brackets):";
inline constexpr std::string_view kConsoleBirthdayFormat = " (yyyy/mm/dd)";
inline constexpr std::string_view kConsoleUnrepresentable =
    "This text holds letters that Kiova's code page cannot hold.";

// /settings.
inline constexpr std::string_view kConsoleOn = "on";
inline constexpr std::string_view kConsoleOff = "off";

}  // namespace kiova
