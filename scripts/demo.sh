#!/usr/bin/env bash
# Flies the demo scenario in the panel host with the real module: a contact
# sheet of the key moments, the recorded alert tone, the film of the flight
# with its tone, the per-frame trace and its timeline, and the host's median
# frame cost of the whole panel over a long run.
#   scripts/demo.sh WIN32_TREE [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
win32=$(cd "${1:?win32 build tree}" && pwd)
out=${2:-$root/build/demo}
mkdir -p "$out"
out=$(cd "$out" && pwd)
host=$win32/host/zor_panel_host.exe
capture=$win32/wine/capture.wav

# Wine's ALSA output goes into the capture file while the host plays in
# real time; start from an empty one.
rm -f "$capture"
echo "== demo: flying the real module in the panel host under Wine"
"$win32/wine-run" "$host" --out "$out" --trace "$out/demo_trace.jsonl" "$root/scenarios/demo_flight.txt" | tr -d '\r'
if [ -s "$capture" ]; then
    cp "$capture" "$out/demo_alert_recording.wav"
fi

echo "== timeline of the trace"
bash "$root/scripts/timeline.sh" "$out/demo_trace.jsonl" "$out/demo_timeline.png"

echo "== frame cost of the whole panel over a long run"
"$win32/wine-run" "$host" --out "$out" "$root/scenarios/frame_cost.txt" | tr -d '\r'

echo "contact sheet:  $out/demo_contact_sheet.png"
if [ -f "$out/demo_flight.mp4" ]; then
    echo "film:           $out/demo_flight.mp4"
else
    echo "film:           none (no ffmpeg here)"
fi
echo "trace:          $out/demo_trace.jsonl"
echo "timeline:       $out/demo_timeline.png"
if [ -f "$out/demo_alert_recording.wav" ]; then
    echo "alert recorded: $out/demo_alert_recording.wav"
else
    echo "alert recorded: none (Wine wrote no recording in this run)"
fi
