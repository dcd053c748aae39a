<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>富文本格式</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Web Archive</source>
        <translation>网页归档</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>带附件的富文本格式</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>TIFF 图片</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>PICT 图片</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>纯文本</translation>
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
        <translation>帮助窗口</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>关闭窗口(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>转到(&amp;G)</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Scrivlette 帮助</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> 大小：</translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>已损坏：文件在第 %1 字节处提前结束</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>在第 %1 字节处损坏</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>不是剪辑文件</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>它已不存在</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>不是本机上的文件</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>已损坏：无法读取其内容</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>为空，且没有附带文件保存其内容</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>已损坏：文件提前结束</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>已损坏：结构不是剪辑</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>%n 个文件中有 %1 个无法读取：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>未写入任何内容：%1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>未打开：%1 不是网址或邮件地址，只有这两种地址才能单击打开。</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>纯文本，UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>纯文本，带字节顺序标记的 UTF-16</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>纯文本，UTF-16 小端序</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>纯文本，Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>网址或邮件地址</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>富文本（RTF）</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>网页（HTML）</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>网页归档</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>带附件的富文本（RTFD）</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>TIFF 图片</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>PICT 图片</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>文件地址</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>显示 macOS 剪辑文件（.textClipping、.pictClipping）和互联网位置（.webloc、.mailloc）中的内容。
也接受 Qt 的标准选项（-style、-platform、-reverse 等）。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>像访达那样，用桌面的浏览器或邮件程序打开每个网页或邮件位置的地址；其他文件在窗口中打开。</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>要打开的剪辑文件，作为一次拖放一起读取。</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 请尝试“scrivlette --help”。</translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1，%2 字节</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ContentView</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Write Clip to File</source>
        <translation>将剪辑写入文件</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>将剪辑内容写入新文件。</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>将剪辑写入文件…</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>打开链接</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>在浏览器或邮件程序中打开该地址。</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>无法打开 %1：没有可用的程序</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>将剪辑文件拖放到这里，或选择“文件”&gt;“打开”。</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>请先选择一个条目。</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>未选择任何内容。</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>带格式</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>来自 %1</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>来自 %1（已不再打开）</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>正在解码图片…</translation>
    </message>
</context>
<context>
    <name>scrivlette::FileNavigation</name>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Next Clipping</source>
        <translation>下一个剪辑(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>上一个剪辑(&amp;P)</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>请先打开一个剪辑：“转到”会在其文件夹中逐个浏览。</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>这是文件夹中的最后一个剪辑。</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>这是文件夹中的第一个剪辑。</translation>
    </message>
    <message>
        <source>Open Clippings</source>
        <translation>打开剪辑</translation>
    </message>
    <message>
        <source>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</source>
        <translation>剪辑（*.textClipping *.pictClipping *.webloc *.mailloc）</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>此条目无法以带格式的方式显示：%1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>详细信息…</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>每个无法读取的文件及其原因。</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>未读取的文件</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>有 %n 个文件无法读取。</numerusform>
        </translation>
    </message>
</context>
</TS>
