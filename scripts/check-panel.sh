#!/usr/bin/env bash
# The doctor for blank gauges, on Linux: reads an aircraft's panel.cfg in a
# simulator's folder (Aircraft/PLANE/Panel/panel.cfg, or any panel file with
# --sim-folder) and prints, line by line, what keeps a gauge from showing,
# ending with "N problems". Exits 0 only when there are none.
#   scripts/check-panel.sh PATH/panel.cfg [--sim-folder FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: scripts/check-panel.sh PATH/panel.cfg [--sim-folder FOLDER]" >&2; exit 2; }
args=(--check "$(realpath -m "$1")")
shift
while [ $# -gt 0 ]; do
    case $1 in
        --sim-folder) args+=(--sim-folder "$(realpath -m "${2:?--sim-folder needs a folder}")"); shift 2 ;;
        *) echo "check-panel: unexpected '$1'" >&2; exit 2 ;;
    esac
done
cd "$root"
bash scripts/setup.sh >/dev/null
if [ ! -f build/win32/host/zor_panel_host.exe ]; then
    echo "== build: the win32 tree's panel host (once)" >&2
    cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
    cmake --build build/win32 -j "${ZOR_JOBS:-2}" --target zor_panel_host >&2
fi
build/win32/wine-run build/win32/host/zor_panel_host.exe "${args[@]}" | tr -d '\r'
