#!/usr/bin/env bash
# Thumbnails as a file manager makes them: GNOME's thumbnail factory, driven
# from Python, finds scrivlette.thumbnailer through XDG_DATA_DIRS and runs the
# thumbnailer in its bubblewrap sandbox, which sees only /usr, the fonts and
# the one file. The installed thumbnailer is put in /usr/local/bin of a
# private mount namespace, so the machine's own /usr is never touched.
# Usage: thumbnails.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
build=$(realpath "$1")
real=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "thumbnails: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir -p "$scratch/prefix/share/mime/packages"
XDG_DATA_DIRS="$scratch/prefix/share:/usr/share" update-mime-database "$scratch/prefix/share/mime" >/dev/null
printf 'not a property list' >"$scratch/Damaged.pictClipping"

cat >"$scratch/factory.py" <<'PY'
import sys, gi
gi.require_version('GnomeDesktop', '3.0')
from gi.repository import GnomeDesktop, Gio, GLib

factory = GnomeDesktop.DesktopThumbnailFactory.new(GnomeDesktop.DesktopThumbnailSize.NORMAL)
failures = 0
for path in sys.argv[1:]:
    info = Gio.File.new_for_path(path).query_info('standard::content-type,time::modified', 0, None)
    uri = Gio.File.new_for_path(path).get_uri()
    mime = info.get_content_type()
    damaged = 'Damaged' in path
    if not factory.can_thumbnail(uri, mime, info.get_attribute_uint64('time::modified')):
        print(f'{path}: no thumbnailer for {mime}'); failures += 1; continue
    try:
        pixbuf = factory.generate_thumbnail(uri, mime, None)
    except GLib.Error as error:
        pixbuf = None
        if not damaged:
            print(f'{path}: {error.message}'); failures += 1
        continue
    if damaged:
        print(f'{path}: a damaged file was given a thumbnail'); failures += 1
    elif not pixbuf or max(pixbuf.get_width(), pixbuf.get_height()) > 128:
        print(f'{path}: thumbnail of the wrong size'); failures += 1
sys.exit(1 if failures else 0)
PY

namespace=(unshare -m --propagation private)
[ "$(id -u)" -eq 0 ] || namespace=(unshare -rm --propagation private)
# A machine that allows neither mount namespaces nor bubblewrap cannot run
# the factory's sandbox at all: say so and skip, rather than fail.
if ! "${namespace[@]}" true 2>/dev/null || ! bwrap --ro-bind / / true 2>/dev/null; then
    echo "thumbnails: skipped: this machine allows no mount namespace or no bubblewrap sandbox"
    exit 77
fi

files=("$real"/*.textClipping "$real"/*.pictClipping "$real"/*.webloc "$scratch/Damaged.pictClipping")
# Behind a wrapper that keeps LeakSanitizer (of a sanitizer build) from
# failing the run where the sandbox denies it what it needs.
"${namespace[@]}" bash -c '
    mount -t tmpfs scrivlette /usr/local/bin &&
    cp "$1/prefix/bin/scrivlette-thumbnailer" /usr/local/bin/scrivlette-thumbnailer.bin &&
    printf "#!/bin/sh\nASAN_OPTIONS=detect_leaks=0 exec /usr/local/bin/scrivlette-thumbnailer.bin \"\$@\"\n" \
        >/usr/local/bin/scrivlette-thumbnailer &&
    chmod +x /usr/local/bin/scrivlette-thumbnailer &&
    shift &&
    XDG_DATA_DIRS="$0/prefix/share:/usr/share" /usr/bin/python3 "$0/factory.py" "$@"
' "$scratch" "$scratch" "${files[@]}" 2>"$scratch/stderr" ||
    fail "GNOME's factory did not make every thumbnail: $(cat "$scratch/stderr")"
