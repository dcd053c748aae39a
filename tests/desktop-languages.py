#!/usr/bin/env python3
"""Every language the window speaks is spoken by what the desktop shows of
Scrivlette before it runs: the desktop entries' names, comments and keywords,
the MIME types' comments and the AppStream summary and description.

   desktop-languages.py SOURCE_DIR"""
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

source = Path(sys.argv[1])
languages = sorted(
    path.stem.removeprefix("scrivlette_")
    for path in (source / "translations").glob("scrivlette_*.ts")
    if path.stem != "scrivlette_en"
)
resources = source / "resources"
LANG = "{http://www.w3.org/XML/1998/namespace}lang"
missing = []

for entry in resources.glob("*.desktop"):
    keys = dict(re.findall(r"^([\w\[\]@]+)=(.*)$", entry.read_text(encoding="utf-8"), re.M))
    for key in ("Name", "GenericName", "Comment", "Keywords"):
        if key not in keys or keys[key] == "Scrivlette":  # the program's name is its own
            continue
        missing += [f"{entry.name}: {key}[{lang}]" for lang in languages
                    if not keys.get(f"{key}[{lang}]")]


def check(elements, where):
    """Each English element is followed by one in every language."""
    english = [e for e in elements if LANG not in e.attrib]
    for lang in languages:
        found = [e for e in elements if e.get(LANG) == lang and (e.text or "").strip()]
        if len(found) != len(english):
            missing.append(f"{where}: {len(found)} of {len(english)} in {lang}")


mime = ElementTree.parse(resources / "io.github.scrivlette.Scrivlette.xml").getroot()
for mime_type in mime:
    check(mime_type.findall("{*}comment"), f"MIME {mime_type.get('type')} comment")
metainfo = ElementTree.parse(resources / "io.github.scrivlette.Scrivlette.metainfo.xml").getroot()
check(metainfo.findall("summary"), "metainfo summary")
check(metainfo.findall("description/p"), "metainfo description paragraphs")
check(metainfo.findall("description/ul/li"), "metainfo description items")

if len(languages) < 6:
    missing.append(f"only {languages} have translations")
for line in missing:
    print(f"desktop-languages: not translated: {line}", file=sys.stderr)
sys.exit(1 if missing else 0)
