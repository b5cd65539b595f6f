#!/usr/bin/env bash
# Holds the product's folders to their layers: the module's folders to one
# table, the host's to another. A file may include its own folder's headers
# and those of folders on a lower layer of its table, nothing on its own
# layer or above, and only headers named with their folder. Across the
# tables, the host may include the record formats (abi/), and the linked
# platform (host/linked), which links the module's logic in for the native
# and web hosts, the module's folders.
#   scripts/check-layers.sh [SOURCE_ROOT]
# prints each table's folder include graph and, for every include against
# the rules, the file and line; exits 1 then.
#   scripts/check-layers.sh --links BUILD_TREE [SOURCE_ROOT]
# holds the libraries a built tree links to the same rules: no library may
# use a symbol that only a library it may not include defines (system and
# runtime symbols, which none of them defines, aside, and the seams an object
# library of a program's folder binds, as the program's own sources may),
# and no target defined
# outside tests/ may link a library defined under tests/; and no source is
# compiled for two targets. Prints each library's folder and layer, and
# every breach; exits 1 then.
set -euo pipefail
mode=includes
if [ "${1:-}" = --links ]; then
    mode=links
    tree=$(cd "${2:?build tree}" && pwd)
    shift 2
fi
root=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)

# The two tables of layers, bottom up: folder, table, layer. The programs
# beside the product stand on their table's top: the module's generators
# (tools/artwork reads the bitmap ids and the digits it draws), the host's
# tools and the drawing benchmark beside its programs.
layers='
abi            module 0
breakers       module 1
sound          module 1
instrument     module 2
layout         module 3
module         module 4
tools/artwork  module 5
tools/tone     module 5
host/base      host   0
host/raster    host   1
host/panel     host   2
host/script    host   3
host/panelfile host   3
host/scenario  host   4
host/bench     host   5
host/linked    host   5
host/app       host   6
host/win32     host   7
host/native    host   7
host/web       host   7
tools/cursors  host   7
tools/timeline host   7
bench          host   7
'

# Shared by both checks: the table row a path belongs to, and whether a
# folder may use another's headers and symbols (empty) or why not.
rules='
function row_of(path,    best, f) {
    best = ""
    for (f in table)
        if ((path == f || index(path, f "/") == 1) && length(f) > length(best))
            best = f
    return best
}
function refusal(from, to) {
    if (to == from)
        return ""
    if (!(to in table))
        return to " is no layer of the product"
    if (table[to] != table[from]) {
        if (table[from] == "host" && to == "abi")
            return ""
        if (from == "host/linked" && table[to] == "module")
            return ""
        return "it points out of the " table[from] "'"'"'s layers: " to " is layer " layer[to] " of the " table[to]
    }
    if (layer[to] > layer[from])
        return "it points up: " to " is layer " layer[to] ", " from " layer " layer[from]
    if (layer[to] == layer[from])
        return "it points sideways: " to " and " from " are both layer " layer[from]
    return ""
}
function read_layers(text,    n, rows, i, f) {
    n = split(text, rows, "\n")
    for (i = 1; i <= n; ++i)
        if (split(rows[i], f, " ") == 3) { table[f[1]] = f[2]; layer[f[1]] = f[3]; order[++folders] = f[1] }
}
'

if [ "$mode" = links ]; then
    exec bash "$(dirname "${BASH_SOURCE[0]}")/check-links.sh" "$tree" "$root" "$layers" "$rules"
fi

# Every file of the layered folders, and any other file under host/ or
# tools/, which then belongs to no layer.
cd "$root"
folders=()
for folder in $(awk 'NF { print $1 }' <<<"$layers") host tools; do
    [ -d "$folder" ] && folders+=("$folder")
done
files=()
if [ ${#folders[@]} -gt 0 ]; then
    while IFS= read -r -d '' file; do
        files+=("$file")
    done < <(find "${folders[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -zu)
fi
[ ${#files[@]} -gt 0 ] || { echo "no layered folders under $root"; exit 1; }

awk -v layer_table="$layers" "$rules"'
    BEGIN { read_layers(layer_table); bad = 0 }
    FNR == 1 {
        from = row_of(FILENAME)
        if (from == "" && !(FILENAME in reported)) {
            printf "%s:1: its folder is no layer of the product\n", FILENAME
            reported[FILENAME] = 1
            bad = 1
        }
    }
    from != "" && /^[ \t]*#[ \t]*include[ \t]*"/ {
        target = $0
        sub(/^[^"]*"/, "", target)
        sub(/".*/, "", target)
        if (target !~ /\//) {
            printf "%s:%d: includes \"%s\" without its folder\n", FILENAME, FNR, target
            bad = 1
            next
        }
        to = row_of(target)
        if (to == "") {
            to = target
            sub(/\/.*/, "", to)
        }
        if (to != from)
            edges[from, to]++
        why = refusal(from, to)
        if (why != "") {
            printf "%s:%d: includes \"%s\": %s\n", FILENAME, FNR, target, why
            bad = 1
        }
    }
    END {
        for (t = 1; t <= 2; ++t) {
            name = t == 1 ? "module" : "host"
            printf "%s folder include graph (layer: folder -> folders it includes):\n", name
            for (i = 1; i <= folders; ++i) {
                from = order[i]
                if (table[from] != name)
                    continue
                line = ""
                for (j = 1; j <= folders; ++j)
                    if ((from, order[j]) in edges)
                        line = line " " order[j] (refusal(from, order[j]) == "" ? "" : "(!)")
                for (key in edges) {
                    split(key, pair, SUBSEP)
                    if (pair[1] == from && !(pair[2] in table))
                        line = line " " pair[2] "(!)"
                }
                printf "  %s: %-14s ->%s\n", layer[from], from, line == "" ? " (nothing)" : line
            }
        }
        exit bad
    }
' "${files[@]}"
