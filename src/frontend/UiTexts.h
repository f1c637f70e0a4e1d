// The texts of the main window's menu, the program's own addresses and the messages the front
// end shows. The windows, the terminal view and the tests share them from here. They are the
// program's Japanese source texts; Translated() gives them in the user's language.
#pragma once

#include <string_view>

#include "Translation.h"

namespace kiova {

inline constexpr std::u16string_view kApplicationTitle = u"Kiova";
inline constexpr std::u16string_view kHomePage = u"https://kiova.example.org/";

// The main window's context menu, in its order; an empty caption is a separator.
inline constexpr TUiText kMenuShowPatting{QT_TRANSLATE_NOOP("kiova", "なでなでメニューを表示(&N)")};
inline constexpr TUiText kMenuStayOnTop{QT_TRANSLATE_NOOP("kiova", "常に前面に表示(&T)")};
inline constexpr TUiText kMenuDesktopMode{QT_TRANSLATE_NOOP("kiova", "デスクトップモード(&D)")};
inline constexpr TUiText kMenuHide{QT_TRANSLATE_NOOP("kiova", "隠す(&S)")};
inline constexpr TUiText kMenuShow{QT_TRANSLATE_NOOP("kiova", "戻す(&S)")};
inline constexpr TUiText kMenuConfigure{QT_TRANSLATE_NOOP("kiova", "設定(&P)...")};
inline constexpr TUiText kMenuChangeCharacter{QT_TRANSLATE_NOOP("kiova", "人格の切り替え(&C)...")};
inline constexpr TUiText kMenuHelp{QT_TRANSLATE_NOOP("kiova", "ヘルプを表示する(&H)")};
inline constexpr TUiText kMenuWebSite{QT_TRANSLATE_NOOP("kiova", "Kiova のウェブサイト(&W)")};
inline constexpr TUiText kMenuAbout{QT_TRANSLATE_NOOP("kiova", "Kiova について(&A)...")};
inline constexpr TUiText kMenuQuit{QT_TRANSLATE_NOOP("kiova", "終了(&Q)")};

// What the splash and the patting window show while a character loads or has no patting.
inline constexpr TUiText kLoadingText{QT_TRANSLATE_NOOP("kiova", "なうろーでぃんぐ♪")};
inline constexpr TUiText kLoadingPlugInsText{
    QT_TRANSLATE_NOOP("kiova", "Plug-in を読み込んでいます...")};
inline constexpr TUiText kPattingUnsupported{QT_TRANSLATE_NOOP("kiova", "なでなで未対応人格")};

// Errors shown in a message box and written to the error log (in the source text there).
inline constexpr TUiText kStartFailed{QT_TRANSLATE_NOOP("kiova", "起動に失敗しました")};
inline constexpr TUiText kErrorLogNote{
    QT_TRANSLATE_NOOP("kiova", "(エラーメッセージはKiovaErr.logに記録されます)")};
// The error when there is no help page (InstalledFolders.h says where it is looked for).
inline constexpr TUiText kHelpMissing{QT_TRANSLATE_NOOP("kiova", "ヘルプが見つかりません")};
// The one line of a second start of a character that already runs (%1: its package).
inline constexpr TUiText kRunsElsewhere{
    QT_TRANSLATE_NOOP("kiova", "%1 は別のプロセスで既に動いています")};

// Buttons every dialog shares.
inline constexpr TUiText kButtonOk{QT_TRANSLATE_NOOP("kiova", "&OK")};
inline constexpr TUiText kButtonCancel{QT_TRANSLATE_NOOP("kiova", "&Cancel")};

// The patting window.
inline constexpr TUiText kPattingCaption{QT_TRANSLATE_NOOP("kiova", "なでなでめにゅー")};
inline constexpr TUiText kPattingMenuFocusMain{
    QT_TRANSLATE_NOOP("kiova", "メインウィンドウにフォーカスを戻す(&N)")};
inline constexpr TUiText kPattingMenuHide{QT_TRANSLATE_NOOP("kiova", "隠す(&H)")};

// The settings dialog: caption, pages, controls, and the messages of its profile check.
inline constexpr TUiText kConfigCaption{QT_TRANSLATE_NOOP("kiova", "設定")};
inline constexpr TUiText kConfigPageGeneral{QT_TRANSLATE_NOOP("kiova", "一般")};
inline constexpr TUiText kConfigPageUser{QT_TRANSLATE_NOOP("kiova", "ユーザー")};
inline constexpr TUiText kConfigPagePlugin{QT_TRANSLATE_NOOP("kiova", "Plug-in")};
inline constexpr TUiText kConfigGroupGeneral{QT_TRANSLATE_NOOP("kiova", "Kiova 一般の設定")};
inline constexpr TUiText kConfigFontLabel{QT_TRANSLATE_NOOP("kiova", "フォントの設定:")};
inline constexpr TUiText kConfigFontButton{QT_TRANSLATE_NOOP("kiova", "設定(&F)")};
inline constexpr TUiText kConfigIntervalLabel{QT_TRANSLATE_NOOP("kiova", "速度(&H):")};
inline constexpr TUiText kConfigIntervalUnit{QT_TRANSLATE_NOOP("kiova", "ms")};
inline constexpr TUiText kConfigAssociate{
    QT_TRANSLATE_NOOP("kiova", "拡張子(.ktc)の関連付けをする(&E)")};
inline constexpr TUiText kConfigDesktopMode{
    QT_TRANSLATE_NOOP("kiova", "キャラクターをデスクトップに表示する(&D)")};
inline constexpr TUiText kConfigGroupLog{QT_TRANSLATE_NOOP("kiova", "ログの設定")};
inline constexpr TUiText kConfigKeepLog{QT_TRANSLATE_NOOP("kiova", "ログを保存する(&L)")};
inline constexpr TUiText kConfigGroupOther{QT_TRANSLATE_NOOP("kiova", "その他の設定")};
inline constexpr TUiText kConfigPlaySound{QT_TRANSLATE_NOOP("kiova", "サウンドを使用(&S)")};
inline constexpr TUiText kConfigAllowExecute{
    QT_TRANSLATE_NOOP("kiova", "人格のフォルダーにあるプログラムの実行を許可(&A)")};
inline constexpr TUiText kProfileMyojiLabel{QT_TRANSLATE_NOOP("kiova", "苗字(&L):")};
inline constexpr TUiText kProfileNamaeLabel{QT_TRANSLATE_NOOP("kiova", "名前(&F):")};
inline constexpr TUiText kProfileHandleNameLabel{QT_TRANSLATE_NOOP("kiova", "ハンドルネーム(&H):")};
inline constexpr TUiText kProfileNickNameLabel{QT_TRANSLATE_NOOP("kiova", "ニックネーム(&N):")};
inline constexpr TUiText kProfileSexLabel{QT_TRANSLATE_NOOP("kiova", "性別(&G):")};
inline constexpr TUiText kProfileMale{QT_TRANSLATE_NOOP("kiova", "男")};
inline constexpr TUiText kProfileFemale{QT_TRANSLATE_NOOP("kiova", "女")};
inline constexpr TUiText kProfileBirthdayLabel{QT_TRANSLATE_NOOP("kiova", "誕生日(&B):")};
inline constexpr TUiText kProfileYearUnit{QT_TRANSLATE_NOOP("kiova", "年")};
inline constexpr TUiText kProfileMonthUnit{QT_TRANSLATE_NOOP("kiova", "月")};
inline constexpr TUiText kProfileDayUnit{QT_TRANSLATE_NOOP("kiova", "日")};
inline constexpr TUiText kProfileNote{QT_TRANSLATE_NOOP(
    "kiova",
    "ハンドルネームとニックネームの違いがよく分からないときは、同じものを入力してください。"
    "ここで入力した個人情報が収集されることはありません。")};
inline constexpr TUiText kProfileEmptyField{QT_TRANSLATE_NOOP("kiova", "空欄があります")};
// Why the settings dialog opened by itself at the first start.
inline constexpr TUiText kProfileWanted{
    QT_TRANSLATE_NOOP("kiova", "はじめに、あなたのプロフィールを入力してください。")};
inline constexpr TUiText kProfileInvalidDate{QT_TRANSLATE_NOOP("kiova", "不正な日付です")};
inline constexpr TUiText kConfigEnablePlugins{
    QT_TRANSLATE_NOOP("kiova", "Plug-in を有効にする(&E)")};
inline constexpr TUiText kConfigBasicPlugins{QT_TRANSLATE_NOOP("kiova", "基本 Plug-in")};
inline constexpr TUiText kConfigExtendedPlugins{QT_TRANSLATE_NOOP("kiova", "拡張 Plug-in")};
inline constexpr TUiText kConfigPluginSettings{QT_TRANSLATE_NOOP("kiova", "設定(&C)")};

// The file association's failure, followed by a line for each thing that went wrong: a file
// that could not be written or removed, a tool that failed (its name first).
inline constexpr TUiText kAssociationFailed{
    QT_TRANSLATE_NOOP("kiova", "拡張子(.ktc)の関連付けを変更できませんでした")};
inline constexpr TUiText kAssociationCannotWrite{QT_TRANSLATE_NOOP("kiova", "書き込めません: ")};
inline constexpr TUiText kAssociationCannotRemove{QT_TRANSLATE_NOOP("kiova", "削除できません: ")};
inline constexpr TUiText kAssociationToolFailed{QT_TRANSLATE_NOOP("kiova", " が失敗しました: ")};
inline constexpr TUiText kAssociationExitCode{QT_TRANSLATE_NOOP("kiova", "終了コード ")};

// The about dialog's two pages.
inline constexpr TUiText kAboutProgramCaption{QT_TRANSLATE_NOOP("kiova", "Kiovaについて")};
inline constexpr TUiText kAboutProgramButton{QT_TRANSLATE_NOOP("kiova", "人格について(&C)")};
inline constexpr TUiText kAboutCharacterCaption{QT_TRANSLATE_NOOP("kiova", "人格について")};
inline constexpr TUiText kAboutCharacterButton{QT_TRANSLATE_NOOP("kiova", "Kiovaについて(&C)")};
inline constexpr TUiText kAboutProgramTitle{
    QT_TRANSLATE_NOOP("kiova", "汎用人工知能会話ソフト Kiova")};
// The program page's legal lines, after the copyright line.
inline constexpr std::u16string_view kAboutCopyright = u"Copyright (C) the Kiova developers.";
inline constexpr TUiText kAboutRights{
    QT_TRANSLATE_NOOP("kiova", "人格の会話データと画像の権利は、それぞれの作者にあります。")};
inline constexpr TUiText kAboutNoWarranty{
    QT_TRANSLATE_NOOP("kiova", "このソフトウェアは無保証で提供されます。")};

// The character selection dialog.
inline constexpr TUiText kSelectionCaption{QT_TRANSLATE_NOOP("kiova", "人格の選択")};
inline constexpr TUiText kSelectionNameColumn{QT_TRANSLATE_NOOP("kiova", "人格名")};
inline constexpr TUiText kSelectionPathColumn{QT_TRANSLATE_NOOP("kiova", "パス")};
inline constexpr TUiText kSelectionBrowse{QT_TRANSLATE_NOOP("kiova", "参照(&R)...")};
inline constexpr TUiText kSelectionFileTitle{QT_TRANSLATE_NOOP("kiova", "人格ファイルの選択")};
// The file dialog's filter: its caption, then the patterns it applies.
inline constexpr TUiText kSelectionFileFilter{
    QT_TRANSLATE_NOOP("kiova", "Kiova人格ファイル(*.ktc, *.txt) (*.ktc *.txt)")};
inline constexpr TUiText kInvalidFileMessage{QT_TRANSLATE_NOOP("kiova", "無効なファイルです")};
inline constexpr TUiText kNothingSelectedMessage{
    QT_TRANSLATE_NOOP("kiova", "人格を選択してください")};

// What a screen reader reads for the controls: names where a control has no caption of its own,
// and descriptions.
inline constexpr TUiText kA11yBalloon{QT_TRANSLATE_NOOP("kiova", "吹き出し")};
inline constexpr TUiText kA11yBalloonHelp{QT_TRANSLATE_NOOP(
    "kiova", "人格の言葉が表示されます。Enter で入力を始め、もう一度 Enter で話しかけます。")};
inline constexpr TUiText kA11yPicture{QT_TRANSLATE_NOOP("kiova", "人格の画像")};
inline constexpr TUiText kA11yBalloonFrame{QT_TRANSLATE_NOOP("kiova", "吹き出しの枠")};
inline constexpr TUiText kA11yMenuHelp{
    QT_TRANSLATE_NOOP("kiova", "右クリックでメニューを開きます。")};
inline constexpr TUiText kA11yDesktopCharacterHelp{
    QT_TRANSLATE_NOOP("kiova", "ドラッグで動かし、右クリックでメニューを開きます。")};
inline constexpr TUiText kA11yPattingList{QT_TRANSLATE_NOOP("kiova", "なでなでの動作")};
inline constexpr TUiText kA11yPattingListHelp{
    QT_TRANSLATE_NOOP("kiova", "ダブルクリックか Enter で、選んだ動作を人格に伝えます。")};
inline constexpr TUiText kA11yConfigPages{QT_TRANSLATE_NOOP("kiova", "設定のページです。")};
inline constexpr TUiText kA11yFontButton{
    QT_TRANSLATE_NOOP("kiova", "吹き出しのフォントを選びます。")};
inline constexpr TUiText kA11yFontName{
    QT_TRANSLATE_NOOP("kiova", "吹き出しで使われているフォントと大きさです。")};
inline constexpr TUiText kA11yInterval{
    QT_TRANSLATE_NOOP("kiova", "1 文字を表示する間隔 (ミリ秒) です。上下の矢印キーで変えます。")};
inline constexpr TUiText kA11yAssociate{
    QT_TRANSLATE_NOOP("kiova", "人格ファイルを開くと Kiova が起動するようにします。")};
inline constexpr TUiText kA11yDesktopMode{QT_TRANSLATE_NOOP(
    "kiova", "人格を枠のないウィンドウでデスクトップに立たせ、吹き出しをその横に出します。")};
inline constexpr TUiText kA11yKeepLog{
    QT_TRANSLATE_NOOP("kiova", "会話をログファイルに書き残します。")};
inline constexpr TUiText kA11yPlaySound{QT_TRANSLATE_NOOP("kiova", "人格の効果音を鳴らします。")};
inline constexpr TUiText kA11yAllowExecute{
    QT_TRANSLATE_NOOP("kiova", "人格が、そのフォルダーにあるプログラムを起動できるようにします。")};
inline constexpr TUiText kA11yProfileName{
    QT_TRANSLATE_NOOP("kiova", "人格があなたを呼ぶときに使う名前です。")};
inline constexpr TUiText kA11ySex{QT_TRANSLATE_NOOP("kiova", "人格に伝えるあなたの性別です。")};
inline constexpr TUiText kA11yBirthYear{QT_TRANSLATE_NOOP("kiova", "誕生日の年")};
inline constexpr TUiText kA11yBirthMonth{QT_TRANSLATE_NOOP("kiova", "誕生日の月")};
inline constexpr TUiText kA11yBirthDay{QT_TRANSLATE_NOOP("kiova", "誕生日の日")};
inline constexpr TUiText kA11yArrowKeys{QT_TRANSLATE_NOOP("kiova", "上下の矢印キーで変えます。")};
inline constexpr TUiText kA11yEnablePlugins{
    QT_TRANSLATE_NOOP("kiova", "Plug-in を読み込み、人格との会話に加えます。")};
inline constexpr TUiText kA11yPluginPages{
    QT_TRANSLATE_NOOP("kiova", "基本 Plug-in と拡張 Plug-in の一覧です。")};
inline constexpr TUiText kA11yPluginList{
    QT_TRANSLATE_NOOP("kiova", "選んだ Plug-in の説明が下に表示されます。")};
inline constexpr TUiText kA11yPluginSettings{
    QT_TRANSLATE_NOOP("kiova", "選んだ Plug-in の設定を開きます。")};
inline constexpr TUiText kA11ySaveAndClose{QT_TRANSLATE_NOOP("kiova", "設定を保存して閉じます。")};
inline constexpr TUiText kA11yDiscardAndClose{
    QT_TRANSLATE_NOOP("kiova", "変更を保存せずに閉じます。")};
inline constexpr TUiText kA11yCharacterList{QT_TRANSLATE_NOOP("kiova", "人格の一覧")};
inline constexpr TUiText kA11yCharacterListHelp{
    QT_TRANSLATE_NOOP("kiova", "Enter で選んだ人格に切り替え、Delete で一覧から外します。")};
inline constexpr TUiText kA11yBrowse{
    QT_TRANSLATE_NOOP("kiova", "一覧にない人格ファイルを開きます。")};
inline constexpr TUiText kA11ySwitchCharacter{
    QT_TRANSLATE_NOOP("kiova", "選んだ人格に切り替えます。")};
inline constexpr TUiText kA11yKeepCharacter{QT_TRANSLATE_NOOP("kiova", "今の人格のままにします。")};
inline constexpr TUiText kA11yAboutText{QT_TRANSLATE_NOOP("kiova", "説明")};
inline constexpr TUiText kA11yAboutTextHelp{
    QT_TRANSLATE_NOOP("kiova", "Kiova か人格についての説明です。")};
inline constexpr TUiText kA11yAddress{QT_TRANSLATE_NOOP("kiova", "ウェブサイト")};
inline constexpr TUiText kA11yAddressHelp{
    QT_TRANSLATE_NOOP("kiova", "クリックするとブラウザーで開きます。")};
inline constexpr TUiText kA11yAboutSwitch{
    QT_TRANSLATE_NOOP("kiova", "Kiova の説明と人格の説明を切り替えます。")};
inline constexpr TUiText kA11yClose{QT_TRANSLATE_NOOP("kiova", "このウィンドウを閉じます。")};

}  // namespace kiova
