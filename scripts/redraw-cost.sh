#!/usr/bin/env bash
# What a picture of the whole panel costs the native host, in instructions
# counted by callgrind (repeatable where wall time is not), as the difference
# between two runs of one scenario that differ only in the pictures taken:
# - full redraw: the demo's four gauges powered, both altimeters switching
#   units every frame for 20 frames (every lit face drawn anew), with and
#   without a snapshot after each frame: the draw and the PNG file;
# - redraw kept: the same, with a moment kept instead of a snapshot: the
#   draw alone and its copy, without the PNG file;
# - climb: 20 frames of a climb (the needles turn, the lower digits change),
#   with and without a moment kept after each frame: the draw and its copy.
# Each figure is the difference divided by 20.
#   scripts/redraw-cost.sh [BUILD_TREE]     (default build/native)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tree=${1:-$root/build/native}

source "$root/scripts/build-trees.sh"
build_tree_at "$tree" zor_host_native
host=$tree/host/zor_host_native

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=20
units_button="325 25"

# The demo panel (scenarios/bench_demo.txt), both breakers closed and settled,
# drawn once in each unit, so that the bitmaps of both are decoded before
# what is measured (in both runs alike).
powered_panel() {
    cat "$root/scenarios/bench_demo.txt"
    echo "click AZS_ZOR_1 15 32"
    echo "click AZS_ZOR_2 15 32"
    echo "frames 36"
    for units in feet metres; do
        echo "click ZOR_1 $units_button"
        echo "click ZOR_2 $units_button"
        echo "frames 1"
        echo "moment $units"
    done
}

# scenario KIND PICTURE: the frames of KIND, each followed by PICTURE ("" for none).
scenario() {
    local kind=$1 picture=$2
    powered_panel
    for ((i = 0; i < frames; ++i)); do
        case $kind in
        switch) echo "click ZOR_1 $units_button"; echo "click ZOR_2 $units_button"; echo "frames 1" ;;
        climb) echo "set altitude $((i * 850 / 60))"; echo "frames 1" ;;
        esac
        [ -n "$picture" ] && echo "${picture//@/$i}"
    done
    return 0
}

# The instructions of one run of a scenario, start to end.
instructions() {
    local name=$1
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$host" --out "$work/out" "$work/$name.txt" \
        >"$work/$name.log" 2>&1 || {
        cat "$work/$name.log" >&2
        exit 1
    }
    sed -n 's/^summary: //p' "$work/$name.out"
}

mkdir -p "$work/out"
echo "== measured with: valgrind --tool=callgrind $host --out OUT SCENARIO.txt"
measure() {
    local label=$1 kind=$2 picture=$3
    scenario "$kind" "" >"$work/$kind-without.txt"
    scenario "$kind" "$picture" >"$work/$kind-with.txt"
    local without with
    without=$(instructions "$kind-without")
    with=$(instructions "$kind-with")
    awk -v label="$label" -v with="$with" -v without="$without" -v n="$frames" \
        'BEGIN { printf "%-13s %6.2f M instructions per picture (%d pictures: %.0f with, %.0f without)\n", label ":", (with - without) / n / 1e6, n, with, without }'
}
measure "full redraw" switch "snapshot redraw-@.png"
measure "redraw kept" switch "moment switch-@"
measure "climb moment" climb "moment climb-@"
