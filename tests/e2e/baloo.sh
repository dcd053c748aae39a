#!/usr/bin/env bash
# KDE's file indexer finds our extractor as it finds any: KFileMetaData's own
# discovery (a small harness linking it, built from kde/) is asked for the
# MIME type each real clipping gets from Qt's database with our types
# installed, and runs what it finds. The extractors' folder is fixed in the
# library, so the installed one is bound over it in a private mount
# namespace (bubblewrap); nothing outside is touched.
# Usage: baloo.sh BUILD_DIR REAL_TESTDATA_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
real=$(realpath "$2")
source=$(realpath "$3")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "baloo: $*" >&2; exit 1; }
skip() { echo "baloo: skipped: $*"; exit 77; }
source "$(dirname "$0")/builds.sh"

build_kde "$build" "$source" "$scratch/kde.log"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
libexec=/usr/lib/$(gcc -print-multiarch)/libexec/kf5
mkdir -p "$scratch/libexec/kfilemetadata"
cp -r "$scratch/prefix/lib/$(gcc -print-multiarch)/libexec/kf5/kfilemetadata/externalextractors" \
    "$scratch/libexec/kfilemetadata/"
# The MIME database as the package leaves it: our types merged into the
# system's. (Qt 5 takes the first magic match of the first database it reads,
# so a separate per-user database would lose the location's magic to XML's.)
export XDG_DATA_HOME=$scratch/none XDG_DATA_DIRS=$scratch/share
mkdir -p "$scratch/share/mime/packages"
cp /usr/share/mime/packages/*.xml "$scratch/prefix/share/mime/packages/io.github.scrivlette.Scrivlette.xml" \
    "$scratch/share/mime/packages/"
update-mime-database "$scratch/share/mime" >/dev/null 2>&1
sandbox=(bwrap --bind / / --dev /dev --proc /proc --bind "$scratch/libexec" "$libexec")
"${sandbox[@]}" true 2>/dev/null || skip 'bubblewrap cannot make a mount namespace here'

cd "$real"
"${sandbox[@]}" "$build/kde/kfilemetadata-discovery" *.textClipping *.pictClipping *.webloc \
    >"$scratch/found.tsv" 2>/dev/null
while IFS=$'\t' read -r file byName byDefault strict extractors types text; do
    case $file in
    *.textClipping) mime=application/x-apple-textclipping type=Text ;;
    *.pictClipping) mime=application/x-apple-pictclipping type=Image ;;
    *.webloc) mime=application/x-apple-webloc type=Document ;;
    esac
    [ "$byName" = "$mime" ] && [ "$byDefault" = "$mime" ] && [ "$strict" = "$mime" ] ||
        fail "$file is typed $byName by name, $byDefault by name and content, $strict by Baloo"
    [ "$extractors" -ge 1 ] && [ "$types" = "$type" ] || fail "$file: $extractors extractors, types '$types'"
    expected=$("$build/cli/scrivlette-cli" text "$file" | tr -s '[:space:]' ' ' | cut -c1-20)
    [[ "$(tr -s '[:space:]' ' ' <<<"$text")" == "${expected% }"* ]] || fail "$file gave the text '$text'"
done <"$scratch/found.tsv"
[ "$(wc -l <"$scratch/found.tsv")" -eq 15 ] || fail "$(wc -l <"$scratch/found.tsv") of 15 files answered"
echo "baloo: KFileMetaData finds our extractor for every real clipping's type and gets its text and kind"
