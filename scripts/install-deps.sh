#!/usr/bin/env bash
# Installs the Debian packages that building and testing Scrivlette need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libxcb1-dev libexpat1-dev libutf8proc-dev nlohmann-json3-dev libtiff-dev libpng-dev libjpeg62-turbo-dev libxml2-dev liblcms2-dev libfontconfig-dev libfreetype-dev fonts-dejavu-core
    unicode-data help2man appstream dpkg-dev file lintian
    qt6-base-dev qt6-svg-dev libgl-dev
    gcovr poppler-utils xvfb xauth xdotool imagemagick x11-utils desktop-file-utils libglib2.0-bin shared-mime-info
    python3-gi gir1.2-gnomedesktop-3.0 bubblewrap util-linux xclip xdg-utils dbus-daemon
    recoll libkf5filemetadata-dev libkf5kio-dev openbox qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing missing packages: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
