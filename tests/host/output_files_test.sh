#!/usr/bin/env bash
# Every file the host writes, onto a full disk (a 64 KB tmpfs filled to its
# last byte) over a file that is already there, and onto a folder, a FIFO
# and a device (under Wine a FIFO or a device is "not a regular file"): the
# run ends with exit status 6, the message names the file and the reason,
# the file that was there is still there byte for byte and no temporary
# file is left; a device is still a device.
#   output_files_test.sh RUN HOST TIMELINE OUT
# RUN starts the host (wine-run, or "" natively: the bench's recording and
# report rows are the Windows program's); TIMELINE is the timeline tool, or
# "" where the tree has none.
set -euo pipefail
run=$1 host=$2 timeline=$3 out=$4
exit_output_failed=6
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" = 0 ] || { echo "output_files_test: needs root to mount a tmpfs; skipped"; exit 0; }

rm -rf "$out"
mkdir -p "$out/full"
full=$out/full
mount -t tmpfs -o size=64k zor-full "$full"
trap 'umount "$full" 2>/dev/null || umount -l "$full"' EXIT

cat >"$out/fly.txt" <<SCENARIO
place ZOR_1 0 0
place ZOR_2 400 0
set bus_volts 27
frames 40
SCENARIO
printf '%s\n' "snapshot $full/shot.png" >>"$out/snapshot.txt"
printf '%s\n' "moment one" "sheet $full/sheet.png" >>"$out/sheet.txt"
printf '%s\n' "film $full/line.mp4" "frames 20" >>"$out/film_line.txt"
for part in snapshot sheet film_line; do
    cat "$out/fly.txt" "$out/$part.txt" >"$out/$part.scenario"
done
"${run:-env}" "$host" --trace "$out/fly.jsonl" "$out/fly.txt" >/dev/null || fail "the trace for the timeline was not flown"

# One run a row: the output, the command after RUN, the reason said.
# clang-format off
rows=(
"t.jsonl     |host --trace $full/t.jsonl $out/fly.txt                |No space left on device"
"j.xml       |host --junit $full/j.xml $out/fly.txt                  |No space left on device"
"shot.png    |host $out/snapshot.scenario                            |No space left on device"
"sheet.png   |host $out/sheet.scenario                               |No space left on device"
"f.mp4       |host --film $full/f.mp4 $out/fly.txt                   |is left as it was"
"line.mp4    |host $out/film_line.scenario                           |is left as it was"
"tl.png      |timeline $out/fly.jsonl $full/tl.png                   |No space left on device"
"rec.txt     |bench --record $full/rec.txt $out/fly.txt              |No space left on device"
"report.txt  |bench --report $full/report.txt $out/fly.txt           |No space left on device"
)
# clang-format on
for row in "${rows[@]}"; do
    IFS='|' read -r target command reason <<<"$row"
    target=$(echo $target) command=$(echo $command) reason=$(echo $reason)
    case $command in
    timeline*) [ -n "$timeline" ] || continue; argv=("$timeline" ${command#timeline }) ; want=2 ;;
    host*) argv=(${run:+"$run"} "$host" ${command#host }) ; want=$exit_output_failed ;;
    # The bench window is the Windows program's, shown by Wine's null driver.
    bench*) [ -n "$run" ] || continue
        argv=("$run" "$host" --window --seconds 2 ${command#bench }) ; want=$exit_output_failed ;;
    esac
    rm -rf "${full:?}"/*
    printf 'the %s that was there\n' "$target" >"$full/$target"
    cp "$full/$target" "$out/before"
    dd if=/dev/zero of="$full/fill" bs=1k 2>/dev/null || true
    status=0
    said=$("${argv[@]}" 2>&1) || status=$?
    said=${said//$'\r'/}
    [ "$status" = "$want" ] || fail "$target on a full disk: exit status $status, not $want: $said"
    grep -qF "$full/$target" <<<"$said" || fail "$target on a full disk: the message does not name it: $said"
    grep -qF "$reason" <<<"$said" || fail "$target on a full disk: the message does not say '$reason': $said"
    cmp -s "$out/before" "$full/$target" || fail "$target on a full disk: the file that was there changed"
    [ ! -e "$full/$target.part" ] || fail "$target on a full disk: its temporary file is left"
    grep -qF "film: $full/$target (" <<<"$said" && fail "$target on a full disk: said to be written: $said"
    echo "full disk, $target: status $status, $(grep -F "$full/$target" <<<"$said" | head -1)"
done
umount "$full"
trap - EXIT

# Paths that are no regular file, refused by name before anything runs.
mkdir -p "$out/folder.jsonl"
mkfifo "$out/fifo.jsonl"
# clang-format off
refusals=(
"--trace $out/folder.jsonl |$out/folder.jsonl: is a folder"
"--trace $out/fifo.jsonl   |$out/fifo.jsonl: is "
"--trace /dev/null         |/dev/null: is "
"--film /dev/null          |/dev/null: is "
"--film $out/folder.jsonl  |$out/folder.jsonl: is a folder"
"--junit $out/folder.jsonl |$out/folder.jsonl: is a folder"
)
# clang-format on
for row in "${refusals[@]}"; do
    IFS='|' read -r option message <<<"$row"
    status=0
    said=$(timeout 120 ${run:+"$run"} "$host" $option "$out/fly.txt" 2>&1) || status=$?
    said=${said//$'\r'/}
    [ "$status" = "$exit_output_failed" ] || fail "$option: exit status $status, not $exit_output_failed: $said"
    grep -qF "$message" <<<"$said" || fail "$option: not refused by name: $said"
    grep -q "^frames:" <<<"$said" && fail "$option: the run flew before the refusal: $said"
    echo "refused: $option: $said"
done
[ -c /dev/null ] || fail "/dev/null is no longer a device"
[ -p "$out/fifo.jsonl" ] && [ -d "$out/folder.jsonl" ] || fail "the FIFO or the folder was touched"
echo "output_files_test: all outputs held"
