<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Rich Text Format</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Web Archive</source>
        <translation>Arquivo web</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>Rich Text Format com anexos</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Imagem TIFF</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>Imagem PICT</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Texto simples</translation>
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
        <translation>Janela de ajuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fechar janela</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>I&amp;r</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Ajuda do Scrivlette</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> Tamanho: </translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>danificado: o arquivo termina antes da hora, no byte %1</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>danificado no byte %1</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>não é um arquivo de recorte</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sem permissão para lê-lo</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>ele não existe mais</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>não é um arquivo deste computador</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>danificado: o conteúdo não pode ser lido</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>vazio, e nenhum arquivo acompanhante guarda o conteúdo</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>danificado: o arquivo termina antes da hora</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>danificado: não tem a estrutura de um recorte</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>Não foi possível ler %1 de %n arquivo: %2</numerusform>
            <numerusform>Não foi possível ler %1 de %n arquivos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 gravado</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>Nada foi gravado: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>Não aberto: %1 não é um endereço web nem de e-mail, e só esses abrem com um clique.</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>Texto simples, UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>Texto simples, UTF-16 com marca de ordem de bytes</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>Texto simples, UTF-16 little-endian</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>Texto simples, Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>Endereço web ou de e-mail</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Texto formatado (RTF)</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>Página web (HTML)</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>Arquivo web</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>Texto formatado com anexos (RTFD)</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>Imagem TIFF</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>Imagem PICT</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Endereço web</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>Endereço de arquivo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>Mostra o conteúdo dos arquivos de recorte do macOS (.textClipping, .pictClipping) e dos locais da Internet (.webloc, .mailloc).
As opções padrão do Qt (-style, -platform, -reverse…) também são aceitas.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>Abrir o endereço de cada local web ou de e-mail no navegador ou no programa de e-mail da área de trabalho, como faz o Finder; os outros arquivos abrem na janela.</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>Arquivos de recorte a abrir, lidos juntos como se fossem soltos de uma vez.</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 Experimente “scrivlette --help”.</translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1, %2 byte</numerusform>
            <numerusform>%1, %2 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ContentView</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Write Clip to File</source>
        <translation>Gravar recorte em arquivo</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>Gravar o conteúdo do recorte em um arquivo novo.</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>Gravar recorte em arquivo…</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir link</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>Abrir o endereço no navegador ou no programa de e-mail.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aberto</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>Não foi possível abrir %1: nenhum programa para isso</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>Solte arquivos de recorte aqui, ou escolha Arquivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>Selecione primeiro uma entrada.</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>Nada selecionado.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Formatado</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>De %1, que não está mais aberto</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>Decodificando a imagem…</translation>
    </message>
</context>
<context>
    <name>scrivlette::FileNavigation</name>
    <message>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>&amp;Next Clipping</source>
        <translation>&amp;Próximo recorte</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>Recorte &amp;anterior</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>Abra primeiro um recorte: Ir percorre a pasta dele.</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>Este é o último recorte da pasta.</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>Este é o primeiro recorte da pasta.</translation>
    </message>
    <message>
        <source>Open Clippings</source>
        <translation>Abrir recortes</translation>
    </message>
    <message>
        <source>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</source>
        <translation>Recortes (*.textClipping *.pictClipping *.webloc *.mailloc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>Esta entrada não pode ser exibida formatada: %1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>Cada arquivo que não pôde ser lido, e por quê.</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>Arquivos não lidos</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>Não foi possível ler %n arquivo.</numerusform>
            <numerusform>Não foi possível ler %n arquivos.</numerusform>
        </translation>
    </message>
</context>
</TS>
