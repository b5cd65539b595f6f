#!/usr/bin/env bash
# The install note's window section laid out in a simulator's folder as a
# user lays it out (Gauges\, Aircraft\Test\Panel\panel.cfg), with the real
# module under Wine: the doctor finds nothing wrong, --panel places the four
# gauges where and as big as the section says (the same pixels as the
# gauges placed one by one), over a background when the section has one;
# then a table of broken installs, each with the line the doctor must print.
#   panel_file_test.sh WINE_RUN HOST MODULE TONE EXAMPLE_SECTION OUTPUT_FOLDER
set -uo pipefail
wine_run=$1 host=$2 module=$3 tone=$4 example=$5 out=$6/panel_file
rm -rf "$out" && mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A simulator's folder with the module and the tone in its gauges folder
# and the example section as the aircraft's panel.cfg.
lay_out() {
    rm -rf "$1" && mkdir -p "$1/Gauges" "$1/Aircraft/Test/Panel"
    cp "$module" "$tone" "$1/Gauges/"
    cp "$example" "$1/Aircraft/Test/Panel/panel.cfg"
}
run_host() { "$wine_run" "$host" "$@" 2>&1 | tr -d '\r'; }
# "R G B" of a pixel of a PNG.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | tail -1
}

sim=$out/sim
lay_out "$sim"
panel=$sim/Aircraft/Test/Panel/panel.cfg
report=$(run_host --check "$panel")
status=$?
[ "$status" = 0 ] && [ "$(tail -1 <<<"$report")" = "0 problems" ] || fail "the example install: status $status, $report"

# The same four gauges placed one by one: the panel file must give the same
# picture, so every gauge is at its place and size.
cat >"$out/fly.txt" <<'EOF'
set bus_volts 27
click AZS_ZOR_1 15 32
frames 2
snapshot panel.png
EOF
{
    sed -n 's/^gauge[0-9]*=KRV_ZOR_V1_02!\([A-Z_0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/place \1 \2 \3 \4/p' "$example"
    sed 's/panel.png/placed.png/' "$out/fly.txt"
} >"$out/placed.txt"
run_host --panel "$panel" --out "$out" "$out/fly.txt" >"$out/panel.log" || fail "--panel: $(cat "$out/panel.log")"
run_host --out "$out" "$out/placed.txt" >"$out/placed.log" || fail "placed: $(cat "$out/placed.log")"
[ "$(grep -c '^place' "$out/placed.txt")" = 4 ] || fail "the example section does not place four gauges"
differing=$(compare -metric AE "$out/panel.png" "$out/placed.png" null: 2>&1)
[ "$differing" = 0 ] || fail "the panel file's gauges differ from those placed one by one in $differing pixels"
# ZOR_1's centre is lit, the space between the gauges is the panel's own.
[ "$(pixel "$out/panel.png" 10 10)" = "48 52 56" ] || fail "outside the gauges: $(pixel "$out/panel.png" 10 10)"
[ "$(pixel "$out/panel.png" 115 180)" != "48 52 56" ] || fail "nothing drawn near the bottom of ZOR_1"

# A background and a design space: the panel is as big as size_mm, the
# background shows where no gauge is.
convert -size 200x150 xc:'rgb(150,40,30)' -fill 'rgb(30,90,160)' -draw 'rectangle 0,100 199,149' \
    -type TrueColor "BMP3:$sim/Aircraft/Test/Panel/back.bmp"
sed -i 's/^\[Window00\]/[Window00]\nfile=back.bmp\nsize_mm=400,300/' "$panel"
# This time through the scenario's own line, the file named from its folder.
{ echo "panel sim/Aircraft/Test/Panel/panel.cfg Window00"; cat "$out/fly.txt"; } >"$out/background.txt"
run_host --out "$out" "$out/background.txt" >"$out/background.log" || fail "background: $(cat "$out/background.log")"
mv "$out/panel.png" "$out/panel_file_background.png"
[ "$(identify -format %wx%h "$out/panel_file_background.png")" = 400x300 ] || fail "not the design space's size"
[ "$(pixel "$out/panel_file_background.png" 10 10)" = "150 40 30" ] || fail "no background at the top"
[ "$(pixel "$out/panel_file_background.png" 390 290)" = "30 90 160" ] || fail "no background at the bottom"

