<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ContentType</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
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
        <translation>Webarchiv</translation>
    </message>
    <message>
        <source>Rich Text Format with Attachments</source>
        <translation>Rich Text Format mit Anhängen</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>PICT Image</source>
        <translation>PICT-Bild</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
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
        <translation>Hilfefenster</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>Fenster &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
</context>
<context>
    <name>QMenuBar</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Scrivlette Help</source>
        <translation>Scrivlette-Hilfe</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> Size: </source>
        <translation> Größe: </translation>
    </message>
    <message>
        <source>damaged: the file ends early, at byte %1</source>
        <translation>beschädigt: die Datei endet vorzeitig, bei Byte %1</translation>
    </message>
    <message>
        <source>damaged at byte %1</source>
        <translation>beschädigt bei Byte %1</translation>
    </message>
    <message>
        <source>not a clipping file</source>
        <translation>keine Clipping-Datei</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>keine Berechtigung zum Lesen</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>sie ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not a file on this computer</source>
        <translation>keine Datei auf diesem Rechner</translation>
    </message>
    <message>
        <source>damaged: its content cannot be read</source>
        <translation>beschädigt: ihr Inhalt ist nicht lesbar</translation>
    </message>
    <message>
        <source>empty, and no companion file holds its content</source>
        <translation>leer, und keine Begleitdatei enthält ihren Inhalt</translation>
    </message>
    <message>
        <source>damaged: the file ends early</source>
        <translation>beschädigt: die Datei endet vorzeitig</translation>
    </message>
    <message>
        <source>damaged: not laid out as a clipping</source>
        <translation>beschädigt: nicht wie ein Clipping aufgebaut</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>%1 von %n Datei nicht lesbar: %2</numerusform>
            <numerusform>%1 von %n Dateien nicht lesbar: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>Nichts geschrieben: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a web or mail address, and only those open with a click.</source>
        <translation>Nicht geöffnet: %1 ist keine Web- oder E-Mail-Adresse, und nur diese öffnen sich per Klick.</translation>
    </message>
</context>
<context>
    <name>Representation</name>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Plain text, UTF-8</source>
        <translation>Reiner Text, UTF-8</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 with byte-order mark</source>
        <translation>Reiner Text, UTF-16 mit Byte-Reihenfolge-Markierung</translation>
    </message>
    <message>
        <source>Plain text, UTF-16 little-endian</source>
        <translation>Reiner Text, UTF-16 Little Endian</translation>
    </message>
    <message>
        <source>Plain text, Mac OS Roman</source>
        <translation>Reiner Text, Mac OS Roman</translation>
    </message>
    <message>
        <source>Web or mail address</source>
        <translation>Web- oder E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Rich text (RTF)</source>
        <translation>Formatierter Text (RTF)</translation>
    </message>
    <message>
        <source>Web page (HTML)</source>
        <translation>Webseite (HTML)</translation>
    </message>
    <message>
        <source>Web archive</source>
        <translation>Webarchiv</translation>
    </message>
    <message>
        <source>Rich text with attachments (RTFD)</source>
        <translation>Formatierter Text mit Anhängen (RTFD)</translation>
    </message>
    <message>
        <source>TIFF picture</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>PICT picture</source>
        <translation>PICT-Bild</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>File address</source>
        <translation>Dateiadresse</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet locations (.webloc, .mailloc).
Qt&apos;s standard options (-style, -platform, -reverse, ...) are accepted too.</source>
        <translation>Zeigt, was in macOS-Clipping-Dateien (.textClipping, .pictClipping) und Internetadressen (.webloc, .mailloc) steckt.
Die Standardoptionen von Qt (-style, -platform, -reverse, ...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Open the address of each web or mail location in the desktop&apos;s browser or mail program, as the Finder does; other files open in the window.</source>
        <translation>Die Adresse jedes Web- oder E-Mail-Verweises im Browser oder E-Mail-Programm der Arbeitsumgebung öffnen, wie es der Finder tut; andere Dateien öffnen sich im Fenster.</translation>
    </message>
    <message>
        <source>Clipping files to open, read together as one drop.</source>
        <translation>Zu öffnende Clipping-Dateien, zusammen gelesen wie ein Ablegen.</translation>
    </message>
    <message>
        <source>%1 Try &apos;scrivlette --help&apos;.</source>
        <translation>%1 Siehe &apos;scrivlette --help&apos;.</translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1, %2 Byte</numerusform>
            <numerusform>%1, %2 Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ContentView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Write Clip to File</source>
        <translation>Clip in Datei schreiben</translation>
    </message>
    <message>
        <source>Write clipping contents to a new file.</source>
        <translation>Den Inhalt des Clippings in eine neue Datei schreiben.</translation>
    </message>
    <message>
        <source>Write Clip to File…</source>
        <translation>Clip in Datei schreiben …</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Open the address in your browser or mail program.</source>
        <translation>Die Adresse im Browser oder E-Mail-Programm öffnen.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Could not open %1: no program for it</source>
        <translation>%1 konnte nicht geöffnet werden: kein Programm dafür</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Drop clipping files here, or choose File &gt; Open.</source>
        <translation>Clipping-Dateien hier ablegen oder Datei &gt; Öffnen wählen.</translation>
    </message>
    <message>
        <source>Select an entry first.</source>
        <translation>Wählen Sie zuerst einen Eintrag.</translation>
    </message>
</context>
<context>
    <name>scrivlette::DetailPane</name>
    <message>
        <source>Nothing selected.</source>
        <translation>Nichts ausgewählt.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Formatiert</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
    <message>
        <source>From %1, which is no longer open</source>
        <translation>Aus %1, das nicht mehr geöffnet ist</translation>
    </message>
    <message>
        <source>Decoding the picture…</source>
        <translation>Das Bild wird dekodiert …</translation>
    </message>
</context>
<context>
    <name>scrivlette::FileNavigation</name>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Next Clipping</source>
        <translation>&amp;Nächstes Clipping</translation>
    </message>
    <message>
        <source>&amp;Previous Clipping</source>
        <translation>&amp;Vorheriges Clipping</translation>
    </message>
    <message>
        <source>Open a clipping first: Go steps through its folder.</source>
        <translation>Öffnen Sie zuerst ein Clipping: „Gehe zu“ geht seinen Ordner durch.</translation>
    </message>
    <message>
        <source>This is the last clipping in the folder.</source>
        <translation>Dies ist das letzte Clipping im Ordner.</translation>
    </message>
    <message>
        <source>This is the first clipping in the folder.</source>
        <translation>Dies ist das erste Clipping im Ordner.</translation>
    </message>
    <message>
        <source>Open Clippings</source>
        <translation>Clippings öffnen</translation>
    </message>
    <message>
        <source>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</source>
        <translation>Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>scrivlette::FormattedView</name>
    <message>
        <source>This entry cannot be shown formatted: %1</source>
        <translation>Dieser Eintrag kann nicht formatiert angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message>
        <source>Details…</source>
        <translation>Details …</translation>
    </message>
    <message>
        <source>Every file that could not be read, and why.</source>
        <translation>Jede Datei, die nicht gelesen werden konnte, und warum.</translation>
    </message>
    <message>
        <source>Files Not Read</source>
        <translation>Nicht gelesene Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden.</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
</context>
</TS>
