#!/usr/bin/env bash
# The main job: builds the module and the panel host, assembles dist/, and
# flies the demo panel in the host, saying where everything is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
source scripts/build-trees.sh

# Only what ships and what the demo flies: the generators natively, then
# the module, its dist/ folder and the panel host; no test programs.
build_tree native -- zor_artwork zor_tone zor_cursors
build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DZOR_TOOLS_TREE="$root/build/native" \
    -- dist zor_panel_host

rm -rf dist
cp -r build/win32/dist dist

echo
echo "module:    $root/dist/KRV_ZOR_V1_02.gau ($(stat -c %s dist/KRV_ZOR_V1_02.gau) bytes)"
echo "dist:      $root/dist (module, gauges/zor_sound.wav, INSTALL.txt)"
echo "artwork:   $root/build/win32/generated/bitmaps/sheets/*.png"

if [ -f scripts/demo.sh ] && [ -f build/win32/host/zor_panel_host.exe ]; then
    bash scripts/demo.sh "$root/build/win32" "$root/build/demo"
fi
