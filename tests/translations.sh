#!/usr/bin/env bash
# Every text the window marks for translation is translated in every
# language, and nothing else is: lupdate run afresh over the sources changes
# no .ts file (no new text, none gone) and leaves no message unfinished.
# Usage: translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$(realpath "$1")
lupdate=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$source_dir"
status=0
for ts in translations/scrivlette_*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    "$source_dir/translations/lupdate.sh" "$lupdate" "$copy"
    if ! cmp -s "$ts" "$copy"; then
        echo "translations: $ts is not up to date with the sources (run lupdate, then translations/fill.py):" >&2
        diff "$ts" "$copy" | head -20 >&2
        status=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" >&2; then
        echo "translations: $ts has unfinished or obsolete messages" >&2
        status=1
    fi
done
exit $status
