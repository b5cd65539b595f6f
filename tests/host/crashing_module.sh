# crashing_module IN OUT: a copy of a gauge module whose first gauge's
# update routine begins with an undefined instruction (ud2), so the module
# faults in its gauge callbacks at the first frame. Read from the file's own
# headers: the Linkage export, its gauge table, the gauge's header.
_u() { od -An -v -t "u$2" -j "$1" -N "$2" "$module_in" | tr -d ' '; }
_offset_of() {   # RVA -> file offset, through the section table
    local rva=$1 i row va size raw
    for ((i = 0; i < sections; i++)); do
        row=$((section_table + 40 * i))
        va=$(_u $((row + 12)) 4) size=$(_u $((row + 16)) 4) raw=$(_u $((row + 20)) 4)
        if [ "$rva" -ge "$va" ] && [ "$rva" -lt $((va + size)) ]; then echo $((rva - va + raw)); return 0; fi
    done
    return 1
}
crashing_module() {
    local module_in=$1 out=$2 pe opt sections section_table base exports names count i name linkage header routine at
    pe=$(_u 60 4) opt=$((pe + 24))
    sections=$(_u $((pe + 6)) 2) section_table=$((opt + $(_u $((pe + 20)) 2)))
    base=$(_u $((opt + 28)) 4)
    exports=$(_offset_of "$(_u $((opt + 96)) 4)") || return 1
    count=$(_u $((exports + 24)) 4) names=$(_offset_of "$(_u $((exports + 32)) 4)")
    for ((i = 0; i < count; i++)); do
        name=$(dd if="$module_in" bs=1 skip="$(_offset_of "$(_u $((names + 4 * i)) 4)")" count=8 2>/dev/null | tr -d '\0')
        [ "$name" = Linkage ] || continue
        local ordinals functions ordinal
        ordinals=$(_offset_of "$(_u $((exports + 36)) 4)") functions=$(_offset_of "$(_u $((exports + 28)) 4)")
        ordinal=$(_u $((ordinals + 2 * i)) 2)
        linkage=$(_offset_of "$(_u $((functions + 4 * ordinal)) 4)")
    done
    [ -n "${linkage:-}" ] || return 1
    header=$(_offset_of $(($(_u $((linkage + 24)) 4) - base))) || return 1
    routine=$(_u $((header + 24)) 4)
    [ "$routine" -ne 0 ] || return 1
    at=$(_offset_of $((routine - base))) || return 1
    cp "$module_in" "$out" && printf '\x0f\x0b' | dd of="$out" bs=1 seek="$at" conv=notrunc 2>/dev/null
}
