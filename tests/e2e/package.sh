#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as an installer
# would meet it: its files, its control fields, and the programs unpacked
# from it running on a real clipping.
# Usage: package.sh BUILD_DIR REAL_TESTDATA_DIR
set -euo pipefail
build=$(realpath "$1")
real=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/builds.sh"
fail() { echo "package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail 'cpack failed'; }
deb=$(ls "$scratch"/scrivlette_*_amd64.deb 2>/dev/null) || fail 'no scrivlette_VERSION_amd64.deb'
version=$("$build/cli/scrivlette-cli" --version | awk '{print $2}')
[ "$(basename "$deb")" = "scrivlette_${version}_amd64.deb" ] || fail "named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = scrivlette ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
# Read off the binaries by dpkg-shlibdeps, so the libraries they link are there.
for library in libqt6widgets6 libqt6svg6 libexpat1 libutf8proc2 liblcms2-2 libfreetype6 libstdc++6; do
    field Depends | grep -q "$library" || fail "Depends lacks $library: $(field Depends)"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/scrivlette ./usr/bin/scrivlette-cli \
    ./usr/share/applications/io.github.scrivlette.Scrivlette.desktop \
    ./usr/share/applications/io.github.scrivlette.WebLocation.desktop \
    ./usr/share/icons/hicolor/scalable/apps/io.github.scrivlette.Scrivlette.svg \
    ./usr/share/mime/packages/io.github.scrivlette.Scrivlette.xml \
    ./usr/share/metainfo/io.github.scrivlette.Scrivlette.metainfo.xml \
    ./usr/share/man/man1/scrivlette.1.gz ./usr/share/man/man1/scrivlette-cli.1.gz \
    ./usr/bin/scrivlette-thumbnailer ./usr/share/thumbnailers/scrivlette.thumbnailer \
    ./usr/share/man/man1/scrivlette-thumbnailer.1.gz \
    ./usr/share/doc/scrivlette/copyright ./usr/share/doc/scrivlette/changelog.gz \
    ./usr/share/dbus-1/services/io.github.scrivlette.Scrivlette.service \
    ./usr/share/scrivlette/recoll/mimemap ./usr/share/scrivlette/recoll/mimeconf \
    "./usr/lib/$(gcc -print-multiarch)/libexec/kf5/kfilemetadata/externalextractors/scrivlette/manifest.json" \
    "./usr/lib/$(gcc -print-multiarch)/libexec/kf5/kfilemetadata/externalextractors/scrivlette/main"; do
    grep -qxF "$file" <<<"$contents" || fail "$file is missing"
done
for language in de fr es ja zh_CN pt_BR en; do
    grep -qxF "./usr/share/scrivlette/translations/scrivlette_$language.qm" <<<"$contents" ||
        fail "the $language translation is missing"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate --no-hints "$root"/usr/share/applications/io.github.scrivlette.*.desktop
grep -q '^Exec=scrivlette %F$' "$root/usr/share/applications/io.github.scrivlette.Scrivlette.desktop" ||
    fail 'the desktop entry does not pass its files'
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.scrivlette.Scrivlette.metainfo.xml" >/dev/null ||
    fail 'the AppStream metainfo does not validate'
# The unpacked program finds its translations where the package puts them.
LANGUAGE=de LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$root/usr/bin/scrivlette" --help |
    grep -q '^Aufruf: scrivlette' || fail 'the unpacked program does not speak German'
zcat "$root/usr/share/man/man1/scrivlette.1.gz" | grep -q "Qt's standard options" ||
    fail 'the scrivlette man page is not in English'
zcat "$root/usr/share/man/man1/scrivlette-cli.1.gz" | grep -q 'Write Clip to File' ||
    fail 'the scrivlette-cli man page is not its --help'

grep -qx 'Exec=scrivlette-thumbnailer -s %s %u %o' "$root/usr/share/thumbnailers/scrivlette.thumbnailer" ||
    fail 'the thumbnailer entry does not pass size, input and output'
"$root/usr/bin/scrivlette-thumbnailer" -s 64 "$real/Donate.webloc" "$scratch/thumbnail.png" &&
    file "$scratch/thumbnail.png" | grep -q 'PNG image data, 48 x 64' || fail 'the unpacked thumbnailer'
"$root/usr/bin/scrivlette-cli" --version | grep -qx "scrivlette-cli $version" || fail 'unpacked --version'
listing=$("$root/usr/bin/scrivlette-cli" list "$real/Notes.textClipping")
grep -q 'public.utf8-plain-text' <<<"$listing" || fail "unpacked list printed: $listing"
# Debian's own check, on the builds that ship: optimized, not instrumented.
if ! shipped "$build/CMakeCache.txt"; then
    echo "package: lintian skipped: an instrumented or debug build is no package"
else
    lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
        { cat "$scratch/lintian.log" >&2; fail 'lintian found errors or warnings'; }
fi
zcat "$root/usr/share/doc/scrivlette/changelog.gz" | head -1 | grep -q "^scrivlette ($version) " ||
    fail 'the changelog does not name this version'
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB; Depends: $(field Depends)"
