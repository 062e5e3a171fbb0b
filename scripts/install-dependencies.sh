#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the Debian package and the screenshots
# need, if missing. `cpack -G DEB` needs `file` and dpkg-shlibdeps (dpkg-dev); the calendar tests
# find libical, and the build libsodium (the check value of the note password), libcurl and
# libxml2 (the CalDAV sync) and libzip (the backups), through pkg-config; the sync's tests start a
# Radicale server.
# With the argument "windows": those of the Windows cross build and of its tests under wine.
set -euo pipefail

if [ "${1:-}" = windows ]; then
    # GoogleTest is built from Debian's sources for the target; wine64 runs the programs.
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)
    install_options=(--no-install-recommends)
else
    packages=(
        build-essential cmake ninja-build file dpkg-dev pkg-config
        qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libfontconfig-dev
        libgtest-dev libbenchmark-dev libsodium-dev libcurl4-openssl-dev libxml2-dev radicale
        qtkeychain-qt6-dev
        libzip-dev
        clang-format clang libclang-rt-14-dev
        desktop-file-utils appstream libical-dev poppler-utils
        xvfb xauth xdotool imagemagick fonts-dejavu-core
    )
    install_options=()
fi

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
"${sudo_cmd[@]}" apt-get install -y -qq "${install_options[@]}" "${missing[@]}"
