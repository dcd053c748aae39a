# Sourced by the scripts that move a large picture between programs
# (tests/e2e/transfers.sh, bench/window-stalls.sh).

# Writes a picture clipping at $1 holding a 4,000 x 3,000 TIFF of noise,
# whose PNG is larger than one X11 request may carry.
make_noise_clipping() {
    local tiff=$1.tiff
    convert -size 4000x3000 xc: +noise Random -depth 8 -compress none "$tiff"
    /usr/bin/python3 -c '
import plistlib, sys
with open(sys.argv[2], "wb") as out:
    plistlib.dump({"UTI-Data": {"public.tiff": open(sys.argv[1], "rb").read()}}, out,
                  fmt=plistlib.FMT_BINARY)
' "$tiff" "$1"
    rm -f "$tiff"
}

# Drags from ($1, $2) to the drop probe at the right of the screen, in steps
# as a hand does, and lets go.
drag_to_probe() {
    xdotool mousemove "$1" "$2" mousedown 1
    for step in $(seq 12); do
        xdotool mousemove $(($1 + step * 90)) $(($2 + step * 15))
        sleep 0.05
    done
    xdotool mousemove 1110 260 sleep 0.3 mousemove 1115 265 sleep 0.3 mouseup 1
}
