#!/usr/bin/env bash
# Draws the timeline of a panel host's trace: lanes of the host variables
# and of every element that changed, clicks and key events, the tone.
#   scripts/timeline.sh TRACE.jsonl [OUT.png]     (OUT defaults to TRACE.png)
# Uses the timeline tool of a tree already built (native, or the win32
# tree's native tools); builds it in the native tree otherwise.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
trace=${1:?usage: scripts/timeline.sh TRACE.jsonl [OUT.png]}
out=${2:-${trace%.jsonl}.png}

tool=""
for candidate in "$root/build/native/tools/timeline/zor_timeline" "$root/build/win32/tools-native/timeline/zor_timeline"; do
    if [ -x "$candidate" ]; then
        tool=$candidate
        break
    fi
done
if [ -z "$tool" ]; then
    source "$root/scripts/build-trees.sh"
    build_tree native -- zor_timeline >/dev/null
    tool=$root/build/native/tools/timeline/zor_timeline
fi
exec "$tool" "$trace" "$out"
