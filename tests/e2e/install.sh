#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it is laid out as a
# Linux desktop program expects. Usage: install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/scrivlette bin/scrivlette-cli \
    share/applications/io.github.scrivlette.Scrivlette.desktop \
    share/icons/hicolor/scalable/apps/io.github.scrivlette.Scrivlette.svg \
    share/mime/packages/io.github.scrivlette.Scrivlette.xml; do
    [ -e "$prefix/$file" ] || { echo "install: $file is missing" >&2; exit 1; }
done
desktop-file-validate --no-hints "$prefix/share/applications/io.github.scrivlette.Scrivlette.desktop"
"$prefix/bin/scrivlette-cli" --version >/dev/null
echo "install: program, tool, desktop entry, icon and file types in place"
