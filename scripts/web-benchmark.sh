#!/usr/bin/env bash
# The web page's figures beside the native host's (a benchmark, not a
# test): the page's size, its first frame after opening, the bench's median
# work a frame in headless chromium over a long random flight (the frame,
# the drawing and the canvas), and the native host's median frame cost and
# whole-panel draw for the same flight.
#   scripts/web-benchmark.sh [SECONDS]      (default 40)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-40}
folder=build/web-benchmark
mkdir -p "$folder"
# A long flight: several random flights' steps after one panel.
node tests/flights/random_flights.mjs write "$folder" 4 101 >/dev/null
{ cat "$folder/seed_101.txt"; for seed in 102 103 104; do grep -v '^place ' "$folder/seed_$seed.txt"; done; } >"$folder/long_flight.txt"
(cd tests/web && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
node tests/web/benchmark.mjs "$root/build/web/dist/web/zor_bench.html" "$root/$folder/long_flight.txt" "$seconds"
echo "native host, headless: $(build/native/host/zor_host_native "$folder/long_flight.txt" | tail -1)"
