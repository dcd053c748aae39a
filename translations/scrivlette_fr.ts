<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Format RTF</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Web Archive</source>
        <translation>Archive web</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>Format RTF avec pièces jointes</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>Image PICT</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Texte brut</translation>
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
        <translation>Fenêtre d’aide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>A&amp;ller</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Aide de Scrivlette</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> Taille : </translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>endommagé : le fichier s’arrête trop tôt, à l’octet %1</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>endommagé à l’octet %1</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>pas un fichier coupure</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>pas la permission de le lire</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>il n’existe plus</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>pas un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>endommagé : son contenu est illisible</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>vide, et aucun fichier compagnon ne contient son contenu</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>endommagé : le fichier s’arrête trop tôt</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>endommagé : pas organisé comme une coupure</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>Impossible de lire %1 fichier sur %n : %2</numerusform>
            <numerusform>Impossible de lire %1 des %n fichiers : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 écrit</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>Rien n’a été écrit : %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>Non ouvert : %1 n’est pas une adresse web ou de courriel, et seules celles-ci s’ouvrent d’un clic.</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>Texte brut, UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>Texte brut, UTF-16 avec indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>Texte brut, UTF-16 petit-boutiste</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>Texte brut, Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>Adresse web ou de courriel</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Texte enrichi (RTF)</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>Page web (HTML)</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>Archive web</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>Texte enrichi avec pièces jointes (RTFD)</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>Image PICT</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>Adresse de fichier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>Montre le contenu des fichiers coupures de macOS (.textClipping, .pictClipping) et des adresses Internet (.webloc, .mailloc).
Les options standard de Qt (-style, -platform, -reverse…) sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>Ouvrir l’adresse de chaque lien web ou de courriel dans le navigateur ou le logiciel de courriel du bureau, comme le Finder ; les autres fichiers s’ouvrent dans la fenêtre.</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>Fichiers coupures à ouvrir, lus ensemble comme un seul dépôt.</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 Essayez «&#xa0;scrivlette --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1, %2 octet</numerusform>
            <numerusform>%1, %2 octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ContentView</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Write Clip to File</source>
        <translation>Écrire la coupure dans un fichier</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>Écrire le contenu de la coupure dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>Écrire la coupure dans un fichier…</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>Ouvrir l’adresse dans votre navigateur ou votre logiciel de courriel.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>Impossible d’ouvrir %1 : aucun programme pour cela</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>Déposez des fichiers coupures ici, ou choisissez Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>Sélectionnez d’abord une entrée.</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>Rien de sélectionné.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Mis en forme</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>De %1, qui n’est plus ouvert</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>Décodage de l’image…</translation>
    </message>
</context>
<context>
    <name>scrivlette::FileNavigation</name>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Next Clipping</source>
        <translation>Coupure &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>Coupure &amp;précédente</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>Ouvrez d’abord une coupure : Aller parcourt son dossier.</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>C’est la dernière coupure du dossier.</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>C’est la première coupure du dossier.</translation>
    </message>
    <message>
        <source>Open Clippings</source>
        <translation>Ouvrir des coupures</translation>
    </message>
    <message>
        <source>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</source>
        <translation>Coupures (*.textClipping *.pictClipping *.webloc *.mailloc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>Cette entrée ne peut pas être affichée mise en forme : %1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>Chaque fichier qui n’a pas pu être lu, et pourquoi.</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>Fichiers non lus</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n fichier n’a pas pu être lu.</numerusform>
            <numerusform>%n fichiers n’ont pas pu être lus.</numerusform>
        </translation>
    </message>
</context>
</TS>
