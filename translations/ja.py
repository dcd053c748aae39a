# Japanese, in the words GNOME and KDE use (see glossary_ja.md).
TEXTS = {
    "Scrivlette": "Scrivlette",
    "Help Window": "ヘルプウィンドウ",
    "&File": "ファイル(&F)",
    "&Close Window": "ウィンドウを閉じる(&C)",
    "&Quit": "終了(&Q)",
    "&Edit": "編集(&E)",
    "Copy": "コピー",
    "&View": "表示(&V)",
    "&Go": "移動(&G)",
    "&Help": "ヘルプ(&H)",
    "Scrivlette Help": "Scrivlette ヘルプ",
    " Size: ": " サイズ: ",
    "damaged: the file ends early, at byte %1": "破損: ファイルが %1 バイト目で途切れています",
    "damaged at byte %1": "%1 バイト目で破損",
    "not a clipping file": "クリッピングファイルではありません",
    "no permission to read it": "読み取る権限がありません",
    "it is not there any more": "もう存在しません",
    "not a file": "ファイルではありません",
    "not a file on this computer": "このコンピューター上のファイルではありません",
    "damaged: its content cannot be read": "破損: 内容を読み取れません",
    "empty, and no companion file holds its content": "空で、内容を持つ付随ファイルもありません",
    "damaged: the file ends early": "破損: ファイルが途中で途切れています",
    "damaged: not laid out as a clipping": "破損: クリッピングの構造になっていません",
    "Could not read %1: %2": "%1 を読み込めませんでした: %2",
    "%1 (%2)": "%1 (%2)",
    "%1 of %n file(s) could not be read: %2": ["%n 個中 %1 個のファイルを読み込めませんでした: %2"],
    "Wrote %1": "%1 に書き出しました",
    "Nothing written: %1": "書き出していません: %1",
    "Could not write %1: %2": "%1 に書き出せませんでした: %2",
    "Not opened: %1 is not a web or mail address, and only those open with a click.":
        "開きませんでした: %1 は Web やメールのアドレスではありません。クリックで開くのはそれらだけです。",
    "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet "
    "locations (.webloc, .mailloc).\nQt's standard options (-style, -platform, -reverse, ...) "
    "are accepted too.":
        "macOS のクリッピングファイル (.textClipping, .pictClipping) とインターネットの場所 "
        "(.webloc, .mailloc) の中身を表示します。\nQt の標準オプション (-style, -platform, "
        "-reverse など) も使えます。",
    "Show this help.": "このヘルプを表示します。",
    "Open the address of each web or mail location in the desktop's browser or mail program, "
    "as the Finder does; other files open in the window.":
        "Finder と同じように、Web やメールの場所のアドレスをデスクトップのブラウザーやメールソフトで開きます。"
        "ほかのファイルはウィンドウで開きます。",
    "Clipping files to open, read together as one drop.":
        "開くクリッピングファイル。まとめて 1 回のドロップとして読み込みます。",
    "Write Clip to File": "クリップをファイルに書き出す",
    "Write clipping contents to a new file.": "クリッピングの内容を新しいファイルに書き出します。",
    "Write Clip to File…": "クリップをファイルに書き出す…",
    "Open Link": "リンクを開く",
    "Open the address in your browser or mail program.": "アドレスをブラウザーやメールソフトで開きます。",
    "Toolbar": "ツールバー",
    "Opened %1": "%1 を開きました",
    "Could not open %1: no program for it": "%1 を開けませんでした: 対応するプログラムがありません",
    "Select All": "すべて選択",
    "Drop clipping files here, or choose File > Open.":
        "ここにクリッピングファイルをドロップするか、「ファイル」>「開く」を選んでください。",
    "Select an entry first.": "先に項目を選択してください。",
    "Nothing selected.": "何も選択されていません。",
    "Text": "テキスト",
    "Formatted": "書式付き",
    "From %1": "%1 から",
    "From %1, which is no longer open": "%1 から (もう開いていません)",
    "Decoding the picture…": "画像をデコードしています…",
    "&Open…": "開く(&O)…",
    "&Next Clipping": "次のクリッピング(&N)",
    "&Previous Clipping": "前のクリッピング(&P)",
    "Open a clipping first: Go steps through its folder.":
        "先にクリッピングを開いてください。「移動」はそのフォルダー内を順にたどります。",
    "This is the last clipping in the folder.": "フォルダー内の最後のクリッピングです。",
    "This is the first clipping in the folder.": "フォルダー内の最初のクリッピングです。",
    "Open Clippings": "クリッピングを開く",
    "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)":
        "クリッピング (*.textClipping *.pictClipping *.webloc *.mailloc)",
    "All files (*)": "すべてのファイル (*)",
    "This entry cannot be shown formatted: %1": "この項目は書式付きで表示できません: %1",
    "Details…": "詳細…",
    "Every file that could not be read, and why.": "読み込めなかったすべてのファイルとその理由。",
    "Files Not Read": "読み込めなかったファイル",
    "%n file(s) could not be read.": ["%n 個のファイルを読み込めませんでした。"],
}
