#!/usr/bin/env bash
# Holds the module's folders to their layers: a file may include its own
# folder's headers and those of folders on a lower layer, nothing on its own
# layer or above, nothing outside the module. Prints the folder include graph
# and, for every include against the table, the file and line; exits 1 then.
#   scripts/check-layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# The one table of layers, bottom up.
layers='
abi        0
breakers   1
sound      1
instrument 2
layout     3
module     4
'

folders=$(awk 'NF { print $1 }' <<<"$layers")
files=()
for folder in $folders; do
    [ -d "$root/$folder" ] || continue
    while IFS= read -r -d '' file; do
        files+=("${file#"$root"/}")
    done < <(find "$root/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
done

cd "$root"
awk -v layer_table="$layers" '
    BEGIN {
        n = split(layer_table, rows, "\n")
        for (i = 1; i <= n; ++i)
            if (split(rows[i], f, " ") == 2) { layer[f[1]] = f[2]; order[++folders] = f[1] }
        bad = 0
    }
    FNR == 1 { split(FILENAME, path, "/"); from = path[1] }
    /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
        target = $0
        sub(/^[^"]*"/, "", target)
        to = target
        sub(/\/.*/, "", to)
        sub(/".*/, "", target)
        if (to != from)
            edges[from, to]++
        if (to == from)
            next
        if (!(to in layer))
            why = to " is no layer of the module"
        else if (layer[to] > layer[from])
            why = "it points up: " to " is layer " layer[to] ", " from " layer " layer[from]
        else if (layer[to] == layer[from])
            why = "it points sideways: " to " and " from " are both layer " layer[from]
        else
            next
        printf "%s:%d: includes \"%s\": %s\n", FILENAME, FNR, target, why
        bad = 1
    }
    END {
        print "folder include graph (layer: folder -> folders it includes):"
        for (i = 1; i <= folders; ++i) {
            from = order[i]
            line = ""
            for (j = 1; j <= folders; ++j)
                if ((from, order[j]) in edges)
                    line = line " " order[j]
            for (key in edges) {
                split(key, pair, SUBSEP)
                if (pair[1] == from && !(pair[2] in layer))
                    line = line " " pair[2] "(!)"
            }
            printf "  %s: %-10s ->%s\n", layer[from], from, line == "" ? " (nothing)" : line
        }
        exit bad
    }
' "${files[@]}"
