#!/usr/bin/env bash
# Inputs the host once failed on, blocked on or allocated gigabytes for,
# each refused by name before anything is opened or allocated: panel files
# asking for a design space or a gauge larger than the host draws, more
# gauges than a window holds, backgrounds that are a folder, a FIFO, a
# device or 400 MB; scenarios that are a folder, a FIFO or a device, or keep
# more moments than a run holds; under Wine also a module that is a device,
# and the doctor counting each panel refusal as a problem.
#   refused_inputs.sh OUTPUT_FOLDER MODULE|- HOST [ARGS...]
# MODULE: the real module for the Windows host, - for the native host, which
# has it linked in (an empty file of its name stands for it). Every run has a
# time limit: an input that blocks is a failure, not a hang.
set -uo pipefail
out=$1/refused_inputs module=$2
shift 2
host=("$@")
rm -rf "$out" && mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run_host() { timeout 120 "${host[@]}" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# Whether the output has a line of that file and line number saying that.
says() { grep -F "$2.cfg:$3: " <<<"$1" | grep -qF "$4"; }

panel_folder=$out/sim/Aircraft/Test/Panel
mkdir -p "$panel_folder"
if [ "$module" = - ]; then : >"$panel_folder/KRV_ZOR_V1_02.gau"; else cp "$module" "$panel_folder/"; fi
mkdir "$panel_folder/folder.bmp"
mkfifo "$panel_folder/fifo.bmp"
ln -s /dev/zero "$panel_folder/zero.bmp"
truncate -s 403200054 "$panel_folder/big.bmp" # a 12000 x 11200 background in 24 bits
printf 'set bus_volts 27\nframes 2\n' >"$out/fly.txt"

# name|the window's lines after its header|the line said|what it says
gauge='gauge00=KRV_ZOR_V1_02!ZOR_1, 0, 0'
cases=(
    "size_100000|size_mm=100000,100000\n$gauge|2|size_mm '100000,100000' is larger than the 8192 a side this host draws"
    "size_int_max|size_mm=2147483647,2147483647\n$gauge|2|size_mm '2147483647,2147483647' is larger than the 8192"
    "width_100000|$gauge, 100000|2|gauge00: the width 100000 is larger than the 8192 a side this host draws"
    "width_int_max|$gauge, 2147483647|2|gauge00: the width 2147483647 is larger than the 8192"
    "tall_breaker|gauge00=KRV_ZOR_V1_02!AZS_ZOR_1, 0, 0, 8000|2|AZS_ZOR_1: placed at 8000 x 17333 pixels, larger than the 8192"
    "far_out|size_mm=800,600\ngauge00=KRV_ZOR_V1_02!ZOR_1, 2147483647, 0|3|placed at 2147483647, 0, beyond 8192 pixels"
    "no_design_space|gauge00=KRV_ZOR_V1_02!ZOR_1, 8000, 0|2|the window has no design space and would reach beyond 8192"
    "background_folder|file=folder.bmp\n$gauge|2|folder.bmp is a folder, not a file"
    "background_fifo|file=fifo.bmp\n$gauge|2|fifo.bmp is a FIFO, not a file"
    "background_device|file=zero.bmp\n$gauge|2|zero.bmp is a device, not a file"
    "background_400mb|file=big.bmp\n$gauge|2|big.bmp is 403200054 bytes, more than the 201360522"
    "gauges_10001|$(awk 'BEGIN { for (i = 0; i <= 10000; i++) printf "gauge%02d=KRV_ZOR_V1_02!ZOR_1, 0, 0, 8\\n", i }')|10002|gauge10000: a window holds at most 10000 gauges"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name lines line says <<<"$row"
    cfg=$panel_folder/$name.cfg
    printf "[Window00]\n$lines\n" >"$cfg"
    said=$(run_host --out "$out" --panel "$cfg" "$out/fly.txt")
    status=$?
    says "$said" "$name" "$line" "$says" && [ "$status" = 0 ] ||
        fail "$name: status $status, expected $name.cfg:$line: $says; said: $(head -c 400 <<<"$said")"
    [ "$module" = - ] && continue
    said=$(run_host --check "$cfg")
    status=$?
    says "$said" "$name" "$line" "$says" && [ "$status" = 1 ] && grep -q '^[1-9][0-9]* problems\?$' <<<"$said" ||
        fail "$name (doctor): status $status, expected $name.cfg:$line: $says and problems counted; said: $(head -c 400 <<<"$said")"
done

# Scenarios that are no files, and one that keeps more moments than a run holds.
mkdir "$out/folder.txt"
mkfifo "$out/fifo.txt"
ln -s /dev/zero "$out/zero.txt"
{ printf 'place ZOR_1 0 0\n'; for i in $(seq 101); do printf 'moment m%s\n' "$i"; done; } >"$out/moments.txt"
scenarios=(
    "folder.txt|folder.txt: is a folder, not a file"
    "fifo.txt|fifo.txt: is a FIFO, not a file"
    "zero.txt|zero.txt: is a device, not a file"
    "moments.txt|moments.txt:102: more than 100 moments in one run"
)
for row in "${scenarios[@]}"; do
    IFS='|' read -r name says <<<"$row"
    said=$(run_host --out "$out" "$out/$name")
    status=$?
    grep -qF "$says" <<<"$said" && [ "$status" = 2 ] || fail "$name: status $status, expected $says; said: $said"
done

# A module that is a device, named by a panel file: refused before loading.
if [ "$module" != - ]; then
    mkdir -p "$out/zero_module/Aircraft/Test/Panel"
    ln -s /dev/zero "$out/zero_module/Aircraft/Test/Panel/KRV_ZOR_V1_02.gau"
    printf "[Window00]\n$gauge\n" >"$out/zero_module/Aircraft/Test/Panel/panel.cfg"
    said=$(run_host --check "$out/zero_module/Aircraft/Test/Panel/panel.cfg")
    status=$?
    grep -qF "is a device, not a file" <<<"$said" && [ "$status" = 1 ] ||
        fail "module /dev/zero: status $status; said: $said"
fi

[ "$failures" = 0 ] && echo "refused inputs: ${#cases[@]} panel files and ${#scenarios[@]} scenarios refused by name"
exit $((failures > 0))
