#!/usr/bin/env bash
# A short flight flown by xdotool in the bench window and recorded, with the
# module followed (--watch) and rebuilt five times, each reload timed from the
# file change to the restored panel; then the record flown headless and its
# trace compared with the live one. Leaves build/win32/bench/hand_flight.txt.
#   scripts/bench-reload.sh   (after a win32 build)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_run=$root/build/win32/wine-run host=$root/build/win32/host/zor_panel_host.exe
mkdir -p "$root/build/win32/bench"
out=$root/build/win32/bench prefix=$root/build/win32/wine/prefix-x11
work=$(mktemp -d)
report=$out/hand_flight_report.txt
session=$out/hand_flight.txt
module=$root/build/win32/host/KRV_ZOR_V1_02.gau
watched=$work/w/KRV_ZOR_V1_02.gau
. $root/tests/host/bench_screen.sh; bench_screen_start
mkdir -p "$(dirname "$watched")"; cp "$module" "$watched"
rm -f "$report" "$report.part" "$session" "$session.part"
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home \
  "$wine_run" "$host" --window --watch --module "$watched" --record "$session" --report "$report" \
  --trace "$out/hand_flight_live.jsonl" --out "$out" >"$work/host.out" 2>&1 &
host_pid=$!
wait_for 180 reported "bench ready" || fail "not ready"
wait_for 30 reported "window client "; bench_client_origin; window=$(xdotool search --name "ZOR panel bench" | head -1)
move 141 417; xdotool click 1; sleep 0.5          # breaker 1
move 511 417; xdotool click 1; sleep 0.5          # breaker 2
move 345 310; xdotool click --repeat 4 --delay 250 1   # pressure up
move 45 315; xdotool mousedown 1; sleep 1.2; xdotool mouseup 1   # selected altitude
xdotool windowfocus "$window"
xdotool key plus; xdotool key plus; xdotool key Up; sleep 3; xdotool key k; sleep 2; xdotool key l
xdotool key p; sleep 1; xdotool key n; sleep 0.5; xdotool key n; sleep 0.5; xdotool key p
xdotool key b; sleep 0.5; xdotool key b; sleep 0.5
times=()
for i in 1 2 3 4 5; do
  n=$(cat "$report.part" "$report" 2>/dev/null | grep -c '^module reloaded')
  t0=$(date +%s.%N); cp "$module" "$watched"
  until [ "$(cat "$report.part" "$report" 2>/dev/null | grep -c '^module reloaded')" -gt "$n" ]; do
    host_gone && fail "the bench ended: $(cat "$work/host.out")"; sleep 0.02
  done
  t1=$(date +%s.%N)
  times+=("$(echo "$t1 - $t0" | bc)")
  echo "reload $i: ${times[-1]} s from the file change; $(cat "$report.part" "$report" 2>/dev/null | grep '^module reloaded' | tail -1 | sed 's/.*; //')"
  sleep 1.5
done
echo "median of five: $(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p) s from the file change to the restored panel"
xdotool key Down; sleep 1; xdotool key l; sleep 0.5
xdotool key Escape
wait_for 30 host_gone; wait "$host_pid"; echo "bench status $?"; host_pid=""
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home \
  "$wine_run" "$host" --trace "$out/hand_flight_replay.jsonl" --out "$out" "$session"; echo "replay status $?"
echo "record: $session"
cmp <(tr -d '\r' <"$out/hand_flight_live.jsonl") <(tr -d '\r' <"$out/hand_flight_replay.jsonl") && echo "traces equal: $(wc -l < "$out/hand_flight_live.jsonl") frames"
