#!/usr/bin/env python3
"""Writes resources/help/Help_LANG.rtf from Help_LANG.txt here.

   make_help.py LANG...

The .txt is the help document's RTF written in UTF-8, as a translator reads
it; RTF itself is 7-bit, so every other character becomes \\uN? here."""
import sys
from pathlib import Path

here = Path(__file__).resolve().parent
out_dir = here.parent.parent / "resources" / "help"
out_dir.mkdir(exist_ok=True)
for language in sys.argv[1:]:
    text = (here / f"Help_{language}.txt").read_text(encoding="utf-8")
    rtf = []
    for character in text:
        code = ord(character)
        if code < 128:
            rtf.append(character)
        elif code < 0x10000:
            rtf.append(f"\\u{code if code < 0x8000 else code - 0x10000}?")
        else:  # outside the BMP: a UTF-16 pair, each signed as RTF wants
            code -= 0x10000
            for unit in (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)):
                rtf.append(f"\\u{unit - 0x10000}?")
    (out_dir / f"Help_{language}.rtf").write_text("".join(rtf), encoding="ascii")
