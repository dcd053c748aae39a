# German, in the words GNOME and KDE use (see glossary_de.md).
TEXTS = {
    "Scrivlette": "Scrivlette",
    "Help Window": "Hilfefenster",
    "&File": "&Datei",
    "&Close Window": "Fenster &schließen",
    "&Quit": "&Beenden",
    "&Edit": "&Bearbeiten",
    "Copy": "Kopieren",
    "&View": "&Ansicht",
    "&Go": "&Gehe zu",
    "&Help": "&Hilfe",
    "Scrivlette Help": "Scrivlette-Hilfe",
    " Size: ": " Größe: ",
    "damaged: the file ends early, at byte %1": "beschädigt: die Datei endet vorzeitig, bei Byte %1",
    "damaged at byte %1": "beschädigt bei Byte %1",
    "not a clipping file": "keine Clipping-Datei",
    "no permission to read it": "keine Berechtigung zum Lesen",
    "it is not there any more": "sie ist nicht mehr vorhanden",
    "not a file": "keine Datei",
    "not a file on this computer": "keine Datei auf diesem Rechner",
    "damaged: its content cannot be read": "beschädigt: ihr Inhalt ist nicht lesbar",
    "empty, and no companion file holds its content":
        "leer, und keine Begleitdatei enthält ihren Inhalt",
    "damaged: the file ends early": "beschädigt: die Datei endet vorzeitig",
    "damaged: not laid out as a clipping": "beschädigt: nicht wie ein Clipping aufgebaut",
    "Could not read %1: %2": "%1 konnte nicht gelesen werden: %2",
    "%1 (%2)": "%1 (%2)",
    "%1 of %n file(s) could not be read: %2": [
        "%1 von %n Datei nicht lesbar: %2",
        "%1 von %n Dateien nicht lesbar: %2",
    ],
    "Wrote %1": "%1 geschrieben",
    "Nothing written: %1": "Nichts geschrieben: %1",
    "Could not write %1: %2": "%1 konnte nicht geschrieben werden: %2",
    "Not opened: %1 is not a web or mail address, and only those open with a click.":
        "Nicht geöffnet: %1 ist keine Web- oder E-Mail-Adresse, und nur diese öffnen sich per Klick.",
    "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet "
    "locations (.webloc, .mailloc).\nQt's standard options (-style, -platform, -reverse, ...) "
    "are accepted too.":
        "Zeigt, was in macOS-Clipping-Dateien (.textClipping, .pictClipping) und "
        "Internetadressen (.webloc, .mailloc) steckt.\nDie Standardoptionen von Qt (-style, "
        "-platform, -reverse, ...) werden ebenfalls angenommen.",
    "Show this help.": "Diese Hilfe anzeigen.",
    "Open the address of each web or mail location in the desktop's browser or mail program, "
    "as the Finder does; other files open in the window.":
        "Die Adresse jedes Web- oder E-Mail-Verweises im Browser oder E-Mail-Programm der "
        "Arbeitsumgebung öffnen, wie es der Finder tut; andere Dateien öffnen sich im Fenster.",
    "Clipping files to open, read together as one drop.":
        "Zu öffnende Clipping-Dateien, zusammen gelesen wie ein Ablegen.",
    "Write Clip to File": "Clip in Datei schreiben",
    "Write clipping contents to a new file.": "Den Inhalt des Clippings in eine neue Datei schreiben.",
    "Write Clip to File…": "Clip in Datei schreiben …",
    "Open Link": "Link öffnen",
    "Open the address in your browser or mail program.":
        "Die Adresse im Browser oder E-Mail-Programm öffnen.",
    "Toolbar": "Werkzeugleiste",
    "Opened %1": "%1 geöffnet",
    "Could not open %1: no program for it": "%1 konnte nicht geöffnet werden: kein Programm dafür",
    "Select All": "Alles auswählen",
    "Drop clipping files here, or choose File > Open.":
        "Clipping-Dateien hier ablegen oder Datei > Öffnen wählen.",
    "Select an entry first.": "Wählen Sie zuerst einen Eintrag.",
    "Nothing selected.": "Nichts ausgewählt.",
    "Text": "Text",
    "Formatted": "Formatiert",
    "From %1": "Aus %1",
    "From %1, which is no longer open": "Aus %1, das nicht mehr geöffnet ist",
    "Decoding the picture…": "Das Bild wird dekodiert …",
    "&Open…": "Ö&ffnen …",
    "&Next Clipping": "&Nächstes Clipping",
    "&Previous Clipping": "&Vorheriges Clipping",
    "Open a clipping first: Go steps through its folder.":
        "Öffnen Sie zuerst ein Clipping: „Gehe zu“ geht seinen Ordner durch.",
    "This is the last clipping in the folder.": "Dies ist das letzte Clipping im Ordner.",
    "This is the first clipping in the folder.": "Dies ist das erste Clipping im Ordner.",
    "Open Clippings": "Clippings öffnen",
    "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)":
        "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)",
    "All files (*)": "Alle Dateien (*)",
    "This entry cannot be shown formatted: %1": "Dieser Eintrag kann nicht formatiert angezeigt werden: %1",
    "Details…": "Details …",
    "Every file that could not be read, and why.": "Jede Datei, die nicht gelesen werden konnte, und warum.",
    "Files Not Read": "Nicht gelesene Dateien",
    "%n file(s) could not be read.": [
        "%n Datei konnte nicht gelesen werden.",
        "%n Dateien konnten nicht gelesen werden.",
    ],
}