# A shipped aircraft's panel with this module added, in the forms panels
# ship with; the other makers' modules are not installed, one maker's XML
# gauges are. This module's lines are reported first and fine, each with
# its place; the others' problems come after, counted apart.
shipped=$out/shipped
lay_out "$shipped"
mkdir -p "$shipped/Gauges/Maker_Xml"
convert -size 256x192 xc:'rgb(60,60,60)' -type TrueColor "BMP3:$shipped/Aircraft/Test/Panel/panel main.bmp"
printf '%s\r\n' '// Panel of a shipped aircraft' '[Window Titles]' 'Window00=Main Panel' 'Window01=Radios' '' \
    '[VIEWS]' 'VIEW_FORWARD_DIR=0.0, 0.0, 0.0' '' '[Window00]' 'file=panel main.bmp ' 'size_mm=1024' \
    'window_size_ratio=1.000' 'position=7' 'visible=1' 'ident=MAIN_PANEL' \
    'gauge00=Maker_Attitude!Attitude,  400, 40, 200,, 1' 'gauge01=Maker_Radio!Com 1 Radio, 700, 40, 150' \
    'gauge02 = KRV_ZOR_V1_02!ZOR_1 ,	40,	40,	150' 'gauge03=KRV_ZOR_V1_02!ZOR_2, 220, 40, 150' \
    'gauge04=KRV_ZOR_V1_02!AZS_ZOR_1, 40, 200,,,' 'gauge05=KRV_ZOR_V1_02!AZS_ZOR_2, 70, 200' '' \
    '[Window01]' 'window_size=0.3' 'window_pos=0.7, 0.0' 'gauge00=Maker_Xml!Clock, 0, 0, 100, 100' '' \
    '[Vcockpit01]' 'size_mm=512,512' 'texture=$VC01' 'gauge00=KRV_ZOR_V1_02!ZOR_1, 0, 0, 256, 256' '' \
    '[Default View]' 'X=0' 'SIZE_X=8192' '[Color]' 'Day=255,255,255' >"$shipped/Aircraft/Test/Panel/panel.cfg"
report=$(run_host --check "$shipped/Aircraft/Test/Panel/panel.cfg")
echo "== shipped-style panel with this module added" >>"$out/doctor.txt"
echo "$report" >>"$out/doctor.txt"
for line in 'KRV_ZOR_V1_02: 4 gauges on [Window00] and 1 on [Vcockpit01], all fine' \
    'panel.cfg:18: gauge02 ZOR_1: placed at 40, 40, 150 x ' 'panel.cfg:21: gauge05 AZS_ZOR_2: placed at 70, 200, ' \
    'panel.cfg:31: gauge00 ZOR_1: checked (a 3D cockpit' 'Maker_Xml: 1 gauge on [Window01], all fine' \
    'Maker_Xml is an XML gauge folder: not checked by this host' 'Maker_Attitude: 1 gauge on [Window00], 1 problem' \
    'panel.cfg:16: Maker_Attitude!Attitude: no module file Maker_Attitude.gau' \
    'problems in: Maker_Attitude (1), Maker_Radio (1)' '2 problems'; do
    grep -qF -- "$line" <<<"$report" || fail "the shipped-style panel: no line '$line' in
$report"
done
first_other=$(grep -n 'Maker_Attitude' <<<"$report" | head -1 | cut -d: -f1)
[ "$(grep -n 'KRV_ZOR_V1_02: ' <<<"$report" | cut -d: -f1)" -lt "$first_other" ] ||
    fail "the shipped-style panel: this module is not reported before the others"
grep -qE 'note:|problem' <<<"$(grep -A6 '^KRV_ZOR_V1_02: ' <<<"$report")" && fail "this module's lines carry messages"

