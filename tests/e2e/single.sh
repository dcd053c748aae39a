#!/usr/bin/env bash
# One window per session: on a session bus a second launch hands its files
# to the running program and ends, and the files are read into the one
# window as one opening; the desktop's D-Bus activation of the entry starts
# the program from its service file. (Without a bus every launch keeps its
# window: the other window scripts run so.)
# Usage: single.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
source "$(dirname "$0")/on-display.sh"
build=$(realpath "$1")
real=$(realpath "$2")
if [ -z "${SCRIVLETTE_BUS_READY:-}" ]; then
    scratch=$(mktemp -d)
    export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
    mkdir -p "$XDG_DATA_HOME/dbus-1/services"
    printf '[D-BUS Service]\nName=io.github.scrivlette.Scrivlette\nExec=%s --gapplication-service\n' \
        "$build/app/scrivlette" >"$XDG_DATA_HOME/dbus-1/services/io.github.scrivlette.Scrivlette.service"
    SCRIVLETTE_BUS_READY=$scratch exec dbus-run-session -- bash "$0" "$@"
fi
scratch=$SCRIVLETTE_BUS_READY
trap 'pkill -f "$build/app/scrivlette" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "single: $*" >&2; cat "$scratch/stderr" >&2 2>/dev/null; exit 1; }
title_of() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
wait_for_title() {
    for _ in $(seq 300); do
        for window in $(xdotool search --onlyvisible --name '^Scrivlette' 2>/dev/null); do
            [ "$(title_of "$window")" = "$1" ] && return 0
        done
        sleep 0.1
    done
    return 1
}
running() { pgrep -fc "^$build/app/scrivlette" || true; }

"$build/app/scrivlette" "$real/Notes.textClipping" 2>>"$scratch/stderr" &
wait_for_title 'Scrivlette Notes.textClipping' || fail 'the first launch showed no window'
timeout 20 "$build/app/scrivlette" "$real/Donate.webloc" "$real/PLAY_ME.webloc" 2>>"$scratch/stderr" ||
    fail 'the second launch did not hand over its files and end'
wait_for_title 'Scrivlette PLAY_ME.webloc' || fail 'the running window did not read the handed files'
[ "$(running)" -eq 1 ] || fail "$(running) programs run, not one"
[ "$(xdotool search --onlyvisible --name '^Scrivlette' | wc -l)" -eq 1 ] || fail 'more than one window'
pkill -f "^$build/app/scrivlette"
for _ in $(seq 50); do [ "$(running)" -eq 0 ] && break; sleep 0.1; done

# As the desktop opens a DBusActivatable entry: D-Bus starts the program from
# its service file, then asks it to open the file.
gdbus call --session --dest io.github.scrivlette.Scrivlette --object-path /io/github/scrivlette/Scrivlette \
    --method org.freedesktop.Application.Open "['file://$real/Donate.webloc']" '{}' >/dev/null ||
    fail 'D-Bus activation failed'
wait_for_title 'Scrivlette Donate.webloc' || fail 'the activated program showed no window'
echo "single: a second launch hands its files to the one window; D-Bus activation opens files"
