#!/usr/bin/env bash
# The layering check on small trees of its own: the real tree passes; an
# include that points up, one that points sideways and one out of the module
# each fail with their file and line; a folder's own includes pass.
#   check_layers_test.sh CHECK_SCRIPT SOURCE_ROOT
set -uo pipefail
check=$1
source_root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$check" "$source_root" >"$work/real.txt" || fail "the source tree breaks its layers: $(cat "$work/real.txt")"

mkdir -p "$work/tree"/{abi,breakers,sound,instrument,layout,module}
printf '#include "abi/a.h"\n#include "instrument/i.h"\n' >"$work/tree/instrument/ok.cpp"
printf '#pragma once\n' >"$work/tree/abi/a.h"
printf '#pragma once\n#include "abi/a.h"\n' >"$work/tree/instrument/i.h"
"$check" "$work/tree" >"$work/ok.txt" || fail "downward and own-folder includes were refused: $(cat "$work/ok.txt")"
grep -q '2: instrument -> abi$' "$work/ok.txt" || fail "the graph lacks instrument -> abi: $(cat "$work/ok.txt")"

expect_refused() {
    local file=$1 line=$2 text=$3
    mkdir -p "$(dirname "$work/bad/$file")"
    printf '#pragma once\n%s\n' "$text" >"$work/bad/$file"
    if "$check" "$work/bad" >"$work/bad.txt"; then
        fail "$file: '$text' passed"
    elif ! grep -q "^$file:$line: " "$work/bad.txt"; then
        fail "$file: '$text' was refused without its place: $(cat "$work/bad.txt")"
    fi
    rm -rf "$work/bad"
}
expect_refused breakers/up.h 2 '#include "module/linkage.h"'
expect_refused sound/sideways.cpp 2 '#include "breakers/breaker_state.h"'
expect_refused layout/outside.h 2 '#include "host/raster/image.h"'
expect_refused abi/up.h 2 '  #  include "layout/bitmap_ids.h"'

[ "$failures" -eq 0 ] && echo "layering check: all cases hold"
exit $((failures > 0))
