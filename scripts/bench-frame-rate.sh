#!/usr/bin/env bash
# The frame rate the panel bench holds under Wine on this machine: the demo
# panel in the bench window on an Xvfb display of its own for a minute, then
# the bench's own figures (frames, median interval, median work a frame);
# with a film named, the same while the bench films itself.
#   scripts/bench-frame-rate.sh [SECONDS] [scenario.txt] [film.mp4]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
scenario=${2:+$(realpath "$2")}
film=${3:+$(realpath -m "$3")}
win32=$root/build/win32
[ -f "$win32/host/zor_panel_host.exe" ] || { echo "bench-frame-rate: build the win32 tree first (scripts/build.sh)" >&2; exit 2; }

. "$root/scripts/wine-env.sh"
work=$(mktemp -d)
prefix=$win32/wine/prefix-x11
trap 'zor_wine_stop "$prefix"; zor_display_stop; rm -rf "$work"' EXIT
zor_display_start "$work"

ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 "$win32/wine-run" "$win32/host/zor_panel_host.exe" --window \
    --seconds "$seconds" --report "$work/report.txt" ${film:+--film "$film"} ${scenario:+"$scenario"} >/dev/null
grep -E '^(bench ready|bench closed|film)' "$work/report.txt"
