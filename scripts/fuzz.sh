#!/usr/bin/env bash
# Coverage-guided fuzzing of every reader of outside input.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Builds the fuzz tree (build/fuzz: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each target (all of them by default)
# for SECONDS (default 60), one after the other, starting from its seeds in
# tests/fuzz/corpus/<target>/ and from what earlier runs found, kept in
# build/fuzz/corpus/<target>/. Prints each target's executions, executions
# per second, coverage (libFuzzer's cov: edges and ft: features) and
# findings; exits 1 when any target found an input that fails. A failing
# input is left in build/fuzz/findings/<target>/; once the fault is mended
# it joins the target's seeds, so every input that once failed is tried
# again on every run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
shift || true
build="$root/build/fuzz"
seeds="$root/tests/fuzz/corpus"

echo "== build: fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "${ZOR_JOBS:-2}" --target zor_fuzz_targets

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets <"$build/fuzz_targets.txt"
fi

# The figure after `key` in libFuzzer's last status line or final stats.
last_figure() {
    local key=$1 log=$2
    grep -o "$key *[0-9]*" "$log" | tail -n 1 | grep -o '[0-9]*$' || echo "?"
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
status=0
for name in "${targets[@]}"; do
    binary="$build/tests/fuzz/fuzz_$name"
    if [ ! -x "$binary" ] || [ ! -d "$seeds/$name" ]; then
        echo "fuzz: no target '$name' (its program or its seeds in tests/fuzz/corpus/$name are missing)" >&2
        status=1
        continue
    fi
    learned="$build/corpus/$name"
    findings="$build/findings/$name"
    log="$build/logs/$name.log"
    mkdir -p "$learned" "$findings" "$(dirname "$log")"
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/")
    dictionary="$root/tests/fuzz/$name.dict"
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")

    echo "== fuzz: $name for ${seconds}s"
    before=$(ls "$findings" | wc -l)
    rc=0
    "$binary" "${options[@]}" "$learned" "$seeds/$name" >"$log" 2>&1 || rc=$?
    found=$(( $(ls "$findings" | wc -l) - before ))

    printf '%s: %s executions, %s exec/s, cov: %s ft: %s, corpus %s inputs, ' "$name" \
        "$(last_figure 'stat::number_of_executed_units:' "$log")" \
        "$(last_figure 'stat::average_exec_per_sec:' "$log")" \
        "$(last_figure 'cov:' "$log")" "$(last_figure 'ft:' "$log")" "$(last_figure 'corp:' "$log")"
    if [ "$rc" -eq 0 ] && [ "$found" -eq 0 ]; then
        echo "no findings"
        continue
    fi
    status=1
    echo "FINDING (exit $rc)"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|.* fuzz: )' "$log" | head -n 5 | sed 's/^/    /' || true
    ls -t "$findings" | head -n "$(( found > 0 ? found : 1 ))" | sed "s|^|    input: $findings/|"
    echo "    log: $log"
    echo "    once mended, keep the input as a seed: tests/fuzz/corpus/$name/regression-<what-it-broke>"
done
exit $status
