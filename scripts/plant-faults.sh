#!/usr/bin/env bash
# Plants faults a developer could make into the module's folders, one at a
# time, and tells which of them the module's unit tests catch. Each fault
# changes one text on one line; the tree is rebuilt (build/faults, through
# the compiler cache), the unit-test programs run whole, and the source is
# put back before the next, also when the run is interrupted.
#   scripts/plant-faults.sh [ID...]     all faults, or only those named
# Prints each fault as caught or survived, the faults left out as equivalent
# (no input can tell them from the module as it is) and why, and the score.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/planted-fault-list.sh

tree=build/faults
work=$(mktemp -d)
log=$work/log
planted_file=""

restore() {
    if [ -n "$planted_file" ]; then
        # Copied back, not moved: a fresh time stamp, so the next build
        # compiles the file again (from the cache) instead of keeping the
        # object built with the fault.
        cp "$work/original" "$planted_file"
        planted_file=""
    fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'echo "interrupted: source restored"; exit 130' INT TERM

# Changes the first FROM on the line it occurs on (its Nth such line with
# FILE@N) to TO, literally; fails unless exactly one line changes.
plant() {
    local place=$1 from=$2 to=$3
    local file=${place%@*} nth=1
    [ "$place" != "$file" ] && nth=${place#*@}
    cp "$file" "$work/original"
    planted_file=$file
    FROM=$from TO=$to NTH=$nth awk '
        BEGIN { from = ENVIRON["FROM"]; to = ENVIRON["TO"]; nth = ENVIRON["NTH"] + 0 }
        {
            at = index($0, from)
            if (at > 0 && ++seen == nth) {
                $0 = substr($0, 1, at - 1) to substr($0, at + length(from))
                ++changed
            }
            print
        }
        END { exit changed == 1 ? 0 : 1 }' "$work/original" >"$file" || {
        restore
        echo "fault text not found on one line of $place: $from" >&2
        return 1
    }
}

build() { cmake --build "$tree" -j "${ZOR_JOBS:-2}" --target zor_unit_tests sound_tests >"$log" 2>&1; }

# The module's unit-test programs, whole; a fault that makes one hang is caught.
# Each in a subshell that waits for it, so that a program a fault crashes
# is reported into the log.
tests_pass() {
    (timeout 120 "$tree/tests/zor_unit_tests" --gtest_brief=1; exit $?) >"$log" 2>&1 &&
        (timeout 120 "$tree/tests/sound/sound_tests" --gtest_brief=1; exit $?) >>"$log" 2>&1
}

# Which tests a caught fault failed, as gtest names them.
failed_tests() { { grep -o '^\[  FAILED  \] [A-Za-z0-9_./]*' "$log" || true; } | awk '{ print $4 }' | sort -u | head -3 | paste -sd' '; }

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
build || { cat "$log"; echo "the tree does not build without faults" >&2; exit 1; }
tests_pass || { cat "$log"; echo "the tests fail without faults" >&2; exit 1; }

selected=("$@")
wanted() {
    [ ${#selected[@]} -eq 0 ] && return 0
    local id
    for id in "${selected[@]}"; do [ "$id" = "$1" ] && return 0; done
    return 1
}

caught=0 survived=0 refused=0
survivors=()
for ((i = 0; i < ${#fault_ids[@]}; ++i)); do
    id=${fault_ids[i]}
    wanted "$id" || continue
    plant "${fault_files[i]}" "${fault_from[i]}" "${fault_to[i]}"
    if ! build; then
        outcome="refused by the build"
        ((++refused))
    elif tests_pass; then
        outcome="SURVIVED"
        ((++survived))
        survivors+=("$id")
    else
        outcome="caught by $(failed_tests)"
        [ "$outcome" = "caught by " ] && outcome="caught: a program crashed or hung"
        ((++caught))
    fi
    restore
    printf '%-4s %-58s %s\n' "$id" "${fault_what[i]}" "$outcome"
done
build >/dev/null || true

echo "== left out as equivalent"
for ((i = 0; i < ${#equivalent_what[@]}; ++i)); do
    printf '     %s\n       because %s\n' "${equivalent_what[i]}" "${equivalent_why[i]}"
done

echo "== planted faults: $caught caught, $survived survived, $refused refused by the build"
[ $survived -gt 0 ] && echo "survived: ${survivors[*]}"
echo "score: $caught/$((caught + survived))"
