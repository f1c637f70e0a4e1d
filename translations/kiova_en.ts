<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>kiova</name>
    <message>
        <source>なでなでメニューを表示(&amp;N)</source>
        <translation>Show the &amp;Patting Menu</translation>
    </message>
    <message>
        <source>常に前面に表示(&amp;T)</source>
        <translation>Stay on &amp;Top</translation>
    </message>
    <message>
        <source>デスクトップモード(&amp;D)</source>
        <translation>&amp;Desktop Mode</translation>
    </message>
    <message>
        <source>隠す(&amp;S)</source>
        <translation>H&amp;ide</translation>
    </message>
    <message>
        <source>戻す(&amp;S)</source>
        <translation>Sh&amp;ow</translation>
    </message>
    <message>
        <source>設定(&amp;P)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>人格の切り替え(&amp;C)...</source>
        <translation>&amp;Change Character...</translation>
    </message>
    <message>
        <source>ヘルプを表示する(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Kiova のウェブサイト(&amp;W)</source>
        <translation>Kiova &amp;Website</translation>
    </message>
    <message>
        <source>Kiova について(&amp;A)...</source>
        <translation>&amp;About Kiova...</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>なうろーでぃんぐ♪</source>
        <translation>Now loading♪</translation>
    </message>
    <message>
        <source>Plug-in を読み込んでいます...</source>
        <translation>Loading plug-ins...</translation>
    </message>
    <message>
        <source>なでなで未対応人格</source>
        <translation>This character takes no patting</translation>
    </message>
    <message>
        <source>起動に失敗しました</source>
        <translation>Kiova could not start</translation>
    </message>
    <message>
        <source>(エラーメッセージはKiovaErr.logに記録されます)</source>
        <translation>(The error message is recorded in KiovaErr.log.)</translation>
    </message>
    <message>
        <source>ヘルプが見つかりません</source>
        <translation>The help page cannot be found</translation>
    </message>
    <message>
        <source>%1 は別のプロセスで既に動いています</source>
        <translation>%1 is already running in another process</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>なでなでめにゅー</source>
        <translation>Patting Menu</translation>
    </message>
    <message>
        <source>メインウィンドウにフォーカスを戻す(&amp;N)</source>
        <translation>Back to the Main &amp;Window</translation>
    </message>
    <message>
        <source>隠す(&amp;H)</source>
        <translation>&amp;Hide</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>ユーザー</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>Plug-ins</translation>
    </message>
    <message>
        <source>Kiova 一般の設定</source>
        <translation>General</translation>
    </message>
    <message>
        <source>フォントの設定:</source>
        <translation>Balloon font:</translation>
    </message>
    <message>
        <source>設定(&amp;F)</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>速度(&amp;H):</source>
        <translation>Typing spee&amp;d:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms per letter</translation>
    </message>
    <message>
        <source>拡張子(.ktc)の関連付けをする(&amp;E)</source>
        <translation>Op&amp;en character files (.ktc) with Kiova</translation>
    </message>
    <message>
        <source>キャラクターをデスクトップに表示する(&amp;D)</source>
        <translation>Show the character on the des&amp;ktop</translation>
    </message>
    <message>
        <source>ログの設定</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>ログを保存する(&amp;L)</source>
        <translation>Keep a &amp;log of conversations</translation>
    </message>
    <message>
        <source>その他の設定</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>サウンドを使用(&amp;S)</source>
        <translation>Play &amp;sounds</translation>
    </message>
    <message>
        <source>人格のフォルダーにあるプログラムの実行を許可(&amp;A)</source>
        <translation>&amp;Allow running programs from the character&apos;s folder</translation>
    </message>
    <message>
        <source>苗字(&amp;L):</source>
        <translation>&amp;Last name:</translation>
    </message>
    <message>
        <source>名前(&amp;F):</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>ハンドルネーム(&amp;H):</source>
        <translation>&amp;Handle:</translation>
    </message>
    <message>
        <source>ニックネーム(&amp;N):</source>
        <translation>&amp;Nickname:</translation>
    </message>
    <message>
        <source>性別(&amp;G):</source>
        <translation>&amp;Gender:</translation>
    </message>
    <message>
        <source>男</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>女</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>誕生日(&amp;B):</source>
        <translation>&amp;Birthday:</translation>
    </message>
    <message>
        <source>年</source>
        <translation>year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>month</translation>
    </message>
    <message>
        <source>日</source>
        <translation>day</translation>
    </message>
    <message>
        <source>ハンドルネームとニックネームの違いがよく分からないときは、同じものを入力してください。ここで入力した個人情報が収集されることはありません。</source>
        <translation>If you are not sure how a handle differs from a nickname, enter the same name for both. What you enter here stays on this computer and is never collected.</translation>
    </message>
    <message>
        <source>はじめに、あなたのプロフィールを入力してください。</source>
        <translation>Before we start, please enter your profile.</translation>
    </message>
    <message>
        <source>空欄があります</source>
        <translation>Please fill in every field.</translation>
    </message>
    <message>
        <source>不正な日付です</source>
        <translation>That date does not exist.</translation>
    </message>
    <message>
        <source>Plug-in を有効にする(&amp;E)</source>
        <translation>&amp;Enable plug-ins</translation>
    </message>
    <message>
        <source>基本 Plug-in</source>
        <translation>Basic plug-ins</translation>
    </message>
    <message>
        <source>拡張 Plug-in</source>
        <translation>Extended plug-ins</translation>
    </message>
    <message>
        <source>設定(&amp;C)</source>
        <translation>&amp;Configure...</translation>
    </message>
    <message>
        <source>拡張子(.ktc)の関連付けを変更できませんでした</source>
        <translation>Could not change which program opens character files (.ktc)</translation>
    </message>
    <message>
        <source>書き込めません: </source>
        <translation>Cannot write: </translation>
    </message>
    <message>
        <source>削除できません: </source>
        <translation>Cannot remove: </translation>
    </message>
    <message>
        <source> が失敗しました: </source>
        <translation> failed: </translation>
    </message>
    <message>
        <source>終了コード </source>
        <translation>exit code </translation>
    </message>
    <message>
        <source>Kiovaについて</source>
        <translation>About Kiova</translation>
    </message>
    <message>
        <source>人格について(&amp;C)</source>
        <translation>About the &amp;Character</translation>
    </message>
    <message>
        <source>人格について</source>
        <translation>About the Character</translation>
    </message>
    <message>
        <source>Kiovaについて(&amp;C)</source>
        <translation>About &amp;Kiova</translation>
    </message>
    <message>
        <source>汎用人工知能会話ソフト Kiova</source>
        <translation>Kiova, the chat companion for your desktop</translation>
    </message>
    <message>
        <source>人格の選択</source>
        <translation>Choose a Character</translation>
    </message>
    <message>
        <source>人格名</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>参照(&amp;R)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>人格ファイルの選択</source>
        <translation>Open a Character File</translation>
    </message>
    <message>
        <source>Kiova人格ファイル(*.ktc, *.txt) (*.ktc *.txt)</source>
        <translation>Kiova characters (*.ktc, *.txt) (*.ktc *.txt)</translation>
    </message>
    <message>
        <source>無効なファイルです</source>
        <translation>This is not a Kiova character file.</translation>
    </message>
    <message>
        <source>人格を選択してください</source>
        <translation>Please choose a character.</translation>
    </message>
    <message>
        <source>人格の会話データと画像の権利は、それぞれの作者にあります。</source>
        <translation>Each character&apos;s dialogue and pictures belong to their authors.</translation>
    </message>
    <message>
        <source>このソフトウェアは無保証で提供されます。</source>
        <translation>This software comes with no warranty.</translation>
    </message>
    <message>
        <source>吹き出し</source>
        <translation>Balloon</translation>
    </message>
    <message>
        <source>人格の言葉が表示されます。Enter で入力を始め、もう一度 Enter で話しかけます。</source>
        <translation>Shows what the character says. Press Enter to start typing, and Enter again to say it.</translation>
    </message>
    <message>
        <source>人格の画像</source>
        <translation>Character picture</translation>
    </message>
    <message>
        <source>吹き出しの枠</source>
        <translation>Balloon frame</translation>
    </message>
    <message>
        <source>右クリックでメニューを開きます。</source>
        <translation>Right-click to open the menu.</translation>
    </message>
    <message>
        <source>ドラッグで動かし、右クリックでメニューを開きます。</source>
        <translation>Drag to move the character; right-click to open the menu.</translation>
    </message>
    <message>
        <source>なでなでの動作</source>
        <translation>Patting actions</translation>
    </message>
    <message>
        <source>ダブルクリックか Enter で、選んだ動作を人格に伝えます。</source>
        <translation>Double-click an action, or press Enter, to pat the character that way.</translation>
    </message>
    <message>
        <source>設定のページです。</source>
        <translation>The pages of the settings.</translation>
    </message>
    <message>
        <source>吹き出しのフォントを選びます。</source>
        <translation>Choose the balloon&apos;s font.</translation>
    </message>
    <message>
        <source>吹き出しで使われているフォントと大きさです。</source>
        <translation>The font and size the balloon uses.</translation>
    </message>
    <message>
        <source>1 文字を表示する間隔 (ミリ秒) です。上下の矢印キーで変えます。</source>
        <translation>How long each letter takes to appear, in milliseconds. Change it with the Up and Down arrow keys.</translation>
    </message>
    <message>
        <source>人格ファイルを開くと Kiova が起動するようにします。</source>
        <translation>Opening a character file starts Kiova with it.</translation>
    </message>
    <message>
        <source>人格を枠のないウィンドウでデスクトップに立たせ、吹き出しをその横に出します。</source>
        <translation>Shows the character standing on the desktop without a frame, its balloon beside it.</translation>
    </message>
    <message>
        <source>会話をログファイルに書き残します。</source>
        <translation>Write each conversation to the log file.</translation>
    </message>
    <message>
        <source>人格の効果音を鳴らします。</source>
        <translation>Play the character&apos;s sounds.</translation>
    </message>
    <message>
        <source>人格が、そのフォルダーにあるプログラムを起動できるようにします。</source>
        <translation>Let the character start programs that come in its own folder.</translation>
    </message>
    <message>
        <source>人格があなたを呼ぶときに使う名前です。</source>
        <translation>A name the character calls you by.</translation>
    </message>
    <message>
        <source>人格に伝えるあなたの性別です。</source>
        <translation>Your gender, as the character knows it.</translation>
    </message>
    <message>
        <source>誕生日の年</source>
        <translation>Birth year</translation>
    </message>
    <message>
        <source>誕生日の月</source>
        <translation>Birth month</translation>
    </message>
    <message>
        <source>誕生日の日</source>
        <translation>Birth day</translation>
    </message>
    <message>
        <source>上下の矢印キーで変えます。</source>
        <translation>Change it with the Up and Down arrow keys.</translation>
    </message>
    <message>
        <source>Plug-in を読み込み、人格との会話に加えます。</source>
        <translation>Load plug-ins and let them take part in the conversation.</translation>
    </message>
    <message>
        <source>基本 Plug-in と拡張 Plug-in の一覧です。</source>
        <translation>The lists of basic and extended plug-ins.</translation>
    </message>
    <message>
        <source>選んだ Plug-in の説明が下に表示されます。</source>
        <translation>The selected plug-in&apos;s description shows below.</translation>
    </message>
    <message>
        <source>選んだ Plug-in の設定を開きます。</source>
        <translation>Open the selected plug-in&apos;s own settings.</translation>
    </message>
    <message>
        <source>設定を保存して閉じます。</source>
        <translation>Save the settings and close.</translation>
    </message>
    <message>
        <source>変更を保存せずに閉じます。</source>
        <translation>Close without saving the changes.</translation>
    </message>
    <message>
        <source>人格の一覧</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>Enter で選んだ人格に切り替え、Delete で一覧から外します。</source>
        <translation>Enter switches to the selected character; Delete removes it from the list.</translation>
    </message>
    <message>
        <source>一覧にない人格ファイルを開きます。</source>
        <translation>Open a character file that is not in the list.</translation>
    </message>
    <message>
        <source>選んだ人格に切り替えます。</source>
        <translation>Switch to the selected character.</translation>
    </message>
    <message>
        <source>今の人格のままにします。</source>
        <translation>Keep the current character.</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Kiova か人格についての説明です。</source>
        <translation>About Kiova or the character.</translation>
    </message>
    <message>
        <source>ウェブサイト</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>クリックするとブラウザーで開きます。</source>
        <translation>Click to open it in the web browser.</translation>
    </message>
    <message>
        <source>Kiova の説明と人格の説明を切り替えます。</source>
        <translation>Switch between the pages about Kiova and about the character.</translation>
    </message>
    <message>
        <source>このウィンドウを閉じます。</source>
        <translation>Close this window.</translation>
    </message>
</context>
</TS>
