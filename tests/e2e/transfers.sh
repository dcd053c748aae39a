#!/usr/bin/env bash
# A 4,000 x 3,000 picture of noise, whose PNG is larger than one X11 request
# may carry, under a real window manager: dragged into another program (a
# small Qt one) and read from the clipboard by xclip. Both get the whole
# picture and the window lives on.
# Usage: transfers.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/on-display.sh"
source "$(dirname "$0")/large-picture.sh"
build=$(realpath "$1")
scratch=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "transfers: $*" >&2; grep -v XDG_RUNTIME "$scratch/stderr" >&2 2>/dev/null; exit 1; }
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
limit=$(xdpyinfo | awk '/maximum request size/ { print $4 }')

wait_for_window() {
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
alive() { kill -0 "$app" 2>/dev/null || fail "the window ended: $1"; }

openbox >/dev/null 2>&1 &
pids+=($!)
make_noise_clipping "$scratch/Noise.pictClipping"

"$build/app/scrivlette" "$scratch/Noise.pictClipping" 2>>"$scratch/stderr" &
app=$!
pids+=($app)
window=$(wait_for_window '^Scrivlette') || fail 'no window'
"$build/tests/drop_probe" >"$scratch/dropped" 2>>"$scratch/stderr" &
pids+=($!)
probe=$(wait_for_window '^Drop Probe$') || fail 'no drop probe'
# Side by side: the list's first row at the left, the probe at the right.
xdotool windowmove --sync "$window" 0 0 windowmove --sync "$probe" 960 100
xdotool windowactivate --sync "$probe"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
row_x=$((X + 60)) row_y=$((Y + 45))

drag_to_probe "$row_x" "$row_y"
for _ in $(seq 100); do
    grep -q '^image/png' "$scratch/dropped" && break
    sleep 0.1
done
alive 'after the drop'
read -r _ bytes size < <(grep '^image/png' "$scratch/dropped") || fail 'the drop delivered no PNG'
[ "$size" = 4000x3000 ] || fail "the dropped PNG decodes as $size"
[ "$bytes" -gt "$limit" ] || fail "the PNG ($bytes bytes) fits one request ($limit): no test"

# The same picture copied, and read at once by another program.
xdotool windowactivate --sync "$window"
xdotool key ctrl+c
xclip -o -selection clipboard -t image/png >"$scratch/copied.png" || fail 'xclip read nothing'
[ "$(identify -format %wx%h "$scratch/copied.png")" = 4000x3000 ] || fail 'the copied PNG does not decode'
alive 'after the clipboard read'
