# Spanish, in the words GNOME and KDE use (see glossary_es.md).
TEXTS = {
    "Scrivlette": "Scrivlette",
    "Help Window": "Ventana de ayuda",
    "&File": "&Archivo",
    "&Close Window": "&Cerrar ventana",
    "&Quit": "&Salir",
    "&Edit": "&Editar",
    "Copy": "Copiar",
    "&View": "&Ver",
    "&Go": "&Ir",
    "&Help": "Ay&uda",
    "Scrivlette Help": "Ayuda de Scrivlette",
    " Size: ": " Tamaño: ",
    "damaged: the file ends early, at byte %1": "dañado: el archivo termina antes de tiempo, en el byte %1",
    "damaged at byte %1": "dañado en el byte %1",
    "not a clipping file": "no es un archivo de recorte",
    "no permission to read it": "sin permiso para leerlo",
    "it is not there any more": "ya no existe",
    "not a file": "no es un archivo",
    "not a file on this computer": "no es un archivo de este equipo",
    "damaged: its content cannot be read": "dañado: su contenido no se puede leer",
    "empty, and no companion file holds its content":
        "vacío, y ningún archivo acompañante guarda su contenido",
    "damaged: the file ends early": "dañado: el archivo termina antes de tiempo",
    "damaged: not laid out as a clipping": "dañado: no tiene la estructura de un recorte",
    "Could not read %1: %2": "No se pudo leer %1: %2",
    "%1 (%2)": "%1 (%2)",
    "%1 of %n file(s) could not be read: %2": [
        "Error al leer %1 de %n archivo: %2",
        "Error al leer %1 de %n archivos: %2",
    ],
    "Wrote %1": "Se escribió %1",
    "Nothing written: %1": "No se escribió nada: %1",
    "Could not write %1: %2": "No se pudo escribir %1: %2",
    "Not opened: %1 is not a web or mail address, and only those open with a click.":
        "No se abrió: %1 no es una dirección web ni de correo, y solo esas se abren con un clic.",
    "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet "
    "locations (.webloc, .mailloc).\nQt's standard options (-style, -platform, -reverse, ...) "
    "are accepted too.":
        "Muestra el contenido de los archivos de recorte de macOS (.textClipping, .pictClipping) "
        "y de las ubicaciones de Internet (.webloc, .mailloc).\nTambién acepta las opciones "
        "estándar de Qt (-style, -platform, -reverse…).",
    "Show this help.": "Mostrar esta ayuda.",
    "Open the address of each web or mail location in the desktop's browser or mail program, "
    "as the Finder does; other files open in the window.":
        "Abrir la dirección de cada ubicación web o de correo en el navegador o el programa de "
        "correo del escritorio, como hace el Finder; los demás archivos se abren en la ventana.",
    "Clipping files to open, read together as one drop.":
        "Archivos de recorte que abrir, leídos juntos como si se soltaran a la vez.",
    "Write Clip to File": "Escribir recorte en archivo",
    "Write clipping contents to a new file.": "Escribir el contenido del recorte en un archivo nuevo.",
    "Write Clip to File…": "Escribir recorte en archivo…",
    "Open Link": "Abrir enlace",
    "Open the address in your browser or mail program.":
        "Abrir la dirección en el navegador o el programa de correo.",
    "Toolbar": "Barra de herramientas",
    "Opened %1": "Se abrió %1",
    "Could not open %1: no program for it": "No se pudo abrir %1: no hay ningún programa para ello",
    "Select All": "Seleccionar todo",
    "Drop clipping files here, or choose File > Open.":
        "Suelte aquí archivos de recorte, o elija Archivo > Abrir.",
    "Select an entry first.": "Seleccione primero una entrada.",
    "Nothing selected.": "No hay nada seleccionado.",
    "Text": "Texto",
    "Formatted": "Con formato",
    "From %1": "De %1",
    "From %1, which is no longer open": "De %1, que ya no está abierto",
    "Decoding the picture…": "Descodificando la imagen…",
    "&Open…": "A&brir…",
    "&Next Clipping": "Recorte &siguiente",
    "&Previous Clipping": "Recorte &anterior",
    "Open a clipping first: Go steps through its folder.":
        "Abra primero un recorte: Ir recorre su carpeta.",
    "This is the last clipping in the folder.": "Es el último recorte de la carpeta.",
    "This is the first clipping in the folder.": "Es el primer recorte de la carpeta.",
    "Open Clippings": "Abrir recortes",
    "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)":
        "Recortes (*.textClipping *.pictClipping *.webloc *.mailloc)",
    "All files (*)": "Todos los archivos (*)",
    "This entry cannot be shown formatted: %1": "Esta entrada no se puede mostrar con formato: %1",
    "Details…": "Detalles…",
    "Every file that could not be read, and why.": "Cada archivo que no se pudo leer, y por qué.",
    "Files Not Read": "Archivos no leídos",
    "%n file(s) could not be read.": [
        "No se pudo leer %n archivo.",
        "No se pudieron leer %n archivos.",
    ],
}
