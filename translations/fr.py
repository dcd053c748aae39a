# French, in the words GNOME and KDE use (see glossary_fr.md).
TEXTS = {
    "Scrivlette": "Scrivlette",
    "Help Window": "Fenêtre d’aide",
    "&File": "&Fichier",
    "&Close Window": "&Fermer la fenêtre",
    "&Quit": "&Quitter",
    "&Edit": "É&dition",
    "Copy": "Copier",
    "&View": "&Affichage",
    "&Go": "A&ller",
    "&Help": "Ai&de",
    "Scrivlette Help": "Aide de Scrivlette",
    " Size: ": " Taille : ",
    "damaged: the file ends early, at byte %1": "endommagé : le fichier s’arrête trop tôt, à l’octet %1",
    "damaged at byte %1": "endommagé à l’octet %1",
    "not a clipping file": "pas un fichier coupure",
    "no permission to read it": "pas la permission de le lire",
    "it is not there any more": "il n’existe plus",
    "not a file": "pas un fichier",
    "not a file on this computer": "pas un fichier de cet ordinateur",
    "damaged: its content cannot be read": "endommagé : son contenu est illisible",
    "empty, and no companion file holds its content":
        "vide, et aucun fichier compagnon ne contient son contenu",
    "damaged: the file ends early": "endommagé : le fichier s’arrête trop tôt",
    "damaged: not laid out as a clipping": "endommagé : pas organisé comme une coupure",
    "Could not read %1: %2": "Impossible de lire %1 : %2",
    "%1 (%2)": "%1 (%2)",
    "%1 of %n file(s) could not be read: %2": [
        "Impossible de lire %1 fichier sur %n : %2",
        "Impossible de lire %1 des %n fichiers : %2",
    ],
    "Wrote %1": "%1 écrit",
    "Nothing written: %1": "Rien n’a été écrit : %1",
    "Could not write %1: %2": "Impossible d’écrire %1 : %2",
    "Not opened: %1 is not a web or mail address, and only those open with a click.":
        "Non ouvert : %1 n’est pas une adresse web ou de courriel, et seules celles-ci s’ouvrent d’un clic.",
    "Shows what is inside macOS clipping files (.textClipping, .pictClipping) and internet "
    "locations (.webloc, .mailloc).\nQt's standard options (-style, -platform, -reverse, ...) "
    "are accepted too.":
        "Montre le contenu des fichiers coupures de macOS (.textClipping, .pictClipping) et des "
        "adresses Internet (.webloc, .mailloc).\nLes options standard de Qt (-style, -platform, "
        "-reverse…) sont aussi acceptées.",
    "Show this help.": "Afficher cette aide.",
    "Open the address of each web or mail location in the desktop's browser or mail program, "
    "as the Finder does; other files open in the window.":
        "Ouvrir l’adresse de chaque lien web ou de courriel dans le navigateur ou le logiciel de "
        "courriel du bureau, comme le Finder ; les autres fichiers s’ouvrent dans la fenêtre.",
    "Clipping files to open, read together as one drop.":
        "Fichiers coupures à ouvrir, lus ensemble comme un seul dépôt.",
    "Write Clip to File": "Écrire la coupure dans un fichier",
    "Write clipping contents to a new file.": "Écrire le contenu de la coupure dans un nouveau fichier.",
    "Write Clip to File…": "Écrire la coupure dans un fichier…",
    "Open Link": "Ouvrir le lien",
    "Open the address in your browser or mail program.":
        "Ouvrir l’adresse dans votre navigateur ou votre logiciel de courriel.",
    "Toolbar": "Barre d’outils",
    "Opened %1": "%1 ouvert",
    "Could not open %1: no program for it": "Impossible d’ouvrir %1 : aucun programme pour cela",
    "Select All": "Tout sélectionner",
    "Drop clipping files here, or choose File > Open.":
        "Déposez des fichiers coupures ici, ou choisissez Fichier > Ouvrir.",
    "Select an entry first.": "Sélectionnez d’abord une entrée.",
    "Nothing selected.": "Rien de sélectionné.",
    "Text": "Texte",
    "Formatted": "Mis en forme",
    "From %1": "De %1",
    "From %1, which is no longer open": "De %1, qui n’est plus ouvert",
    "Decoding the picture…": "Décodage de l’image…",
    "&Open…": "&Ouvrir…",
    "&Next Clipping": "Coupure &suivante",
    "&Previous Clipping": "Coupure &précédente",
    "Open a clipping first: Go steps through its folder.":
        "Ouvrez d’abord une coupure : Aller parcourt son dossier.",
    "This is the last clipping in the folder.": "C’est la dernière coupure du dossier.",
    "This is the first clipping in the folder.": "C’est la première coupure du dossier.",
    "Open Clippings": "Ouvrir des coupures",
    "Clippings (*.textClipping *.pictClipping *.webloc *.mailloc)":
        "Coupures (*.textClipping *.pictClipping *.webloc *.mailloc)",
    "All files (*)": "Tous les fichiers (*)",
    "This entry cannot be shown formatted: %1": "Cette entrée ne peut pas être affichée mise en forme : %1",
    "Details…": "Détails…",
    "Every file that could not be read, and why.": "Chaque fichier qui n’a pas pu être lu, et pourquoi.",
    "Files Not Read": "Fichiers non lus",
    "%n file(s) could not be read.": [
        "%n fichier n’a pas pu être lu.",
        "%n fichiers n’ont pas pu être lus.",
    ],
}
