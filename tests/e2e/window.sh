#!/usr/bin/env bash
# The window as a person uses it, under Xvfb with real keys, the real
# clipboard and the desktop's own URL handler: a Formatted selection copied
# as the reader sees it, the Text | Formatted choice read at launch, every
# failing file listed by Details, Open Link handing web addresses (and only
# those) to the desktop, and packages written with the umask's modes.
# Usage: window.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
source "$(dirname "$0")/on-display.sh"
build=$(realpath "$1")
real=$(realpath "$2")
scratch=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "window: $*" >&2; grep -v XDG_RUNTIME "$scratch/stderr" >&2 2>/dev/null; exit 1; }
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
mkdir -p "$XDG_CONFIG_HOME/scrivlette" "$XDG_DATA_HOME/applications"

wait_for_window() {
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
launch() {
    "$build/app/scrivlette" "$@" 2>>"$scratch/stderr" &
    pid=$!
    window=$(wait_for_window '^Scrivlette') || fail "no window for $*"
    sleep 1
    xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}
quit() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=; }

# The choice of Formatted, as a previous launch saved it, holds; a selection
# in the web archive's Formatted view reaches the clipboard without U+FFFC.
printf '[DetailPane]\nformatted=true\n' >"$XDG_CONFIG_HOME/scrivlette/Scrivlette.conf"
launch "$real/Rich web text.textClipping"
xdotool key Down Down Down # the first Down selects row 1; the third row: the web archive
sleep 2
xdotool mousemove $((X + 600)) $((Y + 250)) click 1
xdotool key ctrl+a ctrl+c
copied=
for _ in $(seq 50); do
    copied=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ -n "$copied" ] && break
    sleep 0.1
done
[ "$(tr -d '[:space:]' <<<"$copied")" = index.html ] || fail "the Formatted selection copied as: $copied"
xclip -o -selection clipboard | od -An -tx1 | tr -d ' \n' | grep -q efbfbc && fail 'U+FFFC was copied'
quit

# Four files that do not read: all are listed by Details.
printf 'bplist00' >"$scratch/Cut.textClipping"
launch "$real/Notes.textClipping" "$real/PROVENANCE.md" "$scratch/none.webloc" \
    "$scratch/Cut.textClipping" "$real/SHA256SUMS"
xdotool mousemove $((X + WIDTH - 50)) $((Y + HEIGHT - 12)) click 1
wait_for_window '^Files Not Read$' >/dev/null || fail 'Details showed no list of the files not read'
quit

# Open Link hands a web address to the desktop's handler, and a file: address
# to nobody.
cat >"$scratch/browser.sh" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$scratch/opened"
SCRIPT
chmod +x "$scratch/browser.sh"
printf '[Desktop Entry]\nType=Application\nName=Test Browser\nExec=%s %%u\nMimeType=x-scheme-handler/http;x-scheme-handler/file;\n' \
    "$scratch/browser.sh" >"$XDG_DATA_HOME/applications/test-browser.desktop"
xdg-mime default test-browser.desktop x-scheme-handler/http
xdg-mime default test-browser.desktop x-scheme-handler/file
open_link() {
    launch "$1"
    xdotool key space Menu # select the row, then its context menu
    sleep 0.5
    xdotool key Up Return # the menu's last item
    for _ in $(seq 30); do
        [ -s "$scratch/opened" ] && [ "$1" = "$real/Donate.webloc" ] && break
        sleep 0.1
    done
    sleep 1
    quit
}
open_link "$real/Donate.webloc"
[ "$(cat "$scratch/opened" 2>/dev/null)" = http://cyberduck.ch/donate/ ] ||
    fail "Open Link opened: $(cat "$scratch/opened" 2>/dev/null)"
printf '<?xml version="1.0"?><plist version="1.0"><dict><key>URL</key><string>file:///etc/passwd</string></dict></plist>' \
    >"$scratch/Local.webloc"
open_link "$scratch/Local.webloc"
[ "$(wc -l <"$scratch/opened")" -eq 1 ] || fail 'a file: address was opened'

# Opened as a web location (the Open Web Location entry), the address goes
# to the browser with no window; one of another kind opens the window.
: >"$scratch/opened"
timeout 30 "$build/app/scrivlette" --open-location "$real/Donate.webloc" 2>>"$scratch/stderr" ||
    fail '--open-location of a web address did not end by itself'
for _ in $(seq 50); do [ -s "$scratch/opened" ] && break; sleep 0.1; done
[ "$(cat "$scratch/opened")" = http://cyberduck.ch/donate/ ] ||
    fail "--open-location opened: $(cat "$scratch/opened")"
"$build/app/scrivlette" --open-location "$scratch/Local.webloc" 2>>"$scratch/stderr" &
pid=$!
wait_for_window '^Scrivlette Local.webloc$' >/dev/null || fail 'a file: location opened no window'
quit
[ "$(wc -l <"$scratch/opened")" -eq 1 ] || fail '--open-location opened a file: address'

# A click on the first row, sent the moment the window maps while a 50 MB
# clipping is still being read, selects that row once it is there.
/usr/bin/python3 -c "
import plistlib, sys
entries = {'public.utf16-plain-text': b'a\\x00' * 10, 'public.utf8-plain-text': 'x' * 50_000_000}
open(sys.argv[1], 'wb').write(plistlib.dumps({'UTI-Data': entries}, fmt=plistlib.FMT_BINARY))
" "$scratch/Big.textClipping"
for attempt in 1 2 3; do
    "$build/app/scrivlette" "$scratch/Big.textClipping" 2>>"$scratch/stderr" &
    pid=$!
    window=$(wait_for_window '^Scrivlette') || fail 'no window for the large clipping'
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 60)) $((Y + 70)) click 1
    sleep 3
    import -window "$window" "$scratch/clicked.png"
    quit
    [ "$(convert "$scratch/clicked.png" -crop 1x1+200+66 -format '%[fx:mean]' info:)" != 1 ] ||
        fail "a click on a fresh row was lost (attempt $attempt)"
done

# A package is written with the modes the umask allows, not the archive's.
(umask 022 && "$build/cli/scrivlette-cli" write --entry 4 --output "$scratch/Out.rtfd" \
    "$real/Rich web text.textClipping")
modes=$(find "$scratch/Out.rtfd" -type f -printf '%m\n' | sort -u)
[ "$modes" = 644 ] || fail "files in the written package have modes $modes"
echo "window: Formatted copy, kept choice, Details, Open Link, Open Web Location, a click on a fresh row and package modes as a person meets them"
