#!/usr/bin/env python3
"""Writes the sample clipping files in this folder, shaped like the ones the
macOS Finder makes. Run from this folder: python3 make_samples.py
"""
import plistlib
import struct

TEXT = "Café au lait — “naïve” résumé, 5 € ✓"
ROMAN_TEXT = "Café au lait — “naïve” résumé"  # what Mac OS Roman can hold


def flat_rtfd(name, contents, mtime=1700000000, mode=0o644):
    """A serialized file wrapper: a directory holding one file and its "." info."""
    def u32(value):
        return struct.pack("<I", value)

    def data_object(payload):
        return u32(1) + u32(len(payload)) + payload

    encoded_name = name.encode()
    info = u32(1) + u32(len(encoded_name)) + encoded_name + u32(16) + u32(mtime) + u32(mode) + u32(0) + u32(0)
    keys = [encoded_name, b"."]
    values = [data_object(contents), data_object(info)]
    body = u32(3) + u32(len(keys))
    body += b"".join(u32(len(key)) + key for key in keys)
    body += b"".join(u32(len(value)) for value in values)
    body += b"".join(values)
    return b"rtfd" + u32(0) + body


def tiny_tiff():
    """A 2 by 2 grey image, little-endian, uncompressed."""
    entries = [(256, 3, 1, 2), (257, 3, 1, 2), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
               (273, 4, 1, 8 + 2 + 12 * 8 + 4), (278, 3, 1, 2), (279, 4, 1, 4)]
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        ifd += struct.pack("<HHI", tag, kind, count) + (struct.pack("<HH", value, 0) if kind == 3 else struct.pack("<I", value))
    return b"II*\x00" + struct.pack("<I", 8) + ifd + struct.pack("<I", 0) + bytes([0, 85, 170, 255])


def tiny_pict():
    """A version 2 PICT, without the 512-byte file header: a 2 by 2 grey
    picture as 32-bit direct pixels (DirectBitsRect, unpacked)."""
    frame = struct.pack(">hhhh", 0, 0, 2, 2)
    header = struct.pack(">hhIIhhhhI", -2, 0, 72 << 16, 72 << 16, 0, 0, 2, 2, 0)
    pixmap = struct.pack(">IH", 0xFF, 0x8000 | 8) + frame
    pixmap += struct.pack(">HHIIIHHHHIII", 0, 1, 0, 72 << 16, 72 << 16, 16, 32, 3, 8, 0, 0, 0)
    pixmap += frame + frame + struct.pack(">H", 0)
    pixels = bytes([0, 0, 0, 0, 0, 85, 85, 85, 0, 170, 170, 170, 0, 255, 255, 255])
    body = frame + b"\x00\x11\x02\xff" + b"\x0c\x00" + header + b"\x00\x9a" + pixmap + pixels
    body += b"\x00\xff"
    return struct.pack(">H", 2 + len(body)) + body


def web_archive(html):
    return plistlib.dumps({"WebMainResource": {
        "WebResourceData": html,
        "WebResourceFrameName": "",
        "WebResourceMIMEType": "text/html",
        "WebResourceTextEncodingName": "UTF-8",
        "WebResourceURL": "about:blank",
    }}, fmt=plistlib.FMT_BINARY, sort_keys=False)


def main():
    rtf = ("{\\rtf1\\ansi\\ansicpg1252\\cocoartf2758\n{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;}\n"
           "\\f0\\fs24 Caf\\'e9 au lait \\'97 \\'93na\\'efve\\'94 r\\'e9sum\\'e9, 5 \\u8364 ? \\u10003 ?}")
    html = ("<meta charset=\"UTF-8\"><span style=\"font-family: Helvetica\">" + TEXT + "</span>").encode()
    text = {
        "public.utf8-plain-text": TEXT,
        "public.utf16-plain-text": TEXT.encode("utf-16-le"),
        "public.utf16-external-plain-text": b"\xff\xfe" + TEXT.encode("utf-16-le"),
        "com.apple.traditional-mac-plain-text": ROMAN_TEXT.encode("mac_roman"),
        "public.rtf": rtf,
        "public.html": html,
        "com.apple.webarchive": web_archive(html),
        "com.apple.flat-rtfd": flat_rtfd("TXT.rtf", rtf.encode()),
    }
    with open("Café au lait.textClipping", "wb") as out:
        plistlib.dump({"UTI-Data": text}, out, fmt=plistlib.FMT_BINARY, sort_keys=False)

    with open("Scrivlette notes.textClipping", "wb") as out:
        plistlib.dump({"UTI-Data": {
            "public.utf8-plain-text": "Notes kept in the XML format.\nSecond line.",
            "public.utf16-plain-text": "Notes kept in the XML format.\nSecond line.".encode("utf-16-le"),
        }}, out, fmt=plistlib.FMT_XML, sort_keys=False)

    with open("Example.webloc", "wb") as out:
        plistlib.dump({"URL": "https://example.com/clippings?from=Finder"}, out, fmt=plistlib.FMT_XML)

    with open("Write to us.mailloc", "wb") as out:
        plistlib.dump({"URL": "mailto:hello@example.com"}, out, fmt=plistlib.FMT_BINARY)

    with open("Grey square.pictClipping", "wb") as out:
        plistlib.dump({
            "OSType-Data": {"PICT": tiny_pict()},
            "UTI-Data": {
                "com.adobe.pdf": b"%PDF-1.4\n%%EOF\n",
                "public.tiff": tiny_tiff(),
                "com.apple.pict": tiny_pict(),
            },
        }, out, fmt=plistlib.FMT_BINARY, sort_keys=False)

    with open("not a clipping.txt", "w") as out:
        out.write("An ordinary text file: Scrivlette says it is not a clipping.\n")


if __name__ == "__main__":
    main()
