#!/usr/bin/env bash
# Paths outside the ANSI code page (Cyrillic and CJK folder and file
# names), as a user gets them from Explorer: a panel file dropped on the
# program is checked by the doctor, a scenario is flown with a trace and a
# snapshot written there, and the panel file opens with --panel. The
# simulator's own folder keeps ASCII letters: the module finds its tone
# through ANSI calls, as in the simulator.
#   unicode_paths_test.sh WINE_RUN HOST MODULE TONE EXAMPLE_SECTION OUTPUT_FOLDER
set -uo pipefail
wine_run=$1 host=$2 module=$3 tone=$4 example=$5
out="$6/unicode_paths/Пилот 飛行" sim=$6/unicode_paths/sim
rm -rf "$6/unicode_paths" && mkdir -p "$out" "$sim/Gauges" "$sim/Aircraft/Тест/Panel" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run_host() { "$wine_run" "$host" "$@" </dev/null 2>&1 | tr -d '\r'; }

cp "$module" "$tone" "$sim/Gauges/"
panel="$sim/Aircraft/Тест/Panel/панель.cfg"
cp "$example" "$panel"
printf 'set bus_volts 27\nclick AZS_ZOR_1 15 32\nframes 3\nsnapshot снимок.png\n' >"$out/полёт.txt"

said=$(run_host "$panel")
[ "$(tail -1 <<<"$said")" = "0 problems" ] || fail "the dropped panel file: $said"

said=$(run_host --out "$out" --trace "$out/след.jsonl" --panel "$panel" "$out/полёт.txt")
[[ $said == *"failed expectations: 0"* ]] || fail "the flight: $said"
[ "$(wc -l <"$out/след.jsonl" 2>/dev/null)" = 3 ] || fail "the trace has not the three frames: $(ls "$out")"
[ "$(identify -format %w "$out/снимок.png" 2>/dev/null)" != "" ] || fail "no snapshot: $(ls "$out")"
exit $((failures > 0))
