#!/usr/bin/env bash
# Recoll finds clippings by their words: its indexer, with a private
# configuration holding the installed mimemap and mimeconf lines, runs our
# filter on the real clippings, and a query finds a word from inside one.
# Usage: recoll.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
build=$(realpath "$1")
real=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "recoll: $*" >&2; cat "$scratch/index.log" >&2 2>/dev/null; exit 1; }
command -v recollindex >/dev/null || { echo "recoll: skipped: Recoll is not installed"; exit 77; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
export PATH=$scratch/prefix/bin:$PATH HOME=$scratch
config=$scratch/config
mkdir -p "$config" "$scratch/docs"
cp "$real"/*.textClipping "$real"/*.pictClipping "$real"/*.webloc "$scratch/docs/"
cp "$scratch/prefix/share/scrivlette/recoll/mimemap" "$scratch/prefix/share/scrivlette/recoll/mimeconf" "$config/"
printf 'topdirs = %s\nloglevel = 3\n' "$scratch/docs" >"$config/recoll.conf"
recollindex -c "$config" >"$scratch/index.log" 2>&1 || fail 'recollindex failed'

found() { recollq -c "$config" -b "$1" 2>/dev/null | grep -c "$2" || true; }
[ "$(found корзину 'Товар добавл.textClipping')" -eq 1 ] || fail 'a word of a text clipping was not found'
[ "$(found roomscanapi Documentation.webloc)" -eq 1 ] || fail "a location's address was not found"
[ "$(found 'nosuchwordanywhere' textClipping)" -eq 0 ] || fail 'a word in no clipping was found'
echo "recoll: words inside text clippings and locations' addresses are found"
