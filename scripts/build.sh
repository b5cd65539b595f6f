#!/usr/bin/env bash
# The main job: builds the module and the panel host, assembles dist/, and
# flies the demo panel in the host, saying where everything is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
source scripts/build-trees.sh

build_tree native
build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"

rm -rf dist
cp -r build/win32/dist dist

echo
echo "module:    $root/dist/KRV_ZOR_V1_02.gau ($(stat -c %s dist/KRV_ZOR_V1_02.gau) bytes)"
echo "dist:      $root/dist (module, gauges/zor_sound.wav, INSTALL.txt)"
echo "artwork:   $root/build/native/generated/bitmaps/sheets/*.png"

if [ -f scripts/demo.sh ] && [ -f build/win32/host/zor_panel_host.exe ]; then
    bash scripts/demo.sh "$root/build/win32" "$root/build/demo"
fi
