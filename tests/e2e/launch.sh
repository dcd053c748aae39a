#!/usr/bin/env bash
# Launches the real program on a virtual X display, as a person would meet
# it: the main window alone, titled "Scrivlette ", then the Help window from
# the Help menu; and checks that the screen shows something.
# Usage: launch.sh PROGRAM [SCREENSHOT.png]
set -euo pipefail
source "$(dirname "$0")/on-display.sh"
program=$(realpath "$1")
shot=${2:-$(mktemp -d)/screen.png}
log=$(mktemp)
fail() {
    echo "launch: $*" >&2
    sed 's/^/launch: the program said: /' "$log" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}
# Window settings a user has saved must not shape the test, nor the test theirs.
export XDG_CONFIG_HOME=$(mktemp -d)
# A loaded machine (a sanitizer build, tests in parallel) can take long to start.
wait_for() { # window title regex
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# The title the window system shows, exactly: nothing may be appended to it.
net_wm_name() {
    xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

pid=
status=0
timeout 20 "$program" --frobnicate 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited with $status, not 2"
[ -z "$(xdotool search --name 'Scrivlette' 2>/dev/null)" ] || fail 'an unknown option opened a window'

"$program" 2>"$log" &
pid=$!
main=$(wait_for '^Scrivlette $' | head -n 1) || fail 'no main window titled "Scrivlette "'
[ "$(net_wm_name "$main")" = "Scrivlette " ] || fail "the desktop shows '$(net_wm_name "$main")'"
visible=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r w; do
    [ -n "$(xdotool getwindowname "$w")" ] && echo "$w"; done | wc -l)
[ "$visible" -eq 1 ] || fail "expected one window at launch, saw $visible"

# Help > Scrivlette Help from the keyboard; a slow start (sanitizers) may
# need the menu asked for again.
opened=no
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$main"
    xdotool key --clearmodifiers alt+h
    sleep "$attempt"
    xdotool key Return
    if wait_for '^Help Window$' >/dev/null; then
        opened=yes
        break
    fi
    xdotool key Escape
done
[ "$opened" = yes ] || fail 'the Help menu item opened no Help window'

import -window root "$shot"
colours=$(convert "$shot" -format %k info:)
[ "$colours" -gt 16 ] || fail "the screenshot looks blank ($colours colours)"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "launch: main window, Help window and a screenshot with $colours colours"
