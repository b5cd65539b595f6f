#!/usr/bin/env bash
# The layering check on small trees of its own: the real tree passes; an
# include that points up (in the module and in the host), one that points
# sideways, one out of its table and one without its folder each fail with
# their file and line, in the product's folders and in the tools and the
# benchmark beside it, as does a tool's folder that is no layer; a folder's
# own includes pass. The link check, on a
# small built tree: a lower library that uses a symbol defined only above it
# fails naming the symbol, a product target that links a library defined
# under tests/ fails naming both, a source compiled for two targets fails
# naming it, and a use that points down passes, as does a seam a program's
# object library binds.
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
grep -q '2: instrument *-> abi$' "$work/ok.txt" || fail "the graph lacks instrument -> abi: $(cat "$work/ok.txt")"

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
expect_refused host/raster/up.cpp 2 '#include "host/panel/gauge_panel.h"'
expect_refused host/panel/module.cpp 2 '#include "instrument/instrument_state.h"'
expect_refused host/native/no_folder.cpp 2 '#include "fake_sound_platform.h"'
expect_refused host/loose.cpp 1 ''
expect_refused tools/tone/host.cpp 2 '#include "host/base/output_file.h"'
expect_refused tools/timeline/module.cpp 2 '#include "layout/bitmap_ids.h"'
expect_refused bench/program.cpp 2 '#include "host/native/film_pipe_posix.h"'
expect_refused tools/new_tool/main.cpp 1 ''

# A small tree for the link check: zor_low (abi) uses a symbol only
# zor_high (module) defines and one that an object library on the module
# table's top binds, zor_high uses one of zor_low's, and a host program
# links a library defined under tests/.
links=$work/links
mkdir -p "$links"/{abi,module,host,tests}
cat >"$links/CMakeLists.txt" <<'EOF_CMAKE'
cmake_minimum_required(VERSION 3.25)
project(layer_links CXX)
add_subdirectory(abi)
add_subdirectory(module)
add_subdirectory(tests)
add_subdirectory(host)
add_subdirectory(tools/tone)
EOF_CMAKE
printf 'add_library(zor_low STATIC low.cpp)\n' >"$links/abi/CMakeLists.txt"
printf 'extern "C" int only_above();\nextern "C" int bound_above();\nextern "C" int below() { return 1; }\nint low() { return only_above() + bound_above(); }\n' >"$links/abi/low.cpp"
printf 'add_library(zor_high STATIC high.cpp)\ntarget_link_libraries(zor_high PUBLIC zor_low)\n' >"$links/module/CMakeLists.txt"
mkdir -p "$links/tools/tone"
printf 'add_library(zor_binding OBJECT binding.cpp)\n' >"$links/tools/tone/CMakeLists.txt"
printf 'extern "C" int bound_above() { return 3; }\n' >"$links/tools/tone/binding.cpp"
printf 'extern "C" int below();\nextern "C" int only_above() { return below(); }\n' >"$links/module/high.cpp"
printf 'add_library(zor_test_helper STATIC helper.cpp)\nadd_executable(zor_twice twice.cpp helper.cpp)\n' >"$links/tests/CMakeLists.txt"
printf 'int helper();\nint main() { return helper(); }\n' >"$links/tests/twice.cpp"
printf 'int helper() { return 2; }\n' >"$links/tests/helper.cpp"
printf 'add_executable(zor_host_program main.cpp)\ntarget_link_libraries(zor_host_program PRIVATE zor_test_helper)\n' >"$links/host/CMakeLists.txt"
printf 'int helper();\nint main() { return helper() - 2; }\n' >"$links/host/main.cpp"
if cmake -S "$links" -B "$links/build" -G Ninja >"$work/links-build.txt" 2>&1 &&
   cmake --build "$links/build" >>"$work/links-build.txt" 2>&1; then
    if "$check" --links "$links/build" "$links" >"$work/links.txt"; then
        fail "the link check passed a tree that breaks its layers: $(cat "$work/links.txt")"
    fi
    grep -q '^zor_low (abi) uses only_above, defined only in zor_high (module)' "$work/links.txt" ||
        fail "an upward use was not named: $(cat "$work/links.txt")"
    grep -q '^zor_host_program (defined in host) links zor_test_helper, a library defined under tests$' "$work/links.txt" ||
        fail "a product target linking a test library was not named: $(cat "$work/links.txt")"
    grep -q '^tests/helper.cpp is compiled for zor_test_helper and zor_twice' "$work/links.txt" ||
        grep -q '^tests/helper.cpp is compiled for zor_twice and zor_test_helper' "$work/links.txt" ||
        fail "a source compiled for two targets was not named: $(cat "$work/links.txt")"
    ! grep -q 'uses below' "$work/links.txt" || fail "a use that points down was refused: $(cat "$work/links.txt")"
    ! grep -q 'uses bound_above' "$work/links.txt" || fail "a seam bound by a program's object library was refused: $(cat "$work/links.txt")"
else
    fail "the small tree for the link check did not build: $(cat "$work/links-build.txt")"
fi

[ "$failures" -eq 0 ] && echo "layering check: all cases hold"
exit $((failures > 0))
