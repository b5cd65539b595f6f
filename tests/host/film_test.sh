#!/usr/bin/env bash
# The demo flight's film, flown by the panel host with the real module under
# Wine and decoded by ffprobe and ffmpeg: as many pictures as frames run, at
# the scenario's frame rate; the picture at the capture moment is the
# contact sheet's picture of that moment within codec tolerance (and an
# earlier picture is not); the sound track is loud at the frames where the
# trace shows the tone playing and silent elsewhere, to within one frame.
#   film_test.sh WINE_RUN HOST SCENARIO OUTPUT_FOLDER
set -euo pipefail
wine_run=$1 host=$2 scenario=$3 out=$4
moment="capture: tone"
# Measured in the film's own pixel format, yuv420p, which the film must use:
# its halved colour resolution alone costs about 34 dB in RGB on this
# artwork, whatever the encoder does, so only the encoder's loss counts.
least_psnr_db=35
loud_db=-40      # the tone's quietest frames stay well above
quiet_db=-60     # silence decodes as digital silence, or next to it
columns=4 margin=12 caption_height=24   # the contact sheet's layout
mkdir -p "$out"
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in ffmpeg ffprobe convert identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs ffmpeg and imagemagick)"
done

film=$out/demo_flight.mp4 trace=$out/film_trace.jsonl
rm -f "$film"
ran=$("$wine_run" "$host" --out "$out" --trace "$trace" "$scenario" 2>&1) || fail "the host failed: $ran"
echo "$ran"
frames=$(sed -n 's/^frames: \([0-9]*\),.*/\1/p' <<<"$ran")
[ -s "$film" ] || fail "no film at $film"

# Pictures: count and rate.
read -r counted rate < <(ffprobe -v error -select_streams v:0 -count_frames \
    -show_entries stream=nb_read_frames,r_frame_rate -of csv=p=0 "$film" | awk -F, '{ print $2, $1 }')
fps=$(awk '$1 == "fps" { print $2 }' "$scenario" | tail -1)
echo "film: $counted pictures at $rate, run: $frames frames at $fps fps"
[ "$counted" = "$frames" ] || fail "the film has $counted pictures, the run $frames frames"
[ "$rate" = "$fps/1" ] || fail "the film runs at $rate, the scenario at $fps"

# The moment's frame: the frames run before its line, and its place on the sheet.
read -r moment_frame moment_index < <(awk -v caption="$moment" '
    $1 == "frames" { n += $2 } $1 == "ramp" { n += $5 } $1 == "hold" { n += $NF }
    $1 == "moment" { line = $0; sub(/^moment +"?/, "", line); sub(/"? *$/, "", line)
                     if (line == caption) { print n, k; exit } ++k }' "$scenario")
[ -n "$moment_frame" ] || fail "no moment \"$moment\" in $scenario"
read -r width height < <(ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=p=0 "$film" | tr , ' ')
read -r panel_width panel_height < <(identify -format '%w %h\n' "$out/demo_final.png")
left=$((margin + moment_index % columns * (panel_width + margin)))
top=$((margin + moment_index / columns * (panel_height + caption_height + margin)))
convert "$out/demo_contact_sheet.png" -crop "${panel_width}x${panel_height}+$left+$top" +repage "$out/film_sheet_moment.png"
picture() {  # picture N FILE: the film's picture after frame N (counted from 1)
    ffmpeg -v error -y -i "$film" -vf "select=eq(n\,$(($1 - 1))),crop=$panel_width:$panel_height:0:0" -frames:v 1 "$2"
}
# The pictures' average PSNR over Y, U and V, on their even-sized part.
psnr() {
    local even=$((panel_width / 2 * 2))x$((panel_height / 2 * 2)) crop
    crop="crop=${even%x*}:${even#*x}:0:0,format=yuv420p"
    ffmpeg -v error -i "$1" -i "$2" -lavfi "[0]$crop[a];[1]$crop[b];[a][b]psnr=stats_file=-" -f null - |
        sed -n 's/.*psnr_avg:\([0-9.inf]*\).*/\1/p' | awk '{ print ($1 == "inf" ? 99 : $1) }'
}
picture "$moment_frame" "$out/film_moment.png"
picture 1 "$out/film_first.png"
at_moment=$(psnr "$out/film_moment.png" "$out/film_sheet_moment.png")
at_first=$(psnr "$out/film_first.png" "$out/film_sheet_moment.png")
echo "PSNR against the sheet's \"$moment\": $at_moment dB at frame $moment_frame, $at_first dB at frame 1 (${width}x$height film)"
awk -v a="$at_moment" -v l="$least_psnr_db" 'BEGIN { exit !(a >= l) }' || fail "the capture moment's picture is off: $at_moment dB"
awk -v a="$at_first" -v l="$least_psnr_db" 'BEGIN { exit !(a < l) }' || fail "the first picture matches the capture moment too"

# Sound: one level per frame's stretch of samples, against the trace's tone.
per_frame=$(awk -v fps="$fps" 'BEGIN { printf "%d", 44100 / fps }')
ffmpeg -v error -i "$film" -vn -ac 1 -ar 44100 -af "asetnsamples=n=$per_frame,astats=metadata=1:reset=1,ametadata=print:key=lavfi.astats.Overall.RMS_level:file=$out/film_levels.txt" -f null -
awk -v loud="$loud_db" -v quiet="$quiet_db" '
    FNR == NR { n = split($0, calls, /"sound":\[/); s = calls[n]; playing[FNR] = p
                while (match(s, /"(play|stop)"/)) { p = substr(s, RSTART + 1, 4) == "play"; s = substr(s, RSTART + RLENGTH) }
                playing[FNR] = p; frames = FNR; next }
    /RMS_level/ { split($0, kv, "="); level[++chunk] = kv[2] == "-inf" ? -200 : kv[2] + 0 }
    END {
        for (f = 1; f <= frames; ++f) {
            # A frame next to a change of the tone may hold the edge of it.
            edge = playing[f - 1] != playing[f] || playing[f + 1] != playing[f]
            if (playing[f]) tone++
            if (edge) continue
            if (playing[f] && level[f] < loud) { printf "frame %d: the tone plays, the track is at %s dB\n", f, level[f]; bad++ }
            if (!playing[f] && level[f] > quiet) { printf "frame %d: no tone, the track is at %s dB\n", f, level[f]; bad++ }
        }
        printf "sound: %d frames of tone in the trace, %d frames out of step\n", tone, bad
        exit !(tone > 0 && bad == 0)
    }' "$trace" "$out/film_levels.txt" || fail "the sound track is not in step with the trace"
echo "film: $film"
