#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the Debian package and the screenshots
# need, if missing. `cpack -G DEB` needs `file` and dpkg-shlibdeps (dpkg-dev); the calendar tests
# find libical through pkg-config.
set -euo pipefail

packages=(
    build-essential cmake ninja-build file dpkg-dev pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    libgtest-dev libbenchmark-dev
    clang-format
    desktop-file-utils appstream libical-dev poppler-utils
    xvfb xauth xdotool imagemagick fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
