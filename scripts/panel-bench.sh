#!/usr/bin/env bash
# Opens the panel bench: the real module's gauges live in a window, under
# Wine on Linux, on this desktop's display and with its sound. Without a
# scenario the demo panel opens (bus on, breakers open); with one, it is
# flown first and the bench stays under your hand after it.
#   scripts/panel-bench.sh [scenario.txt] [--xray]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if [ -z "${DISPLAY:-}" ]; then
    echo "panel-bench: no display (DISPLAY is empty); run it on a desktop, or under xvfb-run to try it blind" >&2
    exit 2
fi
bash scripts/setup.sh
if [ ! -f build/win32/host/zor_panel_host.exe ]; then
    echo "== build: the win32 tree's panel host (once)"
    cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
    cmake --build build/win32 -j "${ZOR_JOBS:-2}" --target zor_panel_host
fi

# A scenario's snapshots and sheets land in build/bench.
mkdir -p build/bench
args=(--window --out "$root/build/bench")
for word in "$@"; do
    case $word in
        --*) args+=("$word") ;;
        *) args+=("$(realpath "$word")") ;;
    esac
done
echo "== panel bench: mouse on the gauges as in the simulator (hold a knob, rest on the pressure knob for its"
echo "   tooltip, right click a knob to reset it); the keys are listed under the panel and below"
ZOR_WINE_PREFIX="$root/build/win32/wine/prefix-x11" ZOR_WINE_GRAPHICS=x11 ZOR_WINE_SOUND=speakers \
    build/win32/wine-run build/win32/host/zor_panel_host.exe "${args[@]}"
