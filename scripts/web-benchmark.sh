#!/usr/bin/env bash
# The web page's figures beside the native host's (a benchmark, not a
# test), on this machine:
#  - the page's size;
#  - its first frame after opening the file in headless chromium, and
#    where the time to it goes;
#  - the bench's median work a frame over a long random flight, the same
#    flight flown live in the same bench session code on both sides, each
#    recording the session: in the page (headless chromium, the picture put
#    on the canvas) and natively (zor_bench_session_benchmark, the picture
#    copied out as the canvas takes it). The work is counted from a frame's
#    start to its picture taken by the screen: the module's frame, the
#    whole panel drawn, the status strip, the screen's show.
#   scripts/web-benchmark.sh [SEEDS]      (default 2 flights, about 75 s)
# Expects build/web (zor_web_page) and build/native (zor_host_native,
# zor_bench_session_benchmark) built.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seeds=${1:-2}
folder=build/web-benchmark
page=$root/build/web/dist/web/zor_bench.html
native=build/native/bench/zor_bench_session_benchmark
mkdir -p "$folder"

# A long flight: several random flights' steps after one panel; both
# sides fly it whole and close a moment later.
node tests/flights/random_flights.mjs write "$folder" "$seeds" 101 >/dev/null
{
    cat "$folder/seed_101.txt"
    for seed in $(seq 102 $((100 + seeds))); do grep -v '^place ' "$folder/seed_$seed.txt"; done
} >"$folder/long_flight.txt"
frames=$(build/native/host/zor_host_native "$folder/long_flight.txt" | sed -n 's/^frames: \([0-9]*\),.*/\1/p')
seconds=$(((frames + 17) / 18 + 2))
echo "flight: $folder/long_flight.txt, $frames frames (at 18 fps), flown for $seconds s on each side"

(cd tests/web && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
node tests/web/benchmark.mjs "$page" "$root/$folder/long_flight.txt" "$seconds"
echo "native, the flight's session: $("$native" "$folder/long_flight.txt" "$seconds" "$folder/native_session.txt" |
    grep '^bench closed')"
