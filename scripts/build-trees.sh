# Sourced by the entry scripts: configures and builds one tree under build/.
build_tree() {
    local name=$1
    shift
    echo "== build: $name"
    cmake -S "$root" -B "$root/build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$root/build/$name" -j "${ZOR_JOBS:-2}"
}
