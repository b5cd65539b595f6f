#!/usr/bin/env bash
# Coverage-guided fuzzing of every reader of outside input.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Builds the fuzz targets in the sanitized tree (build/sanitize: clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# target (all of them by default) for SECONDS (default 60), as many at once
# as ZOR_JOBS (default 2; each target is one process), starting from its
# seeds in tests/fuzz/corpus/<target>/ and from what earlier runs found,
# kept in build/fuzz/corpus/<target>/. Prints each target's executions,
# executions per second, coverage (libFuzzer's cov: edges and ft: features)
# and findings, in the targets' order; exits 1 when any target found an
# input that fails. A failing input is left in build/fuzz/findings/<target>/;
# once the fault is mended it joins the target's seeds, so every input that
# once failed is tried again on every run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
shift || true
kept="$root/build/fuzz"
seeds="$root/tests/fuzz/corpus"
programs="$root/build/sanitize"

source "$root/scripts/build-trees.sh"
build_tree sanitize "${sanitize_tree_args[@]}" -- zor_fuzz_targets

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets <"$programs/fuzz_targets.txt"
fi

# The figure after `key` in libFuzzer's last status line or final stats.
last_figure() {
    local key=$1 log=$2
    grep -o "$key *[0-9]*" "$log" | tail -n 1 | grep -o '[0-9]*$' || echo "?"
}

# fuzz_target NAME: runs one target and writes what it found to
# build/fuzz/logs/NAME.summary; its exit status says whether it found
# anything.
fuzz_target() {
    local name=$1
    local binary="$programs/tests/fuzz/fuzz_$name"
    local learned="$kept/corpus/$name" findings="$kept/findings/$name"
    local log="$kept/logs/$name.log" summary="$kept/logs/$name.summary"
    mkdir -p "$learned" "$findings" "$kept/logs"
    if [ ! -x "$binary" ] || [ ! -d "$seeds/$name" ]; then
        echo "fuzz: no target '$name' (its program or its seeds in tests/fuzz/corpus/$name are missing)" >"$summary"
        return 1
    fi
    local options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/")
    local dictionary="$root/tests/fuzz/$name.dict"
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")

    local before rc=0 found
    before=$(ls "$findings" | wc -l)
    "$binary" "${options[@]}" "$learned" "$seeds/$name" >"$log" 2>&1 || rc=$?
    found=$(( $(ls "$findings" | wc -l) - before ))
    {
        printf '%s: %s executions, %s exec/s, cov: %s ft: %s, corpus %s inputs, ' "$name" \
            "$(last_figure 'stat::number_of_executed_units:' "$log")" \
            "$(last_figure 'stat::average_exec_per_sec:' "$log")" \
            "$(last_figure 'cov:' "$log")" "$(last_figure 'ft:' "$log")" "$(last_figure 'corp:' "$log")"
        if [ "$rc" -eq 0 ] && [ "$found" -eq 0 ]; then
            echo "no findings"
        else
            echo "FINDING (exit $rc)"
            grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|.* fuzz: )' "$log" | head -n 5 | sed 's/^/    /' || true
            ls -t "$findings" | head -n "$(( found > 0 ? found : 1 ))" | sed "s|^|    input: $findings/|"
            echo "    log: $log"
            echo "    once mended, keep the input as a seed: tests/fuzz/corpus/$name/regression-<what-it-broke>"
        fi
    } >"$summary"
    [ "$rc" -eq 0 ] && [ "$found" -eq 0 ]
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
echo "== fuzz: ${targets[*]} for ${seconds}s each, ${ZOR_JOBS:-2} at a time"
status=0
running=()
for name in "${targets[@]}"; do
    if [ ${#running[@]} -ge "${ZOR_JOBS:-2}" ]; then
        wait "${running[0]}" || status=1
        running=("${running[@]:1}")
    fi
    fuzz_target "$name" &
    running+=($!)
done
for pid in "${running[@]}"; do
    wait "$pid" || status=1
done
for name in "${targets[@]}"; do
    cat "$kept/logs/$name.summary"
done
exit $status
