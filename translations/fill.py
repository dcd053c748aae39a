#!/usr/bin/env python3
"""Writes the translations in translations/LANG.py into scrivlette_LANG.ts.

The round: lupdate.sh LUPDATE scrivlette_LANG.ts, then fill.py LANG, then
lupdate.sh once more, so the file is in lupdate's own layout
(tests/translations.sh compares).

   fill.py LANG    (after lupdate has brought the .ts up to date)

Each LANG.py holds TEXTS, a dict from the English source text to its
translation (a list of forms for texts with %n), so the words live in one
reviewable place beside the glossary."""
import runpy
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

here = Path(__file__).resolve().parent
language = sys.argv[1]
texts = runpy.run_path(str(here / f"{language}.py"))["TEXTS"]
path = here / f"scrivlette_{language}.ts"
tree = ElementTree.parse(path)
missing = []
for message in tree.getroot().iter("message"):
    source = message.find("source").text
    translation = message.find("translation")
    if source not in texts:
        missing.append(source)
        continue
    wanted = texts[source]
    translation.attrib.pop("type", None)
    translation.text = None
    for form in list(translation):
        translation.remove(form)
    if message.get("numerus") == "yes":
        for form in wanted if isinstance(wanted, list) else [wanted]:
            ElementTree.SubElement(translation, "numerusform").text = form
    else:
        translation.text = wanted
tree.write(path, encoding="utf-8", xml_declaration=True)
if missing:
    sys.exit("untranslated: " + "; ".join(missing))
