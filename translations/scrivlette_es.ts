<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Formato de texto enriquecido</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Web Archive</source>
        <translation>Archivo web</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>Formato de texto enriquecido con adjuntos</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>Imagen PICT</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Texto sin formato</translation>
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
        <translation>Ventana de ayuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Cerrar ventana</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
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
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Ayuda de Scrivlette</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> Tamaño: </translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>dañado: el archivo termina antes de tiempo, en el byte %1</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>dañado en el byte %1</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>no es un archivo de recorte</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sin permiso para leerlo</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>no es un archivo de este equipo</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>dañado: su contenido no se puede leer</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>vacío, y ningún archivo acompañante guarda su contenido</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>dañado: el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>dañado: no tiene la estructura de un recorte</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>Error al leer %1 de %n archivo: %2</numerusform>
            <numerusform>Error al leer %1 de %n archivos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Se escribió %1</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>No se escribió nada: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>No se abrió: %1 no es una dirección web ni de correo, y solo esas se abren con un clic.</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>Texto sin formato, UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>Texto sin formato, UTF-16 con marca de orden de bytes</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>Texto sin formato, UTF-16 little-endian</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>Texto sin formato, Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>Dirección web o de correo</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Texto enriquecido (RTF)</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>Página web (HTML)</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>Archivo web</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>Texto enriquecido con adjuntos (RTFD)</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>Imagen PICT</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>Dirección de archivo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>Muestra el contenido de los archivos de recorte de macOS (.textClipping, .pictClipping) y de las ubicaciones de Internet (.webloc, .mailloc).
También acepta las opciones estándar de Qt (-style, -platform, -reverse…).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>Abrir la dirección de cada ubicación web o de correo en el navegador o el programa de correo del escritorio, como hace el Finder; los demás archivos se abren en la ventana.</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>Archivos de recorte que abrir, leídos juntos como si se soltaran a la vez.</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 Pruebe «scrivlette --help».</translation>
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
        <translation>Escribir recorte en archivo</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>Escribir el contenido del recorte en un archivo nuevo.</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>Escribir recorte en archivo…</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>Abrir la dirección en el navegador o el programa de correo.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Se abrió %1</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>No se pudo abrir %1: no hay ningún programa para ello</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>Suelte aquí archivos de recorte, o elija Archivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>Seleccione primero una entrada.</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>No hay nada seleccionado.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Con formato</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>De %1, que ya no está abierto</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>Descodificando la imagen…</translation>
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
        <translation>Recorte &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>Recorte &amp;anterior</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>Abra primero un recorte: Ir recorre su carpeta.</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>Es el último recorte de la carpeta.</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>Es el primer recorte de la carpeta.</translation>
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
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>Esta entrada no se puede mostrar con formato: %1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>Detalles…</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>Cada archivo que no se pudo leer, y por qué.</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>Archivos no leídos</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>No se pudo leer %n archivo.</numerusform>
            <numerusform>No se pudieron leer %n archivos.</numerusform>
        </translation>
    </message>
</context>
</TS>
