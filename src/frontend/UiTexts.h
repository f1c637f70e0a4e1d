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

// The error when there is no help page (InstalledFolders.h says where it is looked for).
inline constexpr std::u16string_view kHelpMissing = u"ヘルプが見つかりません";

// Buttons every dialog shares.
inline constexpr std::u16string_view kButtonOk = u"&OK";
inline constexpr std::u16string_view kButtonCancel = u"&Cancel";

// The patting window.
inline constexpr std::u16string_view kPattingCaption = u"なでなでめにゅー";
inline constexpr std::u16string_view kPattingMenuFocusMain =
    u"メインウィンドウにフォーカスを戻す(&N)";
inline constexpr std::u16string_view kPattingMenuHide = u"隠す(&H)";

// The settings dialog: caption, pages, controls, and the messages of its profile check.
inline constexpr std::u16string_view kConfigCaption = u"設定";
inline constexpr std::u16string_view kConfigPageGeneral = u"一般";
inline constexpr std::u16string_view kConfigPageUser = u"ユーザー";
inline constexpr std::u16string_view kConfigPagePlugin = u"Plug-in";
inline constexpr std::u16string_view kConfigGroupGeneral = u"Kiova 一般の設定";
inline constexpr std::u16string_view kConfigFontLabel = u"フォントの設定:";
inline constexpr std::u16string_view kConfigFontButton = u"設定(&F)";
inline constexpr std::u16string_view kConfigIntervalLabel = u"速度(&H):";
inline constexpr std::u16string_view kConfigIntervalUnit = u"ms";
inline constexpr std::u16string_view kConfigAssociate = u"拡張子(.ktc)の関連付けをする(&E)";
inline constexpr std::u16string_view kConfigGroupLog = u"ログの設定";
inline constexpr std::u16string_view kConfigKeepLog = u"ログを保存する(&L)";
inline constexpr std::u16string_view kConfigGroupOther = u"その他の設定";
inline constexpr std::u16string_view kConfigPlaySound = u"サウンドを使用(&S)";
inline constexpr std::u16string_view kConfigAllowExecute = u"外部 EXE 実行を許可(A)";
inline constexpr std::u16string_view kProfileMyojiLabel = u"苗字(&L):";
inline constexpr std::u16string_view kProfileNamaeLabel = u"名前(&F):";
inline constexpr std::u16string_view kProfileHandleNameLabel = u"ハンドルネーム(&H):";
inline constexpr std::u16string_view kProfileNickNameLabel = u"ニックネーム(&N):";
inline constexpr std::u16string_view kProfileSexLabel = u"性別(&G):";
inline constexpr std::u16string_view kProfileMale = u"男";
inline constexpr std::u16string_view kProfileFemale = u"女";
inline constexpr std::u16string_view kProfileBirthdayLabel = u"誕生日(&B):";
inline constexpr std::u16string_view kProfileYearUnit = u"年";
inline constexpr std::u16string_view kProfileMonthUnit = u"月";
inline constexpr std::u16string_view kProfileDayUnit = u"日";
inline constexpr std::u16string_view kProfileNote =
    u"ハンドルネームとニックネームの違いがよく分からないときは、同じものを入力してください。"
    u"ここで入力した個人情報が収集されることはありません。";
inline constexpr std::u16string_view kProfileEmptyField = u"空欄があります";
inline constexpr std::u16string_view kProfileInvalidDate = u"不正な日付です";
inline constexpr std::u16string_view kConfigEnablePlugins = u"Plug-in を有効にする(&E)";
inline constexpr std::u16string_view kConfigBasicPlugins = u"基本 Plug-in";
inline constexpr std::u16string_view kConfigExtendedPlugins = u"拡張 Plug-in";
inline constexpr std::u16string_view kConfigPluginSettings = u"設定(&C)";

// The file association's failure, followed by a line for each thing that went wrong: a file
// that could not be written or removed, a tool that failed (its name first).
inline constexpr std::u16string_view kAssociationFailed =
    u"拡張子(.ktc)の関連付けを変更できませんでした";
inline constexpr std::u16string_view kAssociationCannotWrite = u"書き込めません: ";
inline constexpr std::u16string_view kAssociationCannotRemove = u"削除できません: ";
inline constexpr std::u16string_view kAssociationToolFailed = u" が失敗しました: ";
inline constexpr std::u16string_view kAssociationExitCode = u"終了コード ";

// The about dialog's two pages.
inline constexpr std::u16string_view kAboutProgramCaption = u"Kiovaについて";
inline constexpr std::u16string_view kAboutProgramButton = u"人格について(&C)";
inline constexpr std::u16string_view kAboutCharacterCaption = u"人格について";
inline constexpr std::u16string_view kAboutCharacterButton = u"Kiovaについて(&C)";
inline constexpr std::u16string_view kAboutProgramTitle = u"汎用人工知能会話ソフト Kiova";
inline constexpr std::u16string_view kAboutLegalLines =
    u"Copyright (C) the Kiova developers.\r\n"
    u"人格の会話データと画像の権利は、それぞれの作者にあります。\r\n"
    u"このソフトウェアは無保証で提供されます。";

// The character selection dialog.
inline constexpr std::u16string_view kSelectionCaption = u"人格の選択";
inline constexpr std::u16string_view kSelectionNameColumn = u"人格名";
inline constexpr std::u16string_view kSelectionPathColumn = u"パス";
inline constexpr std::u16string_view kSelectionBrowse = u"参照(&R)...";
inline constexpr std::u16string_view kSelectionFileTitle = u"人格ファイルの選択";
// The file dialog's filter: its caption, then the patterns it applies.
inline constexpr std::u16string_view kSelectionFileFilter =
    u"Kiova人格ファイル(*.ktc, *.txt) (*.ktc *.txt)";
inline constexpr std::u16string_view kInvalidFileMessage = u"無効なファイルです";
inline constexpr std::u16string_view kNothingSelectedMessage = u"人格を選択してください";
inline constexpr std::u16string_view kUnrepresentablePathMessage =
    u"このファイルのパスには、Kiova の文字コードで表せない文字が含まれています。"
    u"フォルダーかファイルの名前を変えてから選んでください。";

}  // namespace kiova
