#!/usr/bin/env bash
# Opens clippings as a Linux desktop hands them over: named on the command
# line, and through the installed desktop entry with `gio open`, as a file
# manager's double-click does. Checks the title the window system shows.
# Usage: open.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
source "$(dirname "$0")/on-display.sh"
build=$(realpath "$1")
real=$(realpath "$2")
scratch=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; pkill -f "$scratch/prefix/bin/scrivlette" 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "open: $*" >&2; exit 1; }
# Waits for a window whose _NET_WM_NAME is exactly $1; prints its id.
wait_for_title() {
    for _ in $(seq 300); do
        for window in $(xdotool search --onlyvisible --name '^Scrivlette' 2>/dev/null); do
            title=$(xprop -id "$window" _NET_WM_NAME 2>/dev/null |
                sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
            [ "$title" = "$1" ] && { echo "$window"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache

# Two files selected together open in one window, read in the order given.
"$build/app/scrivlette" "$real/Notes.textClipping" "$real/PLAY_ME.webloc" 2>/dev/null &
pid=$!
window=$(wait_for_title "Scrivlette PLAY_ME.webloc") ||
    fail 'files named on the command line did not open'
# Alt+Right and Alt+Left step through the folder of the file read last.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+Right
wait_for_title "Scrivlette README.textClipping" >/dev/null || fail 'Alt+Right did not step on'
xdotool key --clearmodifiers alt+Left
wait_for_title "Scrivlette PLAY_ME.webloc" >/dev/null || fail 'Alt+Left did not step back'
xdotool key --clearmodifiers alt+Left
wait_for_title "Scrivlette Picture clipping.pictClipping" >/dev/null || fail 'Alt+Left did not step back'
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=

# The desktop entry and file types, installed for this user only.
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_DATA_HOME/mime/packages" "$XDG_CONFIG_HOME"
sed "s|^Exec=scrivlette|Exec=$scratch/prefix/bin/scrivlette|" \
    "$scratch/prefix/share/applications/io.github.scrivlette.Scrivlette.desktop" \
    >"$XDG_DATA_HOME/applications/io.github.scrivlette.Scrivlette.desktop"
cp "$scratch/prefix/share/mime/packages/io.github.scrivlette.Scrivlette.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime" >/dev/null
update-desktop-database "$XDG_DATA_HOME/applications" >/dev/null
[ "$(gio info -a standard::content-type "$real/Text.textClipping" | sed -n 's/^ *standard::content-type: //p')" = \
    application/x-apple-textclipping ] || fail 'the desktop does not know .textClipping'

cp "$real/Text.textClipping" "$scratch/Mein Clip.textClipping"
gio open "$scratch/Mein Clip.textClipping"
wait_for_title "Scrivlette Mein Clip.textClipping" >/dev/null ||
    fail 'gio open did not hand the file to Scrivlette'
echo "open: command line and desktop entry both open files, titled as given; Go steps through the folder"
