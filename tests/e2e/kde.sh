#!/usr/bin/env bash
# Dolphin's thumbnails on KDE Frameworks 5: the plugin, built from kde/, is
# loaded as KIO's thumbnail worker loads it (its JSON metadata, its factory)
# and makes a thumbnail of every real file; its package, scrivlette-kde,
# holds it where KIO looks and passes lintian.
# Usage: kde.sh BUILD_DIR REAL_TESTDATA_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
real=$(realpath "$2")
source=$(realpath "$3")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/builds.sh"
fail() { echo "kde: $*" >&2; exit 1; }

build_kde "$build" "$source" "$scratch/kde.log"

files=()
for file in "$real"/*.textClipping "$real"/*.pictClipping "$real"/*.webloc "$real"/PROVENANCE.md; do
    case $file in
    *.textClipping) files+=("application/x-apple-textclipping:$file") ;;
    *.pictClipping) files+=("application/x-apple-pictclipping:$file") ;;
    *.webloc) files+=("application/x-apple-webloc:$file") ;;
    *) files+=("text/markdown:$file") ;;
    esac
done
QT_QPA_PLATFORM=offscreen "$build/kde/thumbnail-plugin-check" "$build/kde/scrivlette-kde-thumbnailer.so" \
    "$scratch" 256 "${files[@]}" >"$scratch/made.tsv" 2>/dev/null || { cat "$scratch/made.tsv" >&2; fail 'not loaded'; }
for mime in textclipping pictclipping webloc mailloc; do
    head -1 "$scratch/made.tsv" | grep -q "application/x-apple-$mime" || fail "the metadata lacks $mime"
done
tail -n +2 "$scratch/made.tsv" | while IFS=$'\t' read -r name made; do
    if [ "$name" = PROVENANCE.md ]; then
        [ "$made" = failed ] || fail "a file that is no clipping got a thumbnail"
        continue
    fi
    width=${made%x*} height=${made#*x}
    # No larger than asked; a picture smaller than that keeps its size.
    [ "$made" != failed ] && [ "$width" -le 256 ] && [ "$height" -le 256 ] || fail "$name: $made"
    file "$scratch/$name.png" | grep -q "PNG image data, $width x $height" || fail "$name: no picture"
done
[ "$(tail -n +2 "$scratch/made.tsv" | wc -l)" -eq 16 ] || fail 'not every file was answered'

(cd "$build/kde" && cpack -B "$scratch/deb" >/dev/null 2>&1) || fail 'cpack failed'
deb=$(ls "$scratch"/deb/scrivlette-kde_*_amd64.deb)
dpkg-deb -c "$deb" >"$scratch/contents"
grep -q "qt5/plugins/kf5/thumbcreator/scrivlette-kde-thumbnailer.so" "$scratch/contents" ||
    fail 'the package does not hold the plugin where KIO looks'
if shipped "$build/CMakeCache.txt"; then
    lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
        { cat "$scratch/lintian.log" >&2; fail 'lintian found errors or warnings in scrivlette-kde'; }
fi
echo "kde: KIO loads the plugin, which draws every real clipping; $(basename "$deb") passes lintian"
