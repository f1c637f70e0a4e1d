<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>kiova</name>
    <message>
        <source>Commands:
  /pat          list the patting actions
  /pat N        send patting action N
  /change       choose another character from the known ones
  /change PATH  switch to the character package PATH
  /profile      show your profile
  /settings     show the settings
  /about        about Kiova and the character
  /help         this list
  /quit         say goodbye and end
  //TEXT        say /TEXT</source>
        <translation>コマンド:
  /pat          なでなでの動作の一覧
  /pat N        なでなでの動作 N を送る
  /change       知っている人格から別の人格を選ぶ
  /change PATH  人格パッケージ PATH に切り替える
  /profile      あなたのプロフィールを表示
  /settings     設定を表示
  /about        Kiova と人格について
  /help         この一覧
  /quit         お別れを言って終了
  //TEXT        「/TEXT」と話しかける</translation>
    </message>
    <message>
        <source>Unknown command %1</source>
        <translation>不明なコマンドです: %1</translation>
    </message>
    <message>
        <source>There is no patting action %1.</source>
        <translation>なでなでの動作 %1 はありません。</translation>
    </message>
    <message>
        <source>This character takes no patting.</source>
        <translation>この人格はなでなでに対応していません。</translation>
    </message>
    <message>
        <source>kiova: no user profile yet; start kiova once in a terminal or a window to enter it, or write it into [User] User= of %1</source>
        <translation>kiova: ユーザーのプロフィールがまだありません。端末かウィンドウで一度 kiova を起動して入力するか、%1 の [User] User= に書いてください</translation>
    </message>
    <message>
        <source>kiova: an input line longer than 1 MiB was cut there</source>
        <translation>kiova: 1 MiB を超える入力行をそこで切りました</translation>
    </message>
    <message>
        <source>Number, a package path, or an empty line to cancel: </source>
        <translation>番号かパッケージのパス (空行で取り消し): </translation>
    </message>
    <message>
        <source>Your profile (an empty answer keeps the value in brackets):</source>
        <translation>あなたのプロフィール (何も入力しなければ [ ] 内の値のままです):</translation>
    </message>
    <message>
        <source>This text holds letters that Kiova&apos;s code page cannot hold.</source>
        <translation>Kiova の文字コードで表せない文字が含まれています。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>usage: kiova [--console] [--verbose] [PACKAGE]

Starts Kiova with the character PACKAGE (a .ktc file), or with the first known
character when none is given.

  --console   talk in the terminal instead of a window (chosen by itself when
              there is no display)
  --verbose   in the terminal, also report picture changes
  --help      print this text
  --version   print the version
</source>
        <translation>使い方: kiova [--console] [--verbose] [PACKAGE]

人格パッケージ PACKAGE (.ktc ファイル) の人格で Kiova を起動します。PACKAGE がなければ、
知っている人格の最初のひとりで起動します。

  --console   ウィンドウではなく端末で話す (ディスプレイがなければ自動でこちら)
  --verbose   端末で、画像の切り替えも表示する
  --help      この説明を表示する
  --version   バージョンを表示する
</translation>
    </message>
</context>
</TS>
