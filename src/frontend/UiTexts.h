// The texts of the main window's menu, the program's own addresses and the messages the front
// end shows. The windows, the terminal view and the tests share them from here.
#pragma once

#include <string_view>

namespace kiova {

inline constexpr std::u16string_view kApplicationTitle = u"Kiova";
inline constexpr std::u16string_view kHomePage = u"https://kiova.example.org/";

// The main window's context menu, in its order; an empty caption is a separator.
inline constexpr std::u16string_view kMenuShowPatting = u"なでなでメニューを表示(&N)";
inline constexpr std::u16string_view kMenuStayOnTop = u"常に前面に表示(&T)";
inline constexpr std::u16string_view kMenuHide = u"隠す(&S)";
inline constexpr std::u16string_view kMenuShow = u"戻す(&S)";
inline constexpr std::u16string_view kMenuConfigure = u"設定(&P)...";
inline constexpr std::u16string_view kMenuChangeCharacter = u"人格の切り替え(&C)...";
inline constexpr std::u16string_view kMenuHelp = u"ヘルプを表示する(&H)";
inline constexpr std::u16string_view kMenuWebSite = u"Kiova のウェブサイト(&W)";
inline constexpr std::u16string_view kMenuAbout = u"Kiova について(&A)...";
inline constexpr std::u16string_view kMenuQuit = u"終了(&Q)";

// The help page, relative to the program folder, and the error when it is missing.
inline constexpr std::string_view kHelpPage = "Help\\index.htm";
inline constexpr std::u16string_view kHelpMissing = u"ヘルプが見つかりません";

// The patting window.
inline constexpr std::u16string_view kPattingCaption = u"なでなでめにゅー";
inline constexpr std::u16string_view kPattingMenuFocusMain =
    u"メインウィンドウにフォーカスを戻す(&N)";
inline constexpr std::u16string_view kPattingMenuHide = u"隠す(&H)";

}  // namespace kiova
