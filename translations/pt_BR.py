# Brazilian Portuguese, in the words GNOME and KDE use (see glossary_pt_BR.md).
TEXTS = {
    "Scrivlette": "Scrivlette",
    "Help Window": "Janela de ajuda",
    "&File": "&Arquivo",
    "&Close Window": "&Fechar janela",
    "&Quit": "Sa&ir",
    "&Edit": "&Editar",
    "Copy": "Copiar",
    "&View": "E&xibir",
    "&Go": "I&r",
    "&Help": "Aj&uda",
    "Scrivlette Help": "Ajuda do Scrivlette",
    " Size: ": " Tamanho: ",
    "damaged: the file ends early, at byte %1": "danificado: o arquivo termina antes da hora, no byte %1",
    "damaged at byte %1": "danificado no byte %1",
    "not a clipping file": "não é um arquivo de recorte",
    "no permission to read it": "sem permissão para lê-lo",
    "it is not there any more": "ele não existe mais",
    "not a file": "não é um arquivo",
    "not a file on this computer": "não é um arquivo deste computador",
    "damaged: its content cannot be read": "danificado: o conteúdo não pode ser lido",
    "empty, and no companion file holds its content":
        "vazio, e nenhum arquivo acompanhante guarda o conteúdo",
    "damaged: the file ends early": "danificado: o arquivo termina antes da hora",
    "damaged: not laid out as a clipping": "danificado: não tem a estrutura de um recorte",
    "Could not read %1: %2": "Não foi possível ler %1: %2",
    "%1 (%2)": "%1 (%2)",
    "%1 of %n file(s) could not be read: %2": [
        "Não foi possível ler %1 de %n arquivo: %2",
        "Não foi possível ler %1 de %n arquivos: %2",
    ],
    "Wrote %1": "%1 gravado",
    "Nothing written: %1": "Nada foi gravado: %1",
    "Could not write %1: %2": "Não foi possível gravar %1: %2",
    "Not opened: %1 is not a web or mail address, and only those open with a click.":
        "Não aberto: %1 não é um endereço web nem de e-mail, e só esses abrem com um clique.",
    "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet "
    "locations (.webloc, .mailloc).\nQt's standard options (-style, -platform, -reverse, ...) "
    "are accepted too.":
        "Mostra o conteúdo dos arquivos de recorte do macOS (.textClipping, .pictClipping) e dos "
        "locais da Internet (.webloc, .mailloc).\nAs opções padrão do Qt (-style, -platform, "
        "-reverse…) também são aceitas.",
    "Show this help.": "Mostrar esta ajuda.",
    "Open the address of each web or mail location in the desktop's browser or mail program, "
    "as the Finder does; other files open in the window.":
        "Abrir o endereço de cada local web ou de e-mail no navegador ou no programa de e-mail "
        "da área de trabalho, como faz o Finder; os outros arquivos abrem na janela.",
    "Clipping files to open, read together as one drop.":
        "Arquivos de recorte a abrir, lidos juntos como se fossem soltos de uma vez.",
    "Write Clip to File": "Gravar recorte em arquivo",
    "Write clipping contents to a new file.": "Gravar o conteúdo do recorte em um arquivo novo.",
    "Write Clip to File…": "Gravar recorte em arquivo…",
    "Open Link": "Abrir link",
    "Open the address in your browser or mail program.":
        "Abrir o endereço no navegador ou no programa de e-mail.",
    "Toolbar": "Barra de ferramentas",
    "Opened %1": "%1 aberto",
    "Could not open %1: no program for it": "Não foi possível abrir %1: nenhum programa para isso",
    "Select All": "Selecionar tudo",
    "Drop clipping files here, or choose File > Open.":
        "Solte arquivos de recorte aqui, ou escolha Arquivo > Abrir.",
    "Select an entry first.": "Selecione primeiro uma entrada.",
    "Nothing selected.": "Nada selecionado.",
    "Text": "Texto",
    "Formatted": "Formatado",
    "From %1": "De %1",
    "From %1, which is no longer open": "De %1, que não está mais aberto",
    "Decoding the picture…": "Decodificando a imagem…",
    "&Open…": "A&brir…",
    "&Next Clipping": "&Próximo recorte",
    "&Previous Clipping": "Recorte &anterior",
    "Open a clipping first: Go steps through its folder.":
        "Abra primeiro um recorte: Ir percorre a pasta dele.",
    "This is the last clipping in the folder.": "Este é o último recorte da pasta.",
    "This is the first clipping in the folder.": "Este é o primeiro recorte da pasta.",
    "Open Clippings": "Abrir recortes",
    "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)":
        "Recortes (*.textClipping *.pictClipping *.webloc *.mailloc)",
    "All files (*)": "Todos os arquivos (*)",
    "This entry cannot be shown formatted: %1": "Esta entrada não pode ser exibida formatada: %1",
    "Details…": "Detalhes…",
    "Every file that could not be read, and why.": "Cada arquivo que não pôde ser lido, e por quê.",
    "Files Not Read": "Arquivos não lidos",
    "%n file(s) could not be read.": [
        "Não foi possível ler %n arquivo.",
        "Não foi possível ler %n arquivos.",
    ],
}
