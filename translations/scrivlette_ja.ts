<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>リッチテキスト形式</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Web Archive</source>
        <translation>Web アーカイブ</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>添付ファイル付きリッチテキスト形式</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>TIFF 画像</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>PICT 画像</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>プレーンテキスト</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Scrivlette</source>
        <translation>Scrivlette</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>ヘルプウィンドウ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>ウィンドウを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Scrivlette ヘルプ</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> サイズ: </translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>破損: ファイルが %1 バイト目で途切れています</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>%1 バイト目で破損</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>クリッピングファイルではありません</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>読み取る権限がありません</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>もう存在しません</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>このコンピューター上のファイルではありません</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>破損: 内容を読み取れません</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>空で、内容を持つ付随ファイルもありません</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>破損: ファイルが途中で途切れています</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>破損: クリッピングの構造になっていません</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>%n 個中 %1 個のファイルを読み込めませんでした: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 に書き出しました</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>書き出していません: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 に書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>開きませんでした: %1 は Web やメールのアドレスではありません。クリックで開くのはそれらだけです。</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>プレーンテキスト、UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>プレーンテキスト、UTF-16 (バイトオーダーマーク付き)</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>プレーンテキスト、UTF-16 リトルエンディアン</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>プレーンテキスト、Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>Web またはメールのアドレス</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>リッチテキスト (RTF)</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>Web ページ (HTML)</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>Web アーカイブ</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>添付ファイル付きリッチテキスト (RTFD)</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>TIFF 画像</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>PICT 画像</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web アドレス</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>ファイルのアドレス</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>macOS のクリッピングファイル (.textClipping, .pictClipping) とインターネットの場所 (.webloc, .mailloc) の中身を表示します。
Qt の標準オプション (-style, -platform, -reverse など) も使えます。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>Finder と同じように、Web やメールの場所のアドレスをデスクトップのブラウザーやメールソフトで開きます。ほかのファイルはウィンドウで開きます。</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>開くクリッピングファイル。まとめて 1 回のドロップとして読み込みます。</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 &apos;scrivlette --help&apos; を参照してください。</translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1、%2 バイト</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ContentView</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Write Clip to File</source>
        <translation>クリップをファイルに書き出す</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>クリッピングの内容を新しいファイルに書き出します。</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>クリップをファイルに書き出す…</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>リンクを開く</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>アドレスをブラウザーやメールソフトで開きます。</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>%1 を開けませんでした: 対応するプログラムがありません</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>ここにクリッピングファイルをドロップするか、「ファイル」&gt;「開く」を選んでください。</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>先に項目を選択してください。</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>何も選択されていません。</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>書式付き</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>%1 から</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>%1 から (もう開いていません)</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>画像をデコードしています…</translation>
    </message>
</context>
<context>
    <name>scrivlette::FileNavigation</name>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Next Clipping</source>
        <translation>次のクリッピング(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>前のクリッピング(&amp;P)</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>先にクリッピングを開いてください。「移動」はそのフォルダー内を順にたどります。</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>フォルダー内の最後のクリッピングです。</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>フォルダー内の最初のクリッピングです。</translation>
    </message>
    <message>
        <source>Open Clippings</source>
        <translation>クリッピングを開く</translation>
    </message>
    <message>
        <source>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</source>
        <translation>クリッピング (*.textClipping *.pictClipping *.webloc *.mailloc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>この項目は書式付きで表示できません: %1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>詳細…</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>読み込めなかったすべてのファイルとその理由。</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>読み込めなかったファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n 個のファイルを読み込めませんでした。</numerusform>
        </translation>
    </message>
</context>
</TS>
