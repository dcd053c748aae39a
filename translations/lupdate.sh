#!/usr/bin/env bash
# Brings .ts files up to date with the texts the sources mark for
# translation, in lupdate's own layout (tests/translations.sh compares).
# Besides tr(), the window's words kept in Qt-free tables are marked with
# translatable(context, text).
# Usage: translations/lupdate.sh LUPDATE TS...
set -euo pipefail
lupdate=$1
shift
files=()
for ts in "$@"; do
    files+=("$(realpath "$ts")")
done
cd "$(dirname "$0")/.."
for ts in "${files[@]}"; do
    # English has words of its own only for counted texts.
    only=()
    [ "$(basename "$ts")" = scrivlette_en.ts ] && only=(-pluralonly)
    "$lupdate" -silent -no-obsolete -locations none "${only[@]}" \
        -tr-function-alias QT_TRANSLATE_NOOP+=translatable \
        views app platform model -ts "$ts"
done
