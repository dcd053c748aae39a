#!/usr/bin/env bash
# The window's longest stop as another program sees it (bench_ping), while a
# 4,000 x 3,000 picture of noise is dragged into another program and while
# its copy is read from the clipboard at once, under Xvfb and openbox.
# Usage: window-stalls.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-3}
if [ -z "${STALLS_DISPLAY_READY:-}" ]; then
    STALLS_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$0" "$@"
fi
source "$(dirname "$0")/../tests/e2e/large-picture.sh"
scratch=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
wait_for_window() {
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}
openbox >/dev/null 2>&1 &
pids+=($!)
make_noise_clipping "$scratch/Noise.pictClipping"
"$build/app/scrivlette" "$scratch/Noise.pictClipping" 2>/dev/null &
pids+=($!)
window=$(wait_for_window '^Scrivlette')
xdotool windowmove --sync "$window" 0 0
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
row_x=$((X + 60)) row_y=$((Y + 45))

for run in $(seq "$runs"); do
    "$build/tests/drop_probe" >"$scratch/dropped" 2>/dev/null &
    probe=$(wait_for_window '^Drop Probe$')
    xdotool windowmove --sync "$probe" 960 100 windowactivate --sync "$probe"
    sleep 0.5
    "$build/bench/bench_ping" "$window" 6 >"$scratch/ping" &
    ping=$!
    drag_to_probe "$row_x" "$row_y"
    wait "$ping" || true
    echo "drag $run, $(cat "$scratch/dropped" | head -1): $(cat "$scratch/ping")"

    xdotool windowactivate --sync "$window"
    sleep 0.5
    "$build/bench/bench_ping" "$window" 4 >"$scratch/ping" &
    ping=$!
    sleep 0.2
    xdotool key ctrl+c
    xclip -o -selection clipboard -t image/png | wc -c >"$scratch/copied"
    wait "$ping" || true
    echo "clipboard $run, $(cat "$scratch/copied") bytes read at once: $(cat "$scratch/ping")"
done
