#!/usr/bin/env bash
# Builds the trees and runs every test: native, native under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Win32 programs
# (unit tests, sound binding, module file, panel host scenarios) under Wine,
# and the web page in a browser with the three builds' random flights.
# The native tree builds the generators for all three. The Wine run waits on
# Wine's one desktop most of the time, so it runs while the sanitized tree
# builds (at a lower priority), keeping both cores busy. After the native
# runs the fuzz targets, built in the sanitized tree, run, and the module's
# coverage by its unit tests is printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
source scripts/build-trees.sh
zor_section layers
bash scripts/check-layers.sh
source scripts/wine-env.sh

jobs=${ZOR_JOBS:-2}
status=0
tools=(-DZOR_TOOLS_TREE="$root/build/native")

# Each tree's results also as JUnit XML, build/TREE/ctest-junit.xml, beside
# the log, for a CI that shows tests.
run_ctest() {
    local name=$1
    zor_section "tests: $name"
    ctest --test-dir "build/$name" --output-on-failure -j "$jobs" --timeout 1500 \
        --output-junit "$root/build/$name/ctest-junit.xml"
}

check_links() {
    zor_section "links: $1"
    bash scripts/check-layers.sh --links "build/$1" || status=1
}

build_tree native
check_links native
build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "${tools[@]}"
check_links win32

# One prefix and one warm wineserver for the whole win32 run.
prefix="$root/build/win32/wine/prefix"
zor_wine_prefix "$prefix"
zor_wine_start "$prefix"
trap 'zor_wine_stop "$prefix"' EXIT
win32_log=build/win32/ctest-output.txt
(
    ended=0
    run_ctest win32 || ended=$?
    zor_section "win32 tests ended"
    exit $ended
) >"$win32_log" 2>&1 &
win32_run=$!

(renice -n 10 "$BASHPID" >/dev/null; build_tree sanitize "${sanitize_tree_args[@]}" "${tools[@]}") || status=1
check_links sanitize
run_ctest native || status=1
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize || status=1

# Every reader of outside input, fuzzed for a short fixed time each; an
# input that fails is a failure of the run.
zor_section fuzz
bash scripts/fuzz.sh "${ZOR_FUZZ_SECONDS:-30}" || status=1

# The module's line and branch coverage from its unit tests, printed, never
# judged; ZOR_SKIP_COVERAGE=1 leaves it out.
if [ "${ZOR_SKIP_COVERAGE:-0}" != 1 ]; then
    zor_section coverage
    bash scripts/coverage.sh --module || status=1
fi

zor_section "waiting for the win32 tests"
wait "$win32_run" || status=1
cat "$win32_log"

# The web build: the page in Debian's headless chromium (playwright-core,
# pinned by tests/web's lock file), and 200 random flights flown by the
# native, Windows (the DLL under Wine) and web builds, traces compared. The
# page's tests fly at the bench's pace and leave the cores mostly idle, so
# the flights run beside them.
build_tree web "${web_tree_args[@]}" -- zor_web_page zor_host_node
zor_section "tests: web page, beside the random flights"
web_log=build/web/test-output.txt
(cd tests/web && npm ci --ignore-scripts --no-audit --no-fund >/dev/null && node --test) >"$web_log" 2>&1 &
web_run=$!
bash scripts/random-flights.sh 200 || status=1
wait "$web_run" || status=1
cat "$web_log"
zor_section "end, status $status"
exit $status
