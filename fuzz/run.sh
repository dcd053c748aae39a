#!/usr/bin/env bash
# Runs one property-list fuzzer, seeded from the test fixtures and the real
# files beside the repository.
# Usage: fuzz/run.sh binary|xml|openstep|any|flat-rtfd|rtf|fork|pict|pict-full|jpeg|png|tiff|thumbnail [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
format=${1:?binary, xml, openstep or any}
seconds=${2:-600}
corpus=fuzz/corpus-$format
mkdir -p "$corpus" fuzz/artifacts
shopt -s nullglob
case $format in
    binary) seeds=(tests/fixtures/plistlib/*.binary.plist ../shared/testdata/real/*.textClipping ../shared/testdata/real/*.pictClipping) ;;
    xml) seeds=(tests/fixtures/plistlib/*.xml.plist ../shared/testdata/real/*.webloc) ;;
    openstep) seeds=(fuzz/seeds/openstep/*) ;;
    rtf) seeds=(fuzz/seeds/rtf/*) ;;
    fork) seeds=(fuzz/seeds/fork/*) ;;
    jpeg|png|tiff) seeds=(fuzz/seeds/$format/*) ;;
    thumbnail)
        # Each file behind the byte that names its kind: text, picture, web, mail.
        for file in ../shared/testdata/real/*.textClipping ../shared/testdata/real/*.pictClipping \
            ../shared/testdata/real/*.webloc; do
            case $file in *.textClipping) kind='\x00' ;; *.pictClipping) kind='\x01' ;; *) kind='\x02' ;; esac
            { printf "$kind"; cat "$file"; } >"$corpus/$(basename "$file")"
        done
        seeds=() ;;
    flat-rtfd) seeds=(../shared/testdata/real/stickies-note.flat-rtfd fuzz/seeds/flat-rtfd/*) ;;
    pict|pict-full)
        # Drawings of random valid opcodes, and the real pictures taken out
        # of their clippings, for this run only.
        fuzz/make_pict_seeds.py "$corpus" 300
        python3 - "$corpus" ../shared/testdata/real/*.pictClipping ../shared/testdata/pict/*.pictClipping <<'PY'
import plistlib, sys, pathlib
for index, name in enumerate(sys.argv[2:]):
    with open(name, 'rb') as clipping:
        pict = plistlib.load(clipping)['UTI-Data'].get('com.apple.pict')
    if pict:
        pathlib.Path(sys.argv[1], f'real-{index}.pict').write_bytes(pict)
PY
        seeds=(fuzz/seeds/pict/*) ;;
    *) seeds=(tests/fixtures/plistlib/* ../shared/testdata/real/* fuzz/seeds/openstep/*) ;;
esac
for seed in "${seeds[@]}"; do
    cp -n "$seed" "$corpus/" 2>/dev/null || true
done
target=fuzz_plist_$format
[ "$format" = flat-rtfd ] && target=fuzz_flat_rtfd
[ "$format" = rtf ] && target=fuzz_rtf
[ "$format" = fork ] && target=fuzz_fork
max_len=65536
malloc=2048
timeout=10
case $format in
    # Pictures of up to 64 KB must keep to 256 MB and 2 s: no one allocation
    # may pass 300 MB, and the sanitizers double the time. (The process as a
    # whole holds more: AddressSanitizer keeps freed memory in quarantine.)
    pict|jpeg|png|tiff|thumbnail) target=fuzz_$format malloc=300 timeout=4 ;;
    pict-full) target=fuzz_pict_full malloc=300 timeout=4 ;;
esac
exec build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" \
    -max_len="$max_len" -rss_limit_mb=2048 -malloc_limit_mb="$malloc" -timeout="$timeout" -artifact_prefix=fuzz/artifacts/"$format"- \
    -print_final_stats=1
