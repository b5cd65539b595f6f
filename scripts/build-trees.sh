# Sourced by the entry scripts: configures and builds trees under build/ with
# Ninja. The compiler cache is a developer's opt-in: ZOR_CCACHE=1 with ccache
# on the PATH; the scripts' own figures are taken without it.

# A step's heading in a long run's log, with the time since the run began
# (the first script to source this file, whose scripts inherit its start),
# so that the log shows where the run's time goes.
: "${ZOR_RUN_STARTED:=$(date +%s)}"
export ZOR_RUN_STARTED
zor_section() {
    local seconds=$(($(date +%s) - ZOR_RUN_STARTED))
    echo "== $* (at $((seconds / 60))m$((seconds % 60))s)"
}
zor_configure_tree() {
    local name=$1
    shift
    local tree="$root/build/$name"
    # A tree made by another generator cannot be reconfigured with Ninja.
    if [ -f "$tree/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$tree/CMakeCache.txt"; then
        echo "== build: $name was made with another generator; starting it afresh"
        rm -rf "$tree"
    fi
    # CMake's account of the tree's targets, for the layering check's links.
    mkdir -p "$tree/.cmake/api/v1/query"
    touch "$tree/.cmake/api/v1/query/codemodel-v2"
    local launcher=()
    if [ "${ZOR_CCACHE:-0}" = 1 ] && command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

# build_tree NAME [CMAKE_ARGS...] [-- TARGETS...]: configures and builds the
# tree, all of it or only the targets named after --.
build_tree() {
    local name=$1
    shift
    local args=() targets=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do args+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    targets=("$@")
    zor_section "build: $name${targets[*]:+ (${targets[*]})}"
    zor_configure_tree "$name" "${args[@]}"
    cmake --build "$root/build/$name" -j "${ZOR_JOBS:-2}" ${targets[@]:+--target "${targets[@]}"}
}

# build_tree_at TREE TARGET: a tree a benchmark measures, anywhere. One
# already configured is built from its own sources (another checkout's, to
# compare) with the generator it was made with; a new one is configured
# here, with Ninja, as the other trees are.
build_tree_at() {
    local tree=$1 target=$2
    [ -f "$tree/CMakeCache.txt" ] || cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$tree" -j "${ZOR_JOBS:-2}" --target "$target" >/dev/null
}

# The sanitized tree, which is also the fuzz tree: clang, so that the fuzz
# targets link from the same instrumented objects as the sanitized tests
# (and clang builds the sanitized tree in well under half gcc's time).
sanitize_tree_args=(-DZOR_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)

# The web tree: Debian's emscripten, the native tree's generators (built
# first: build_tree native -- zor_artwork zor_tone zor_cursors).
web_tree_args=(-DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
               -DZOR_TOOLS_TREE="$root/build/native")

# The page built and put where a user finds it: dist/web/zor_bench.html.
build_web_page() {
    build_tree native -- zor_artwork zor_tone zor_cursors
    build_tree web "${web_tree_args[@]}" -- zor_web_page zor_host_node
    mkdir -p "$root/dist/web"
    cp "$root/build/web/dist/web/zor_bench.html" "$root/dist/web/zor_bench.html"
}
