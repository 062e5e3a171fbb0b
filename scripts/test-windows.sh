#!/usr/bin/env bash
# Cross-builds the logic, the command line and their tests for 64-bit Windows with mingw-w64
# and runs the tests under wine, in build-windows/ (wine's own folder is build-windows/wine).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-windows"
started=$SECONDS

bash "$root/scripts/install-dependencies.sh" windows
installed=$SECONDS

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DTURNOPLANER_GUI=OFF -DTURNOPLANER_BUILD_BENCH=OFF \
    -DTURNOPLANER_GOOGLETEST_SOURCE=/usr/src/googletest "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
built=$SECONDS

export WINEPREFIX="$build/wine" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or a browser, and the setup would ask for them.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
# One server for all the programs, stopped at the end.
wineserver --persistent </dev/null >/dev/null 2>&1
prepared=$SECONDS

failed=()
passed_total=0
skipped_total=0
log="$build/test-windows.log"
: >"$log"
while IFS= read -r program; do
    name="${program#"$build"/}"
    arguments=()
    case "$name" in
    tests/fuzz/*) arguments=(2) ;; # seconds of mutated input
    esac
    # Into a file, not through a pipe: wine's background services inherit the output and keep
    # a pipe open after the program has ended.
    wine "$program" "${arguments[@]}" >"$build/test-output.txt" 2>&1 && status=0 || status=$?
    output="$(<"$build/test-output.txt")"
    printf '%s\n%s\n' "== $name" "$output" >>"$log"
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' <<<"$output")
    skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\{0,1\},.*/\1/p' <<<"$output")
    passed_total=$((passed_total + ${passed:-0}))
    skipped_total=$((skipped_total + ${skipped:-0}))
    if [ "$status" -eq 0 ]; then
        echo "ok      $name ${passed:+($passed passed${skipped:+, $skipped skipped})}"
    else
        echo "FAILED  $name (exit $status)"
        grep -E '^\[  FAILED  \]|Failure|^.*\.cpp:[0-9]+:' <<<"$output" | head -n 40 || true
        failed+=("$name")
    fi
done < <(find "$build/tests" -name '*.exe' -type f | sort)
wineserver --kill || true
rm -f "$build/test-output.txt"

echo "Windows: $passed_total tests passed, $skipped_total skipped, ${#failed[@]} programs failed" \
    "(packages $((installed - started)) s, build $((built - installed)) s," \
    "wine setup $((prepared - built)) s, tests $((SECONDS - prepared)) s; output in $log)"
[ ${#failed[@]} -eq 0 ]
