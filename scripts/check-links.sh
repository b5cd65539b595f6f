#!/usr/bin/env bash
# The link half of the layering check, run by scripts/check-layers.sh --links
# with its table and rules; it also holds the tree to compiling each source
# once, for one target:
#   check-links.sh BUILD_TREE SOURCE_ROOT LAYERS RULES
# Reads the tree's targets from CMake's own account of it (the file API's
# code model; the build scripts ask for it when they configure a tree) and
# the symbols of each built library from nm.
set -euo pipefail
tree=$1 root=$2 layers=$3 rules=$4

reply=$tree/.cmake/api/v1/reply
if ! ls "$reply"/index-*.json >/dev/null 2>&1; then
    mkdir -p "$tree/.cmake/api/v1/query"
    touch "$tree/.cmake/api/v1/query/codemodel-v2"
    cmake "$tree" >/dev/null
fi
index=$(ls "$reply"/index-*.json | tail -n 1)
codemodel=$reply/$(jq -r '.objects[] | select(.kind == "codemodel") | .jsonFile' "$index")
nm_tool=$(sed -n 's/^CMAKE_NM:FILEPATH=//p' "$tree/CMakeCache.txt")
nm_tool=${nm_tool:-nm}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One line a target: id, name, type, the folder that defines it, its sources
# within the source tree, its artifacts and the ids of what it depends on.
for target in $(jq -r '.configurations[0].targets[].jsonFile' "$codemodel"); do
    jq -r '[.id, .name, .type, .paths.source,
            ([.sources[]?.path | select(startswith("/") | not)] | join(",")),
            ([.artifacts[]?.path] | join(",")),
            ([.dependencies[]?.id] | join(",")),
            ([.sources[]? | select(.compileGroupIndex != null) | .path | select(startswith("/") | not)] | join(","))]
           | join("\t")' "$reply/$target"
done >"$work/targets.tsv"

# Each layered library's symbols: D defined, U used. Libraries outside the
# layers (GoogleTest, the generators' own) define nothing a layer may not use.
product_folders=$(awk 'NF { sub(/\/.*/, "", $1); print $1 }' <<<"$layers" | sort -u | paste -sd '|')
while IFS=$'\t' read -r _ name type _ sources artifacts _; do
    case $type in STATIC_LIBRARY | OBJECT_LIBRARY) ;; *) continue ;; esac
    [[ ,$sources =~ ,($product_folders)/ ]] || continue
    IFS=, read -ra files <<<"$artifacts"
    paths=()
    for file in "${files[@]}"; do
        case $file in /*) paths+=("$file") ;; *) paths+=("$tree/$file") ;; esac
    done
    for file in "${paths[@]}"; do
        [ -f "$file" ] || { echo "$name: $file is not built; build the tree first" >&2; exit 1; }
    done
    "$nm_tool" -P "${paths[@]}" >"$work/nm.txt" || { echo "$nm_tool could not read $name's objects" >&2; exit 1; }
    awk -v lib="$name" 'NF >= 2 && $1 !~ /:$/ { print lib, ($2 == "U" ? "U" : ($2 ~ /^[A-TV-Z]$/ ? "D" : "-")), $1 }' "$work/nm.txt"
done <"$work/targets.tsv" >"$work/symbols.txt"

awk -v layer_table="$layers" -v breaches="$work/breaches.txt" "$rules"'
    BEGIN { read_layers(layer_table); bad = 0; FS = "\t" }
    FILENAME ~ /targets.tsv$/ {
        id = $1; name[id] = $2; type[id] = $3; defined_in[id] = $4
        kind[$2] = $3
        libraries_of[$2] = ""
        is_library[id] = $3 ~ /_LIBRARY$/
        n = split($5, sources, ",")
        folder[$2] = ""
        for (i = 1; i <= n; ++i) {
            f = row_of(sources[i])
            if (f != "" && (folder[$2] == "" || layer[f] > layer[folder[$2]]))
                folder[$2] = f
        }
        deps[id] = $7
        n = split($8, sources, ",")
        for (i = 1; i <= n; ++i)
            compiled_for[sources[i]] = compiled_for[sources[i]] (compiled_for[sources[i]] == "" ? "" : " and ") $2
        next
    }
    {
        split($0, w, " ")
        if (w[2] == "D") definers[w[3]] = definers[w[3]] " " w[1]
        else if (w[2] == "U") uses[w[1], w[3]] = 1
    }
    END {
        print "libraries and their layers (library: folder, layer):"
        for (id in name)
            if (is_library[id] && folder[name[id]] != "")
                listed[name[id]] = sprintf("  %-26s %s, %s layer %s", name[id] ":", folder[name[id]], table[folder[name[id]]], layer[folder[name[id]]])
        count = 0
        for (l in listed) sorted[++count] = l
        for (i = 1; i <= count; ++i)
            for (j = i + 1; j <= count; ++j)
                if (listed[sorted[j]] < listed[sorted[i]]) { t = sorted[i]; sorted[i] = sorted[j]; sorted[j] = t }
        for (i = 1; i <= count; ++i) print listed[sorted[i]]

        for (key in uses) {
            split(key, pair, SUBSEP)
            lib = pair[1]; symbol = pair[2]
            from = folder[lib]
            if (from == "" || !(symbol in definers))
                continue
            n = split(definers[symbol], by, " ")
            allowed = 0; above = ""
            for (i = 1; i <= n; ++i) {
                if (by[i] == lib || folder[by[i]] == "" || refusal(from, folder[by[i]]) == "" || binds_seam(by[i])) { allowed = 1; break }
                above = above (above == "" ? "" : ", ") by[i] " (" folder[by[i]] ")"
            }
            if (!allowed) {
                printf "%s (%s) uses %s, defined only in %s: %s\n", lib, from, symbol, above, refusal(from, folder[by[1]]) >breaches
                bad = 1
            }
        }
        for (id in name) {
            if (defined_in[id] == "tests" || index(defined_in[id], "tests/") == 1)
                continue
            n = split(deps[id], on, ",")
            for (i = 1; i <= n; ++i)
                if (is_library[on[i]] && (defined_in[on[i]] == "tests" || index(defined_in[on[i]], "tests/") == 1)) {
                    printf "%s (defined in %s) links %s, a library defined under %s\n", name[id], defined_in[id], name[on[i]], defined_in[on[i]] >breaches
                    bad = 1
                }
        }
        for (source in compiled_for)
            if (index(compiled_for[source], " and ")) {
                printf "%s is compiled for %s: compile it once, in a library they link\n", source, compiled_for[source] >breaches
                bad = 1
            }
        exit bad
    }
    # An object library of a program'"'"'s folder (the top layer of its table)
    # is linked into each program that names it, as the program'"'"'s own
    # sources are: it binds a seam that a lower layer declares (the film pipe
    # for the native programs, as the Windows program'"'"'s own source binds it).
    function binds_seam(library,    f, other) {
        f = folder[library]
        if (kind[library] != "OBJECT_LIBRARY" || f == "")
            return 0
        for (other in table)
            if (table[other] == table[f] && layer[other] > layer[f])
                return 0
        return 1
    }
' "$work/targets.tsv" "$work/symbols.txt" && status=0 || status=$?
if [ -s "$work/breaches.txt" ]; then
    # Symbols as the code names them.
    sort "$work/breaches.txt" | { command -v c++filt >/dev/null && c++filt || cat; }
else
    echo "links: every library uses only its own layer and those below; no product target links a test library; every source is compiled once"
fi
exit "$status"
