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
    <message>
        <source>kiova: no display (DISPLAY and WAYLAND_DISPLAY are unset); talking in the terminal</source>
        <translation>kiova: ディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。端末で話します</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>不明なオプション &quot;%1&quot; です</translation>
    </message>
    <message>
        <source>only one character package can be given</source>
        <translation>人格パッケージは 1 つしか指定できません</translation>
    </message>
    <message>
        <source>usage: kiova-tool COMMAND [ARGS...]

commands:
</source>
        <translation>使い方: kiova-tool COMMAND [ARGS...]

コマンド:
</translation>
    </message>
    <message>
        <source>usage: kiova-tool %1</source>
        <translation>使い方: kiova-tool %1</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド &quot;%1&quot; です</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>余分な引数 &quot;%1&quot; があります</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 には %2 が必要です</translation>
    </message>
    <message>
        <source>%1 needs a PACKAGE</source>
        <translation>%1 には PACKAGE (人格パッケージ) が必要です</translation>
    </message>
    <message>
        <source>picture needs a FILE</source>
        <translation>picture には FILE (画像ファイル) が必要です</translation>
    </message>
    <message>
        <source>--now needs &quot;yyyy/mm/dd hh:nn:ss&quot;, not &quot;%1&quot;</source>
        <translation>--now には &quot;yyyy/mm/dd hh:nn:ss&quot; の形で日時を指定してください (&quot;%1&quot; ではなく)</translation>
    </message>
    <message>
        <source>--user needs six lines joined by {BR} (surname, first name, handle name, nickname, empty or &quot;Female&quot;, birthday), the first four not empty</source>
        <translation>--user には {BR} でつないだ 6 行 (苗字、名前、ハンドルネーム、ニックネーム、空か &quot;Female&quot;、誕生日) が必要です。最初の 4 行は空にできません</translation>
    </message>
    <message>
        <source>--mask needs a number from 0 to 255</source>
        <translation>--mask には 0 から 255 までの数が必要です</translation>
    </message>
    <message>
        <source>unknown code &quot;%1&quot;</source>
        <translation>不明な文字コード &quot;%1&quot; です</translation>
    </message>
    <message>
        <source>--batch reads PATTERN and TEXT from standard input</source>
        <translation>--batch のときは PATTERN と TEXT を標準入力から読みます</translation>
    </message>
    <message>
        <source>expected PATTERN and TEXT</source>
        <translation>PATTERN と TEXT が必要です</translation>
    </message>
    <message>
        <source>--hex needs PATTERN and TEXT as pairs of hexadecimal digits</source>
        <translation>--hex のときは PATTERN と TEXT を 2 桁ずつの 16 進数で書いてください</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 を読めません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>%1 is not enciphered</source>
        <translation>%1 は暗号化されていません</translation>
    </message>
    <message>
        <source>%1:%2:%3: byte %4 cannot be enciphered (only bytes 0x20 to 0xFF can); nothing written</source>
        <translation>%1:%2:%3: バイト %4 は暗号化できません (できるのは 0x20 から 0xFF まで)。何も書きませんでした</translation>
    </message>
    <message>
        <source>the key</source>
        <translation>鍵</translation>
    </message>
    <message>
        <source>no conversion from UTF-8 to %1</source>
        <translation>UTF-8 から %1 への変換ができません</translation>
    </message>
    <message>
        <source>the key cannot be written in %1, the character&apos;s encoding (--package PACKAGE names the character); nothing written</source>
        <translation>鍵は人格の文字コード %1 で書けません (--package PACKAGE で人格を指定できます)。何も書きませんでした</translation>
    </message>
    <message>
        <source>--to needs utf-8 or shift_jis, not &quot;%1&quot;</source>
        <translation>--to には utf-8 か shift_jis を指定してください (&quot;%1&quot; ではなく)</translation>
    </message>
    <message>
        <source>%1 is no character: neither &quot;name&quot; nor &quot;folder&quot; has a value</source>
        <translation>%1 は人格ではありません: &quot;name&quot; にも &quot;folder&quot; にも値がありません</translation>
    </message>
    <message>
        <source>%1 lies inside the character&apos;s data folder %2; nothing written</source>
        <translation>%1 は人格のデータフォルダー %2 の中にあります。何も書きませんでした</translation>
    </message>
    <message>
        <source>%1 lies behind a symbolic link to a folder and cannot be converted; nothing written</source>
        <translation>%1 はフォルダーへのシンボリックリンクの先にあるため変換できません。何も書きませんでした</translation>
    </message>
    <message>
        <source>%1 is not a regular file; not copied</source>
        <translation>%1 は通常のファイルではないのでコピーしませんでした</translation>
    </message>
    <message>
        <source>%1 problem(s) converting to %2; nothing written</source>
        <translation>%2 への変換で %1 件の問題がありました。何も書きませんでした</translation>
    </message>
    <message>
        <source>%1 exists and is not an empty folder; nothing written</source>
        <translation>%1 はすでにあり、空のフォルダーではありません。何も書きませんでした</translation>
    </message>
    <message>
        <source>cannot create %1: %2; nothing written</source>
        <translation>%1 を作れません: %2。何も書きませんでした</translation>
    </message>
</context>
</TS>
