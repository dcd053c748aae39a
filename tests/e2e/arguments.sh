#!/usr/bin/env bash
# Arguments no file answers to, given to the real programs: each must say so
# on one line of standard error and exit with status 1, never abort, hang or
# touch what is at an output path that is not a regular file.
# Usage: arguments.sh BUILD_DIR SAMPLES_DIR
set -uo pipefail
build=$(realpath "$1")
samples=$(realpath "$2")
cli=$build/cli/scrivlette-cli
thumbnailer=$build/thumbnailer/scrivlette-thumbnailer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir folder out
mkfifo fifo
ln -s nowhere dangling
python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind("socket")'
not_utf8=$(printf 'Caf\xe9.textClipping')
printf 'x' >"$not_utf8"
picture="$samples/Grey square.pictClipping"
failures=0

# expect STATUS DESCRIPTION COMMAND...: the status, one line on stderr, no abort.
expect() {
    local status=$1 what=$2
    shift 2
    timeout 20 "$@" >"$scratch/stdout" 2>"$scratch/stderr"
    local got=$?
    local lines
    lines=$(wc -l <"$scratch/stderr")
    if [ "$got" -ne "$status" ] || [ "$lines" -ne 1 ] || grep -q terminate "$scratch/stderr"; then
        echo "arguments: $what: status $got (wanted $status), $lines lines on stderr:" >&2
        sed 's/^/arguments:   /' "$scratch/stderr" >&2
        failures=$((failures + 1))
    fi
}

for argument in "" "-" folder /dev/null fifo socket dangling "$not_utf8" missing.textClipping; do
    for command in list json show "write --output out/x" "write --as text --output out/x"; do
        # shellcheck disable=SC2086 # the command's words are meant to split
        expect 1 "$command '$argument'" "$cli" $command "$argument"
    done
    expect 1 "thumbnailer '$argument'" "$thumbnailer" "$argument" out/x.png
done
# extract walks folders: a folder with no clippings in it is not a failure.
for argument in "" "-" /dev/null fifo socket dangling "$not_utf8" missing.textClipping; do
    expect 1 "extract '$argument'" "$cli" extract --to out "$argument"
done

# Output paths that are not regular files: written into or refused, never replaced.
expect 1 "thumbnail to /dev/full" "$thumbnailer" "$picture" /dev/full
expect 1 "thumbnail to a pipe nobody reads" "$thumbnailer" "$picture" fifo
expect 1 "thumbnail to a dangling link" "$thumbnailer" "$picture" dangling
expect 1 "write to a socket" "$cli" write --as png --output socket "$picture"
expect 1 "write to a folder" "$cli" write --as png --output folder "$picture"
[ -c /dev/full ] && [ -p fifo ] && [ -L dangling ] && [ -S socket ] && [ -d folder ] ||
    { echo "arguments: a special file was replaced" >&2; failures=$((failures + 1)); }
"$cli" write --as png --output /dev/stdout "$picture" | file - | grep -q 'PNG image' ||
    { echo "arguments: write --output /dev/stdout wrote no PNG" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || exit 1
echo "arguments: every argument refused on one line with status 1"
