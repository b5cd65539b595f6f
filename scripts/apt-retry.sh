# Sourced by scripts/setup.sh: apt-get that copes with a mirror caught in
# the middle of a sync. Two functions:
#   zor_apt_update             apt-get update, retried; an index that stays
#                              broken is remembered, not fatal
#   zor_apt_install ARGS...    apt-get install ARGS; where it cannot resolve
#                              after a broken index, once more with the point
#                              release as target, said aloud
# Never bypasses apt's signature or hash checks, and nothing waits on the
# network without a time limit. $SUDO is "" as root, "sudo" otherwise.

ZOR_APT_TRIES=${ZOR_APT_TRIES:-3}
ZOR_APT_PAUSE=${ZOR_APT_PAUSE:-15}
ZOR_APT_TIMEOUT=${ZOR_APT_TIMEOUT:-900}
zor_apt_broken=""

_zor_apt() {
    timeout "$ZOR_APT_TIMEOUT" ${SUDO:-} apt-get -o Acquire::http::Timeout=60 -o Acquire::Retries=2 "$@"
}

# The index URLs apt names in its "Failed to fetch" lines.
_zor_apt_failed_indices() {
    sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$1" | sort -u | tr '\n' ' ' | sed 's/ $//'
}

zor_apt_update() {
    local try log rc
    log=$(mktemp)
    for ((try = 1; try <= ZOR_APT_TRIES; try++)); do
        rc=0
        _zor_apt update -qq >"$log" 2>&1 || rc=$?
        if [ "$rc" -eq 0 ] && ! grep -q '^[EW]: Failed to fetch' "$log"; then
            zor_apt_broken=""
            rm -f "$log"
            return 0
        fi
        zor_apt_broken=$(_zor_apt_failed_indices "$log")
        [ -n "$zor_apt_broken" ] || zor_apt_broken="(apt-get update exited $rc: $(tail -n 1 "$log"))"
        if [ "$try" -lt "$ZOR_APT_TRIES" ]; then
            echo "setup: apt-get update failed on $zor_apt_broken; trying again in ${ZOR_APT_PAUSE}s ($try of $ZOR_APT_TRIES)"
            sleep "$ZOR_APT_PAUSE"
        fi
    done
    echo "setup: after $ZOR_APT_TRIES tries the mirror still serves a broken index: $zor_apt_broken; going on with the indices that did load"
    rm -f "$log"
    return 0
}

zor_apt_install() {
    local target
    _zor_apt install -y -qq --no-install-recommends "$@" >/dev/null && return 0
    # A call that names its own target release (backports) has no fallback.
    if [ -n "$zor_apt_broken" ] && [[ " $* " != *" -t "* ]]; then
        # An index missing from the security suite leaves foreign-architecture
        # packages unable to match their native halves; the point release
        # carries matching versions of both.
        target=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        if [ -n "$target" ]; then
            echo "setup: installing with the point release as target (apt-get install -t $target), since $zor_apt_broken did not load"
            _zor_apt install -y -qq --no-install-recommends -t "$target" "$@" >/dev/null && return 0
        fi
    fi
    if [ -n "$zor_apt_broken" ]; then
        echo "setup: cannot install $*: the mirror is at fault (index $zor_apt_broken is broken, a sync in progress); try again later" >&2
        exit 1
    fi
    echo "setup: apt-get install $* failed" >&2
    exit 1
}
