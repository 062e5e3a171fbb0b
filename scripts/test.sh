#!/usr/bin/env bash
# Builds everything and runs every test (windows on Qt's offscreen platform), then builds and
# tests the logic and the reports once more without Qt, as a build on a machine without it would,
# and once more with clang under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz
# targets running a few seconds each with libFuzzer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600

# Qt hidden from CMake: the configuration fails if anything still asks for it.
cmake -S "$root" -B "$root/build-nogui" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTURNOPLANER_GUI=OFF -DTURNOPLANER_BUILD_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON --no-warn-unused-cli >/dev/null
cmake --build "$root/build-nogui" --parallel "$(nproc)"
cd "$root/build-nogui"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600

# Clang (Debian 12: clang 14) with the sanitizers; any finding fails its test.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTURNOPLANER_GUI=OFF -DTURNOPLANER_FUZZ=ON \
    -DTURNOPLANER_FUZZ_SECONDS=3 -DTURNOPLANER_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" --parallel "$(nproc)"
cd "$root/build-asan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 600

# The same logic and reports built for Windows and tested under wine.
bash "$root/scripts/test-windows.sh"
