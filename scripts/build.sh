#!/usr/bin/env bash
# The main job: builds the module and the panel host, assembles dist/ and
# the release zip, and flies the demo panel in the host, saying where
# everything is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
source scripts/build-trees.sh

# Only what ships and what the demo flies: the generators and the timeline
# tool natively, then
# the module, dist/ with the release zip, and the panel host; no test
# programs.
build_tree native -- zor_artwork zor_tone zor_cursors zor_timeline
# The bench's web page first: the release carries it in its Web folder.
build_tree web "${web_tree_args[@]}" -- zor_web_page
build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DZOR_TOOLS_TREE="$root/build/native" \
    -DZOR_WEB_TREE="$root/build/web" -- dist zor_panel_host

# dist/: the release as it unzips (no top folder: its gauges folder lands
# on the simulator's own), and the zip itself.
rm -rf dist
cp -r build/win32/dist dist
cp build/win32/release/KRV_ZOR_V1_02-*.zip dist/
mkdir -p dist/web
cp build/web/dist/web/zor_bench.html dist/web/
zip_file=$(ls dist/KRV_ZOR_V1_02-*.zip)

echo
echo "module:    $root/dist/Gauges/KRV_ZOR_V1_02.gau ($(stat -c %s dist/Gauges/KRV_ZOR_V1_02.gau) bytes; built with its debug information: $(stat -c %s build/win32/KRV_ZOR_V1_02.gau))"
echo "release:   $root/$zip_file ($(stat -c %s "$zip_file") bytes)"
echo "dist:      $root/dist (Gauges/ with the module and the tone, INSTALL.txt, panel.cfg.example, Bench/, SHA256SUMS)"
echo "debug:     $root/build/win32/stripped/*.debug (beside the stripped module and host, for reading crash addresses)"
echo "web page:  $root/dist/web/zor_bench.html (also Web/ in the zip; scripts/web-bench.sh serves it)"
echo "artwork:   $root/build/win32/generated/bitmaps/sheets/*.png"

if [ -f scripts/demo.sh ] && [ -f build/win32/host/zor_panel_host.exe ]; then
    bash scripts/demo.sh "$root/build/win32" "$root/build/demo"
fi
