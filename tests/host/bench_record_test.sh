#!/usr/bin/env bash
# A bench session by hand, recorded and followed: the bench runs a copy of
# the module with --record and --watch under Xvfb, driven by xdotool (a
# breaker, the pressure knob turned, the selected-altitude knob held, a
# climb on the keys, K); the watched file is overwritten with a cut-short
# file (refused, the gauges still answer) and then with the module again
# (reloaded: the panel as it was); then the recorded file is flown headless
# and must hold every mark and give the live trace frame for frame. One
# bench run and one headless run, since each Wine start costs.
#   bench_record_test.sh WINE_RUN HOST OUTPUT_FOLDER PREFIX
set -uo pipefail
wine_run=$1 host=$2 out=$3 prefix=$(realpath -m "$4")
mkdir -p "$out"
work=$(mktemp -d)
report=$out/bench_record_report.txt
session=$out/bench_record_session.txt
module=$(dirname "$host")/KRV_ZOR_V1_02.gau
watched=$work/watched/KRV_ZOR_V1_02.gau
. "$(dirname "${BASH_SOURCE[0]}")/bench_screen.sh"
bench_screen_start
. "$(dirname "${BASH_SOURCE[0]}")/crashing_module.sh"
crash_message="the module crashed in its gauge callbacks: illegal instruction (0xc000001d) at "

mkdir -p "$(dirname "$watched")" && cp "$module" "$watched"
rm -f "$report" "$report.part" "$session" "$session.part" "$out/bench_record_live.jsonl" "$out/bench_record_replay.jsonl"
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home \
    "$wine_run" "$host" --window --watch --module "$watched" --record "$session" --report "$report" \
    --trace "$out/bench_record_live.jsonl" --out "$out" >"$work/host.out" 2>&1 &
host_pid=$!
wait_for 180 reported "bench ready" || fail "the bench did not get ready: $(cat "$work/host.out" "$report" 2>/dev/null)"
wait_for 30 reported "window client " || fail "the bench showed no window: $(report_so_far)"
bench_client_origin
window=$(xdotool search --name "ZOR panel bench" | head -1)

lcd_green="29 163 29"
lcd_yellow="158 158 47"
selected_ones=(217 110)    # ZOR_1's selected-altitude ones digit
# A part of the panel on the last screenshot: WIDTHxHEIGHT X Y FILE.
crop() { convert "$work/screen.png" -crop "$1+$((origin_x + $2))+$((origin_y + $3))" "$4"; }
pressure_digits() { shoot; crop 76x25 139 240 "$1"; }
selected_digits() { shoot; crop 110x30 130 95 "$1"; }
same_pixels() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# The demo panel: AZS_ZOR_1 at 120,370, one and a half times its face.
move 141 417; xdotool click 1
expect_report "a click closes the breaker" "press 141,417 left: AZS_ZOR_1 14,31 taken"
expect_colour "ZOR_1 lit once its breaker closed" "${selected_ones[@]}" $lcd_green
move 345 310; xdotool click --repeat 3 --delay 200 1
move 45 315; xdotool mousedown 1; sleep 1; xdotool mouseup 1
xdotool windowfocus "$window" 2>/dev/null
xdotool key Up; sleep 1.5; xdotool key l
expect_report "the climb keys reach the bench" "key L"
xdotool key k
expect_report "K marks what shows" "marked what shows after frame"

# A build still writing: the file cut short is refused, in words, and the
# running module still answers: the units button turns ZOR_1 yellow.
head -c 30000 "$module" >"$watched"
expect_report "a cut-short module file is refused" "module not reloaded: module file is cut short: 30000 of"
move 330 30; xdotool click 1
expect_colour "the old module still answers clicks" "${selected_ones[@]}" $lcd_yellow
move 600 300; sleep 0.5
pressure_digits "$work/pressure_before.png"
selected_digits "$work/selected_before.png"

# The whole module again: reloaded, and the panel as the session left it.
changed_at=$(date +%s.%N)
cp "$module" "$watched"
wait_for 30 reported "module reloaded: KRV_ZOR_V1_02.gau" || fail "the module was not reloaded: $(report_so_far)"
echo "ok: reloaded $(echo "$(date +%s.%N) - $changed_at" | bc) s after the file changed: $(report_so_far | grep '^module reloaded')"
expect_colour "after the reload the breaker is closed and the units are as set" "${selected_ones[@]}" $lcd_yellow
move 600 300; sleep 0.5
pressure_digits "$work/pressure_after.png"
selected_digits "$work/selected_after.png"
same_pixels "$work/pressure_before.png" "$work/pressure_after.png" || fail "the pressure setting changed over the reload"
same_pixels "$work/selected_before.png" "$work/selected_after.png" || fail "the selected altitude changed over the reload"
echo "ok: the pressure setting and the selected altitude are as before the reload"
shoot; keep_screen "$out/bench_record_reloaded.png"

# A rebuild that faults in its gauge callbacks: said as at start-up, and
# the window still closes on Esc.
crashing_module "$module" "$work/crashing.gau" || fail "no crashing copy of the module could be made"
cp "$work/crashing.gau" "$watched"
expect_report "a crash after a reload is reported" "$crash_message"
shoot; keep_screen "$out/bench_record_crashed.png"
xdotool windowfocus "$window" 2>/dev/null
xdotool key Escape
wait_for 30 host_gone || fail "the bench did not close on Esc after the module crashed"
wait "$host_pid"; status=$?; host_pid=""
[ "$status" -eq 5 ] || fail "the bench ended with $status after the module crashed: $(cat "$work/host.out")"
echo "ok: the bench closed on Esc after the crash, exit status 5"
grep -q "^# bench session recorded .* with KRV_ZOR_V1_02.gau, [0-9]* bytes, .* version " "$session" ||
    fail "the record does not say when and with which module: $(head -3 "$session")"
for line in "click AZS_ZOR_1 14 31 left" "press ZOR_1 45 315 left" "release" "ramp altitude 0 " "click ZOR_1 330 30 left" "expect key_count"; do
    grep -qF "$line" "$session" || fail "the record has no '$line': $(cat "$session")"
done
echo "ok: the record holds the session: $(wc -l <"$session") lines"

# The record flown headless: every mark holds, the trace is the live one.
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home \
    "$wine_run" "$host" --trace "$out/bench_record_replay.jsonl" --out "$out" "$session" >"$work/replay.out" 2>&1
status=$?
tr -d '\r' <"$work/replay.out"
[ "$status" -eq 0 ] || fail "the headless replay ended with $status"
grep -q "failed expectations: 0" "$work/replay.out" || fail "the replay did not report its marks"
cmp -s <(tr -d '\r' <"$out/bench_record_live.jsonl") <(tr -d '\r' <"$out/bench_record_replay.jsonl") ||
    fail "the replay's trace differs from the live one: $(diff <(tr -d '\r' <"$out/bench_record_live.jsonl") \
        <(tr -d '\r' <"$out/bench_record_replay.jsonl") | head -4 | cut -c 1-300)"
echo "ok: the replay's trace is the live one, $(wc -l <"$out/bench_record_live.jsonl") frames"
# The same fault at start-up, headless: the same words, the same status.
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home \
    "$wine_run" "$host" --module "$work/crashing.gau" --out "$out" "$session" >"$work/crash.out" 2>&1
status=$?
[ "$status" -eq 5 ] && grep -qF "$crash_message" "$work/crash.out" ||
    fail "a crash at start-up ended with $status: $(cat "$work/crash.out")"
echo "ok: a crash at start-up: $(grep -F "$crash_message" "$work/crash.out" | tr -d '\r')"
echo "record: $session"
