#!/usr/bin/env bash
# Installs what Orvan needs to build, test and run on Debian 12, then configures and builds it
# (the sample lexicon included) in build/, with the preset "dev" (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    qt6-tools-dev-tools python3 libgtest-dev libgmock-dev
    libjpeg62-turbo-dev libx11-dev libxtst-dev zlib1g-dev xvfb xauth xdotool x11-xkb-utils
    x11-utils desktop-file-utils appstream man-db
    imagemagick poppler-utils fonts-dejavu-core libbenchmark-dev clang libclang-rt-14-dev
    dict-freedict-eng-ell dict-freedict-ell-eng dictd dict
    libhunspell-dev hunspell-en-us hunspell-el jwm wmctrl xsel
    libxkbcommon-dev xkb-data dbus-daemon qt6-wayland weston libxml2-utils python3-translate
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi

cmake --preset dev -DORVAN_WERROR="${ORVAN_WERROR:-OFF}"
cmake --build --preset dev
