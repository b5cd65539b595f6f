#!/usr/bin/env bash
# What the native host holds in memory (its maximum resident set, measured
# by /usr/bin/time -v) for inputs that name far more than they draw: a
# window of 100,000 gauge lines, a run of 4 million frames without a trace,
# a run that keeps 5,000 pictures for its contact sheet, and one gauge
# placed at the largest width the host allows. An input the host refuses
# shows its refusal and the memory it took to say so.
#   scripts/memory-benchmark.sh [BUILD_TREE]     (default build/native)
# ZOR_FRAMES sets the long run's frames (default 4000000). Each run is held
# to ZOR_SECONDS (default 300) and ZOR_MEMORY_MB of address space (default
# 8192), so a host that grows without end stops there (exit 124 for the
# time, 4 for the memory) with the figure it reached.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tree=${1:-$root/build/native}
frames=${ZOR_FRAMES:-4000000}
seconds=${ZOR_SECONDS:-300}
memory_mb=${ZOR_MEMORY_MB:-8192}

source "$root/scripts/build-trees.sh"
build_tree_at "$tree" zor_host_native
host=$tree/host/zor_host_native

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
panel_folder=$work/sim/Aircraft/Test/Panel
mkdir -p "$panel_folder"
: >"$panel_folder/KRV_ZOR_V1_02.gau" # the native host has the module linked in

# 100,000 small gauges on a 1024 x 768 window, drawn once.
{
    printf '[Window00]\nsize_mm=1024,768\n'
    awk 'BEGIN { for (i = 0; i < 100000; i++) printf "gauge%02d=KRV_ZOR_V1_02!ZOR_1, %d, %d, 64\n", i, (i % 16) * 64, int(i / 16) % 12 * 64 }'
} >"$panel_folder/many.cfg"
printf 'frames 2\nsnapshot panel.png\n' >"$work/two_frames.txt"

# A scenario's frames come at most a million a line.
{
    printf 'place ZOR_1 0 0\nset bus_volts 27\n'
    for ((left = frames; left > 0; left -= 1000000)); do printf 'frames %s\n' $((left < 1000000 ? left : 1000000)); done
} >"$work/long_run.txt"

{
    printf 'place ZOR_1 0 0\nset bus_volts 27\n'
    for i in $(seq 5000); do printf 'frames 1\nmoment m%s\n' "$i"; done
    printf 'sheet sheet.png\n'
} >"$work/moments.txt"

# The largest width a gauge may be placed at, as the host says it.
printf 'place ZOR_1 0 0 0\n' >"$work/zero_width.txt"
width=$({ "$host" "$work/zero_width.txt" 2>&1 || true; } | sed -n "s/.*is not a gauge width from 1 to \([0-9]*\).*/\1/p")
printf 'place ZOR_1 0 0 %s\nset bus_volts 27\nframes 2\nsnapshot big.png\n' "$width" >"$work/wide.txt"

measure() {
    local what=$1
    shift
    local log=$work/time.log
    local status=0
    (
        ulimit -v $((memory_mb * 1024))
        exec /usr/bin/time -v -o "$log" timeout "$seconds" "$@"
    ) >"$work/out.log" 2>&1 || status=$?
    local rss seconds
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
    seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$log")
    printf '%-34s %8s MB  %9s  exit %s  %s\n' "$what" "$((rss / 1024))" "$seconds" "$status" \
        "$(grep -v '^$' "$work/out.log" | tail -1 | cut -c1-110)"
}

echo "== $host"
printf '%-34s %11s  %9s\n' input "max RSS" "wall time"
measure "100,000 gauge lines (--panel)" "$host" --out "$work" --panel "$panel_folder/many.cfg" "$work/two_frames.txt"
measure "$frames frames, no trace" "$host" --out "$work" "$work/long_run.txt"
measure "5,000 moments and a sheet" "$host" --out "$work" "$work/moments.txt"
measure "one gauge at width $width" "$host" --out "$work" "$work/wide.txt"
