#!/usr/bin/env bash
# Random flights of the demo panel flown by the three builds and compared
# frame for frame: the native host, the Windows host with the real DLL
# under Wine (the truth), and the web build's host under Node. Each build
# flies all the flights in one process (--flights).
#   scripts/random-flights.sh [COUNT] [FIRST_SEED]     (default 200, 1)
# Expects the trees built (build/native, build/win32, build/web; the test
# command builds them). Prints every difference as seed, frame and element,
# then "N random flights: equal in all three builds"; exits 1 on any
# difference. The scenarios and traces stay in build/flights/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
count=${1:-200}
first=${2:-1}
folder=build/flights

rm -rf "$folder"
node tests/flights/random_flights.mjs write "$folder" "$count" "$first"

# Each host says per flight what it ran; only the end of its account is shown.
fly() {
    local build=$1
    shift
    if ! "$@" --flights "$folder/flights_$build.txt" >"$folder/$build.log" 2>&1; then
        echo "random flights: the $build build failed"
        tail -5 "$folder/$build.log"
        return 1
    fi
    echo "$build: $(tail -1 "$folder/$build.log" | tr -d '\r')"
}

status=0
fly native build/native/host/zor_host_native || status=1
fly web node build/web/host/web/zor_host_node.js || status=1
fly win32 build/win32/wine-run build/win32/host/zor_panel_host.exe || status=1
node tests/flights/random_flights.mjs compare "$folder" || status=1
exit $status
