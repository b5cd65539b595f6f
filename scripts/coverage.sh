#!/usr/bin/env bash
# Line and branch coverage of the module's folders and of the panel host,
# as the native tests reach them: a tree of its own built with gcc's
# --coverage (build/coverage), the tests run once each, whole, and gcovr's
# figures printed per file and per folder. Writes an HTML report to
# build/coverage/report/index.html and ends with the module's totals in
# gcovr's summary form (lines: N%, branches: N%).
#   scripts/coverage.sh            module and host (the unit tests, the host
#                                  core's tests and the scenarios)
#   scripts/coverage.sh --module   the module alone, from the module's own
#                                  unit tests, per folder: what the test
#                                  command runs
# Branches gcc makes for exception handling (--exclude-throw-branches) and
# branches on lines with no source of their own, such as a closing brace
# (--exclude-unreachable-branches), are left out: no test of this code can
# take them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scope=all
[ "${1:-}" = "--module" ] && scope=module

module_folders=(abi breakers sound instrument layout module)
tree=build/coverage
report=$tree/report

targets=(zor_unit_tests sound_tests)
# Each program whole in one process (its first shuffled run), not case by
# case: the same cases, far fewer processes.
tests='^(zor_unit_tests|sound_tests)_shuffled_1$'
folders=("${module_folders[@]}")
if [ "$scope" = all ]; then
    targets+=(host_core_tests zor_host_native)
    tests='^(zor_unit_tests|sound_tests|host_core_tests)_shuffled_1$|^host_scenario_'
    folders+=(host)
fi

# Through the compiler cache, but with every path as it is: the notes files
# gcov reads name the sources and the folder they were compiled in, and a
# cached object compiled elsewhere would name that place.
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
unset CCACHE_BASEDIR CCACHE_NOHASHDIR
export CCACHE_HASHDIR=true

echo "== coverage: build ($scope)"
cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="--coverage -fprofile-abs-path" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
# The tests' discovery runs each program once as it is built; what that run
# counts is thrown away below.
cmake --build "$tree" -j "${ZOR_JOBS:-2}" --target "${targets[@]}" >"$tree/build.log" 2>&1 || {
    cat "$tree/build.log"
    exit 1
}

echo "== coverage: run"
find "$tree" -name '*.gcda' -delete
ctest --test-dir "$tree" -R "$tests" --output-on-failure -j "${ZOR_JOBS:-2}" | tail -n 3

filters=()
for folder in "${folders[@]}"; do
    filters+=(--filter "$folder/")
done
mkdir -p "$report"
gcovr --root "$root" --object-directory "$tree" --exclude-directories "$tree/CMakeFiles" "${filters[@]}" \
      --exclude-throw-branches --exclude-unreachable-branches \
      --csv "$report/coverage.csv" --html-details "$report/index.html"

# Per file, then per folder, then the module's totals. gcovr's CSV columns:
# filename, line total, covered, percent, branch total, covered, percent.
awk -F, -v module="${module_folders[*]}" -v show_files="$([ "$scope" = all ] && echo 1 || echo 0)" '
function pct(c, t) { return t ? sprintf("%.1f%%", 100 * c / t) : "-" }
function row(name, lt, lc, bt, bc) {
    printf "  %-44s lines %6s (%4d/%4d)  branches %6s (%4d/%4d)\n", name, pct(lc, lt), lc, lt, pct(bc, bt), bc, bt
}
BEGIN {
    n = split(module, m, " "); for (i = 1; i <= n; ++i) in_module[m[i]] = 1
    if (show_files) print "== coverage per file"
}
NR == 1 { next }
{
    folder = $1; sub(/\/.*/, "", folder)
    if (folder == "host") { rest = substr($1, 6); sub(/\/.*/, "", rest); folder = "host/" rest }
    if (show_files) row($1, $2, $3, $5, $6)
    if (!(folder in lt)) order[++folders] = folder
    lt[folder] += $2; lc[folder] += $3; bt[folder] += $5; bc[folder] += $6
    top = folder; sub(/\/.*/, "", top)
    if (top in in_module) { mlt += $2; mlc += $3; mbt += $5; mbc += $6 }
}
END {
    print "== coverage per folder"
    for (i = 1; i <= folders; ++i) row(order[i] "/", lt[order[i]], lc[order[i]], bt[order[i]], bc[order[i]])
    print "== coverage of the module (" module ")"
    printf "lines: %.1f%% (%d out of %d)\n", mlt ? 100 * mlc / mlt : 0, mlc, mlt
    printf "branches: %.1f%% (%d out of %d)\n", mbt ? 100 * mbc / mbt : 0, mbc, mbt
}' "$report/coverage.csv"
echo "report: $report/index.html"
