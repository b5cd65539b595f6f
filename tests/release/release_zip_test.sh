#!/usr/bin/env bash
# The release as a user gets it: the zip unpacked into a fresh folder, laid
# out for the simulator's folder, its checksums checked, its programs free
# of debug sections (their debug information beside the stripped builds,
# reading a crash address), and the bench started from its own folder with
# no arguments, as a double-click does, showing the demo panel on an Xvfb
# display under Wine's X11 driver.
#   release_zip_test.sh WINE_RUN ZIP_FOLDER STRIPPED_FOLDER OUTPUT_FOLDER PREFIX
set -uo pipefail
wine_run=$1 zip_folder=$2 stripped=$3 out=$4 prefix=$(realpath -m "$5")
mkdir -p "$out"
work=$(mktemp -d)
report=$work/host.out
. "$(dirname "${BASH_SOURCE[0]}")/../host/bench_screen.sh"

zips=("$zip_folder"/KRV_ZOR_V1_02-*.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one release zip in $zip_folder, found: ${zips[*]}"
zip=${zips[0]}
version=$(basename "$zip" .zip)
version=${version#KRV_ZOR_V1_02-}
[[ $version =~ ^[0-9]+(\.[0-9]+)+$ ]] || fail "the zip's version '$version' is not a version"
echo "ok: $(basename "$zip")"

sim=$work/sim
mkdir -p "$sim"
(cd "$sim" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
for file in Gauges/KRV_ZOR_V1_02.gau Gauges/zor_sound.wav INSTALL.txt panel.cfg.example SHA256SUMS \
    Bench/zor_panel_host.exe Bench/KRV_ZOR_V1_02.gau Bench/Gauges/zor_sound.wav Bench/bench_demo.txt Bench/demo_flight.txt; do
    [ -f "$sim/$file" ] || fail "the zip holds no $file at its top (it holds: $(cd "$sim" && find . -type f))"
done
echo "ok: laid out for the simulator's folder, the bench's tone below its exe"

(cd "$sim" && sha256sum --strict --quiet -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS"
listed=$(wc -l <"$sim/SHA256SUMS")
files=$(find "$sim" -type f ! -name SHA256SUMS | wc -l)
[ "$listed" -eq "$files" ] || fail "SHA256SUMS lists $listed files, the zip holds $files besides it"
echo "ok: sha256sum -c SHA256SUMS, every file listed"

# The example panel lines are the ones the install note shows.
while IFS= read -r line; do
    grep -qF -- "     ${line%$'\r'}" "$sim/INSTALL.txt" || fail "INSTALL.txt does not show '${line%$'\r'}'"
done <"$sim/panel.cfg.example"
grep -qF "version $version" "$sim/INSTALL.txt" || fail "INSTALL.txt does not name version $version"
echo "ok: INSTALL.txt shows panel.cfg.example and version $version"

for program in Gauges/KRV_ZOR_V1_02.gau Bench/zor_panel_host.exe; do
    sections=$(i686-w64-mingw32-objdump -h "$sim/$program") || fail "objdump cannot read $program"
    grep -q ' \.debug_' <<<"$sections" && fail "$program carries debug sections: $(grep -o '\.debug_[a-z_]*' <<<"$sections" | tr '\n' ' ')"
    grep -q ' \.gnu_debuglink ' <<<"$sections" || fail "$program has no debug link"
done
echo "ok: no .debug_ sections in the shipped module and host, each with its debug link"

# A crash address in the shipped module reads as a source line through the
# debug information kept beside its stripped build.
cmp -s "$stripped/KRV_ZOR_V1_02.gau" "$sim/Gauges/KRV_ZOR_V1_02.gau" || fail "the zip's module is not the stripped build"
callback=$(i686-w64-mingw32-nm "$stripped/KRV_ZOR_V1_02.gau" | sed -n 's/^\([0-9a-f]*\) T .*zor_1_gauge_callback.*/\1/p' | head -1)
[ -n "$callback" ] || fail "no ZOR_1 gauge callback among the module's symbols"
address=$(printf '0x%x' $((16#$callback + 16)))
place=$(i686-w64-mingw32-addr2line -e "$stripped/KRV_ZOR_V1_02.gau" "$address")
[[ $place == *gauge_callbacks.cpp:[0-9]* ]] || fail "address $address, in the ZOR_1 callback, reads as '$place'"
echo "ok: a crash address reads as $(basename "$place")"

# The bench, started with no arguments from its folder.
bench_screen_start
cd "$sim/Bench"
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home ZOR_SOUND_CAPTURE=$work/sound.wav \
    "$wine_run" zor_panel_host.exe </dev/null >"$report" 2>&1 &
host_pid=$!
wait_for 180 reported "bench ready" || fail "the bench did not get ready: $(cat "$report")"
# The window's place is reported once its first frame shows, after "bench ready".
wait_for 30 reported "window client " || fail "the bench showed no window: $(cat "$report")"
bench_client_origin
echo "ok: the bench opened: $(grep '^window client' "$report")"

# The demo panel: both dials dark (their breakers open) side by side, the
# panel's ground between them, a breaker's lever below each.
dark_dial="139 143 135"
expect_colour "ZOR_1's dark dial at the left" 180 120 $dark_dial
expect_colour "ZOR_2's dark dial at the right" 550 120 $dark_dial
expect_colour "the panel's ground between them" 365 200 48 52 56
expect_colour "AZS_ZOR_1's lever below ZOR_1" 142 455 150 152 156
expect_colour "AZS_ZOR_2's lever below ZOR_2" 512 455 150 152 156
keep_screen "$out/release_bench.png"

xdotool windowfocus "$(xdotool search --name "ZOR panel bench" | head -1)" 2>/dev/null
xdotool key Escape
wait_for 30 host_gone || fail "the bench did not close on Esc"
wait "$host_pid"
status=$?
host_pid=""
[ "$status" -eq 0 ] || fail "the host ended with $status: $(cat "$report")"
echo "ok: Esc closed the bench"
echo "screenshot: $out/release_bench.png"
