#!/usr/bin/env bash
# What drawing costs the live panel, in instructions counted by callgrind
# (repeatable where wall time is not): one whole-panel draw of the demo's
# four gauges: the first (cold), one in a frame where nothing changed, the
# draws of a climb, where the needles turn and digits change every frame (the
# figure that matters for a live panel), and the frame after ZOR_1 switches
# to feet, where its whole face changes; and the PNG encoding of a contact
# sheet the size of the demo's.
#   scripts/draw-benchmark.sh [BUILD_TREE]     (default build/native)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tree=${1:-$root/build/native}

bash "$root/scripts/setup.sh"
source "$root/scripts/build-trees.sh"
build_tree_at "$tree" zor_draw_benchmark
benchmark=$tree/bench/zor_draw_benchmark

profiles=$(mktemp -d)
trap 'rm -rf "$profiles"' EXIT
command=(valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$profiles/callgrind.out" "$benchmark")
echo "== measured with: ${command[*]}"
"${command[@]}" 2>"$profiles/valgrind.log" | grep -v '^wall clock' || {
    cat "$profiles/valgrind.log" >&2
    exit 1
}

# Each client-request dump names what it measured and counts its
# instructions on its summary line.
for profile in "$profiles"/callgrind.out.*; do
    what=$(sed -n 's/^desc: Trigger: Client Request: //p' "$profile")
    instructions=$(sed -n 's/^summary: //p' "$profile")
    echo "$what	${instructions:-0}"
done | awk -F'\t' '
    { n[$1]++; sum[$1] += $2; if (!($1 in lo) || $2 < lo[$1]) lo[$1] = $2; if ($2 > hi[$1]) hi[$1] = $2 }
    END {
        order[1] = "cold draw"; order[2] = "still draw"; order[3] = "climb draw"; order[4] = "switch draw"; order[5] = "sheet png"
        for (i = 1; i <= 5; ++i) {
            w = order[i]
            if (!(w in n)) continue
            if (n[w] == 1)
                printf "%-11s %14.0f instructions\n", w ":", sum[w]
            else
                printf "%-11s %14.0f instructions per call, mean of %d (least %.0f, most %.0f)\n", w ":", sum[w] / n[w], n[w], lo[w], hi[w]
        }
    }'

echo "== wall clock, natively (varies with the machine and its load)"
"$benchmark" | grep '^wall clock'