# Broken installs: how to break the example, and a line the doctor prints.
sixty_four_bit() {
    # DOS header pointing at a PE header for x86-64 with a PE32+ optional header.
    printf 'MZ' >"$1"
    truncate -s 60 "$1" && printf '\x40\x00\x00\x00' >>"$1"
    printf 'PE\x00\x00\x64\x86\x00\x00' >>"$1"
    truncate -s 84 "$1" && printf '\xf0\x00\x22\x20\x0b\x02' >>"$1"
    truncate -s 512 "$1"
}
cases=(
    "gauge name typo|sed -i 's/!ZOR_2,/!ZOR2,/' \$p|panel.cfg:3: KRV_ZOR_V1_02 offers no gauge ZOR2; it offers ZOR_1, ZOR_2, AZS_ZOR_1, AZS_ZOR_2 (did you mean ZOR_2?)"
    "module in the wrong folder|mv \$s/Gauges/KRV_ZOR_V1_02.gau \$s/Aircraft/Test/|panel.cfg:2: KRV_ZOR_V1_02!ZOR_1: no module file KRV_ZOR_V1_02.gau; looked in"
    "tone file missing|rm \$s/Gauges/zor_sound.wav|\\gauges\\zor_sound.wav, which is missing"
    "truncated module|truncate -s 300000 \$s/Gauges/KRV_ZOR_V1_02.gau|KRV_ZOR_V1_02.gau is cut short"
    "64-bit DLL|sixty_four_bit \$s/Gauges/KRV_ZOR_V1_02.gau|KRV_ZOR_V1_02.gau is not a 32-bit DLL"
    "text file named .gau|echo 'a gauge' >\$s/Gauges/KRV_ZOR_V1_02.gau|KRV_ZOR_V1_02.gau is not a Windows DLL at all"
    "numbering gap|sed -i '/^gauge02/d' \$p|panel.cfg:4: gauge03 follows a gap: there is no gauge02"
    "duplicate number|sed -i 's/^gauge03/gauge02/' \$p|panel.cfg:5: gauge02 again (first at line 4)"
    "byte-order mark|{ printf '\\xef\\xbb\\xbf'; cat \$p; } >\$p.new && mv \$p.new \$p|panel.cfg: starts with a UTF-8 byte-order mark (the bytes \\xef\\xbb\\xbf, what Notepad writes for \"UTF-8 with BOM\"): a simulator reads the mark as part of line 1 and does not know '[Window00]' as a section"
    "saved as Unicode|{ printf '\\xff\\xfe'; iconv -f ASCII -t UTF-16LE \$p; } >\$p.new && mv \$p.new \$p|panel.cfg: is saved as UTF-16 little-endian (what Notepad calls \"Unicode\"): a simulator reads it as 8-bit text"
    "NUL bytes only|head -c 200 /dev/zero >\$p|panel.cfg: holds nothing but 200 NUL bytes"
    "alias with added lines|mkdir -p \$s/Aircraft/Other/Panel && cp \$p \$s/Aircraft/Other/Panel/ && { printf '[fltsim]\nalias=Other\\\\Panel\n'; cat \$s/Aircraft/Other/Panel/panel.cfg; } >\$p|panel.cfg:2: these 4 gauge lines are in a file the simulator does not read: the panel is that of"
    "alias naming a file|mkdir -p \$s/Aircraft/Other/Panel && cp \$p \$s/Aircraft/Other/Panel/ && printf '[fltsim]\nalias=Other\\\\Panel\\\\panel.cfg\n' >\$p|panel.cfg:2: alias= names the file"
    "zip unpacked into a folder of its own|mkdir -p \$s/Gauges/KRV_ZOR_V1_02-1.2/Gauges && mv \$s/Gauges/KRV_ZOR_V1_02.gau \$s/Gauges/KRV_ZOR_V1_02-1.2/Gauges/|(the zip unpacked into a folder of its own?): move it and the files beside it into"
    "gauges folder in another case|mkdir -p \$s/gauges && mv \$s/Gauges/KRV_ZOR_V1_02.gau \$s/gauges/|a second gauges folder beside"
    "missing comma|sed -i 's/!ZOR_2, *220,/!ZOR_2 220,/' \$p|panel.cfg:3: a comma is missing after the gauge name: 'ZOR_2 220' is read as the name of one gauge; write ZOR_2, 220, ..."
    "module name a letter off|sed -i 's/KRV_ZOR_V1_02!ZOR_2/KRV_ZOR_V102!ZOR_2/' \$p|did you mean KRV_ZOR_V1_02?"
    ".gau in the name|sed -i 's/KRV_ZOR_V1_02!ZOR_2/KRV_ZOR_V1_02.gau!ZOR_2/' \$p|the gauge line writes '.gau' after the module's name"
    "gauge outside the design space|sed -i '1a size_mm=200,150' \$p|panel.cfg:4: KRV_ZOR_V1_02!ZOR_2 lies outside the window's design space of 200 x 150"
    "gauge line before any section|sed -i '1d; 2a [Window00]' \$p|panel.cfg:1: 'gauge00' stands before any section"
    "alias loop|mkdir -p \$s/Aircraft/Other/Panel && printf '[fltsim]\nalias=Other\\\\Panel\n' >\$p && printf '[fltsim]\nalias=Test\\\\Panel\n' >\$s/Aircraft/Other/Panel/panel.cfg|panel.cfg:2: the alias goes round a loop"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name breaks expected <<<"$row"
    [ -n "${ZOR_PANEL_CASE:-}" ] && [[ $name != *$ZOR_PANEL_CASE* ]] && continue
    s=$out/broken
    p=$s/Aircraft/Test/Panel/panel.cfg
    lay_out "$s"
    eval "$breaks"
    report=$(run_host --check "$p")
    status=$?
    echo "== $name" >>"$out/doctor.txt"
    echo "$report" >>"$out/doctor.txt"
    grep -qF -- "$expected" <<<"$report" || fail "$name: no line '$expected' in
$report"
    [ "$status" = 1 ] && grep -qE '^[1-9][0-9]* problems?$' <<<"$(tail -1 <<<"$report")" ||
        fail "$name: status $status, last line '$(tail -1 <<<"$report")'"
done

[ "$failures" = 0 ] && echo "panel files: the example install, its placing, its background, a shipped-style panel and ${#cases[@]} broken installs as expected"
exit $((failures > 0))
