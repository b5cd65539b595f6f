#!/usr/bin/env bash
# Builds the three trees and runs every test: native, native under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Win32 programs
# (unit tests, sound binding, module file, panel host scenarios) under Wine;
# between them the fuzz targets run in a tree of their own, and the
# module's coverage by its unit tests is printed on the way.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
echo "== layers"
bash scripts/check-layers.sh
source scripts/build-trees.sh
source scripts/wine-env.sh

jobs=${ZOR_JOBS:-2}
status=0

build_tree native
build_tree sanitize -DZOR_SANITIZE=ON
build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"

run_ctest() {
    local name=$1
    echo "== tests: $name"
    if ! ctest --test-dir "build/$name" --output-on-failure -j "$jobs" --timeout 1500; then
        status=1
    fi
}

run_ctest native
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize

# Every reader of outside input, fuzzed for a short fixed time each; an
# input that fails is a failure of the run.
if ! bash scripts/fuzz.sh "${ZOR_FUZZ_SECONDS:-30}"; then
    status=1
fi

# The module's line and branch coverage from its unit tests, printed, never
# judged; ZOR_SKIP_COVERAGE=1 leaves it out.
if [ "${ZOR_SKIP_COVERAGE:-0}" != 1 ]; then
    bash scripts/coverage.sh --module || status=1
fi

# One prefix and one warm wineserver for the whole win32 run.
prefix="$root/build/win32/wine/prefix"
zor_wine_prefix "$prefix"
zor_wine_start "$prefix"
trap 'zor_wine_stop "$prefix"' EXIT
run_ctest win32

exit $status
