#!/usr/bin/env bash
# The bench window on a display of its own: Xvfb, Wine's X11 driver in a
# prefix of its own, the host flying scenarios/bench_window.txt and then
# driven by xdotool like a person, read back through screenshots and the
# host's report, its sound recorded from Wine's ALSA output. One bench run
# with many checks, since each Wine start costs.
#   bench_window_test.sh WINE_RUN HOST SCENARIO OUTPUT_FOLDER PREFIX
set -uo pipefail
wine_run=$1 host=$2 scenario=$3 out=$4 prefix=$(realpath -m "$5")
mkdir -p "$out"
# The README's bench picture: this wide, and at least this alike (the same
# screenshot scores about 41 dB, the X-ray view of it about 26).
readme_picture_width=480
readme_picture_least_db=33
work=$(mktemp -d)
report=$out/bench_window_report.txt
. "$(dirname "${BASH_SOURCE[0]}")/bench_screen.sh"
bench_screen_start

rm -f "$report" "$report.part" "$out/bench_window_sound.wav"
ZOR_WINE_PREFIX=$prefix ZOR_WINE_GRAPHICS=x11 ZOR_WINE_HOME=$work/home ZOR_SOUND_CAPTURE=$out/bench_window_sound.wav \
    "$wine_run" "$host" --window --report "$report" --out "$out" \
    "$scenario" >"$work/host.out" 2>&1 &
host_pid=$!
wait_for 180 reported "bench ready" || fail "the bench did not get ready: $(cat "$work/host.out" "$report" 2>/dev/null)"
reported "scenario done: 55 frames, failed expectations: 0" || fail "the scenario failed: $(report_so_far)"
reported "tone playing" || fail "the tone did not play in the scenario: $(report_so_far)"
reported "host cursors loaded from its resources: 3 of 3" || fail "the host's cursors did not load: $(report_so_far)"

bench_client_origin
window=$(xdotool search --name "ZOR panel bench" | head -1)
[ -n "$window" ] || fail "no window called ZOR panel bench on the display"

lcd_green="29 163 29"
lcd_yellow="158 158 47"
selected_ones=(217 110)    # the selected-altitude window's ones digit

shoot
[ "$(pixel "${selected_ones[@]}")" != "$lcd_green" ] || fail "ZOR_1 is lit before its breaker closed"

# Cursors, as the host reports setting them.
move 40 40;   expect_report "hand over the brightness switch" "cursor hand ZOR_1 40,40"
move 320 310; expect_report "down arrow over the pressure knob's left half" "cursor down_arrow ZOR_1 320,310"
move 350 320; expect_report "up arrow over its right half" "cursor up_arrow ZOR_1 350,320"
move 392 48;  expect_report "hand over the scaled breaker, at its face point" "cursor hand AZS_ZOR_1 14,31"

# The breaker powers ZOR_1; the units button turns its LCD yellow.
xdotool click 1
expect_report "a click on the breaker is taken" "press 392,48 left: AZS_ZOR_1 14,31 taken"
expect_colour "ZOR_1 lit green once its breaker closed" "${selected_ones[@]}" $lcd_green
move 330 30; xdotool click 1
expect_colour "the units button turns ZOR_1 yellow" "${selected_ones[@]}" $lcd_yellow

# A right click on the switch reaches nothing: still yellow after a second.
xdotool click 3
expect_report "a right click on the units button is not taken" "press 330,30 right: ZOR_1 330,30 not taken by its area"
sleep 1
expect_colour "the right click changed nothing" "${selected_ones[@]}" $lcd_yellow

# Resting over the pressure knob brings the tooltip with the setting.
move 345 310
expect_report "the tooltip shows the pressure setting" 'tooltip "1013"'
expect_colour "the tooltip box beside the pointer" $((345 + 18)) $((310 + 26)) 255 255 225

# Holding the knob's right half raises the setting: the digits change and
# the tooltip counts.
shoot
convert "$work/screen.png" -crop "76x25+$((origin_x + 139))+$((origin_y + 240))" "$work/digits_before.png"
xdotool mousedown 1
expect_report "the tooltip counts while the knob is held" 'tooltip "1020"'
xdotool mouseup 1
shoot
convert "$work/screen.png" -crop "76x25+$((origin_x + 139))+$((origin_y + 240))" "$work/digits_after.png"
cmp -s "$work/digits_before.png" "$work/digits_after.png" && fail "the pressure digits did not change while the knob was held"
echo "ok: the pressure digits changed while the knob was held"
sleep 0.5
shoot
keep_screen "$out/bench_window.png"

# The README's picture of the bench is this screenshot made small; it must
# still show what the bench shows (only the status strip's figures may move).
readme_picture=$(dirname "${BASH_SOURCE[0]}")/../../docs/bench.png
convert "$out/bench_window.png" -resize "$readme_picture_width"x -strip "$out/bench_window_small.png"
likeness=$(compare -metric PSNR "$out/bench_window_small.png" "$readme_picture" null: 2>&1 || true)
awk -v db="$likeness" -v least="$readme_picture_least_db" 'BEGIN { exit !(db + 0 >= least) }' ||
    fail "docs/bench.png no longer shows the bench ($likeness dB): make it anew with" \
         "convert $out/bench_window.png -resize ${readme_picture_width}x -colors 64 -strip docs/bench.png"
echo "ok: docs/bench.png shows the bench ($likeness dB)"

# Keys: X lays the X-ray view over the panel, the brightness switch's click
# area outlined along its box (23, 20, 45 x 45).
xdotool windowfocus "$window" 2>/dev/null
xdotool key x
expect_report "the X-ray key reaches the bench" "key X"
expect_colour "X-ray outlines the brightness switch's click area" 40 20 255 140 0
shoot
keep_screen "$out/bench_window_xray.png"

xdotool key Escape
wait_for 30 host_gone || fail "the bench did not close on Esc"
wait "$host_pid"
status=$?
host_pid=""
[ "$status" -eq 0 ] || fail "the host ended with $status: $(cat "$work/host.out")"
reported "bench closed" || fail "the bench did not report closing"
# The tone reached Wine's sound output: loud samples in the recording.
loud=$(od -An -v -j 44 -t d2 "$out/bench_window_sound.wav" 2>/dev/null |
    awk '{ for (i = 1; i <= NF; i++) if ($i > 2000 || $i < -2000) n++ } END { print n + 0 }')
[ "$loud" -gt 1000 ] || fail "the recording holds no tone ($loud loud samples)"
echo "ok: the tone played on the window's sound device ($loud loud samples recorded)"
echo "ok: Esc closed the bench; $(grep '^bench closed' "$report")"
echo "screenshot: $out/bench_window.png"
