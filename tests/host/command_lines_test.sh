#!/usr/bin/env bash
# The host programs' command lines, one table for both: a line a program
# cannot use ends with status 2 and says why before anything runs (the
# trace it names is never made); the help forms print the usage under the
# name the program is called by, with status 0.
#   command_lines_test.sh native|win32 OUTPUT_FOLDER PROGRAM [ARGS...]
set -uo pipefail
program=$1 out=$2
shift 2
host=("$@")
rm -rf "$out" && mkdir -p "$out" && cd "$out" || exit 1
printf 'place ZOR_1 0 0\nframes 1\n' >s.txt
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# PROGRAMS STATUS "WHAT IT SAYS" WORDS..., each line split as the shell
# splits it ('' is an empty word). The usage names the program as called.
usage_native="usage: zor_host_native [OPTIONS] [SCENARIO]"
usage_win32="usage: zor_panel_host.exe [OPTIONS] [SCENARIO]"
while read -r row; do
    [[ -z $row || $row == \#* ]] && continue
    eval "set -- $row"
    programs=$1 status=$2 said=$3
    shift 3
    [[ $programs == both || $programs == "$program" ]] || continue
    rm -f t.jsonl
    "${host[@]}" "$@" </dev/null >said.txt 2>&1
    got=$?
    output=$(tr -d '\r' <said.txt)
    [ "$got" = "$status" ] && [[ $output == *"$said"* ]] && [ ! -e t.jsonl ] ||
        fail "$program $*: status $got (not $status), said: $output"
done <<TABLE
# Options a program does not have are refused by name.
native 2 "--check is an option of zor_panel_host.exe, not of this program"   --check /nonexistent/panel.cfg
native 2 "--module is an option of zor_panel_host.exe, not of this program"  --module x.gau --trace t.jsonl s.txt
native 2 "--window is an option of zor_panel_host.exe, not of this program"  --window
native 2 "--check is an option of zor_panel_host.exe"                        /nonexistent/panel.cfg
win32  2 "--bitmaps is an option of zor_host_native, not of this program"    --bitmaps . --trace t.jsonl s.txt
both   2 "unknown option '--frobnicate'"                                     --trace t.jsonl --frobnicate s.txt
both   2 "unknown option '-x'"                                               -x s.txt
# An option that needs a partner says which.
both   2 "--section goes with --panel"                                       --trace t.jsonl --section Window00 s.txt
both   2 "--sim-folder goes with --panel or --check"                         --trace t.jsonl --sim-folder . s.txt
win32  2 "--xray goes with --window"                                         --xray --trace t.jsonl s.txt
win32  2 "--record goes with --window"                                       --record r.txt --trace t.jsonl s.txt
# Empty and missing values, twice-given options, a second scenario.
both   2 "--section needs WINDOW, not an empty word"                         --trace t.jsonl --panel p.cfg --section ''
both   2 "--trace needs FILE.jsonl, not an empty word"                       --trace '' s.txt
both   2 "--out needs a value: FOLDER"                                       --trace t.jsonl s.txt --out
both   2 "--trace is given twice"                                            --trace t.jsonl --trace t.jsonl s.txt
both   2 "'s2.txt' is a second scenario"                                     --trace t.jsonl s.txt s2.txt
both   2 "an empty word is no scenario"                                      --trace t.jsonl ''
both   2 "no scenario given"                                                 --trace t.jsonl
win32  2 "--seconds needs a number of seconds above 0, not 'nan'"            --window --seconds nan
# The doctor runs no frames: what it would ignore is refused.
win32  2 "the scenario 's.txt' does not go with --check"                     --check p.cfg s.txt
win32  2 "--window does not go with --check"                                 --check p.cfg --window
win32  2 "--trace does not go with --check"                                  --check p.cfg --trace t.jsonl
win32  2 "--film does not go with --check"                                   --check p.cfg --film f.mp4
win32  2 "--module does not go with --check"                                 --check p.cfg --module x.gau
win32  2 "--junit does not go with --check"                                  --check p.cfg --junit j.xml
both   2 "--junit does not go with --flights"                                --flights l.txt --junit j.xml
win32  2 "--panel does not go with --check"                                  --check p.cfg --panel p.cfg
win32  2 "--module does not go with --panel"                                 --panel p.cfg --module x.gau
win32  2 "--watch does not go with --panel"                                  --window --watch --panel p.cfg
# Help, as other programs spell it.
native 0 "$usage_native"                                                     --help
native 0 "$usage_native"                                                     -h
native 0 "  --bitmaps FOLDER"                                                /?
win32  0 "$usage_win32"                                                      --help
win32  0 "  --check PANEL.CFG"                                               -h
win32  0 "zor_panel_host.exe PANEL.CFG   (the doctor, as --check PANEL.CFG)" /?
TABLE
exit $((failures > 0))
