#!/usr/bin/env bash
# Set-up's apt retries against a stand-in apt-get on PATH that plays a
# mirror: broken for a few updates, broken for good on one index, or
# unable to resolve a package unless the point release is the target.
# Usage: apt_retry_test.sh SCRIPTS_DIR
set -uo pipefail
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
# Plays the mirror of $FAKE_MIRROR; logs every call to $FAKE_LOG.
echo "apt-get $*" >>"$FAKE_LOG"
count_file="$FAKE_LOG.updates"
broken='E: Failed to fetch http://mirror.test/debian-security/dists/stable-security/main/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?'
case " $* " in
*" update "*)
    n=$(( $(cat "$count_file" 2>/dev/null || echo 0) + 1 ))
    echo "$n" >"$count_file"
    case $FAKE_MIRROR in
    heals) [ "$n" -gt 2 ] && exit 0 ;;
    esac
    echo "$broken" >&2
    exit 100 ;;
*" install "*)
    case $FAKE_MIRROR in
    heals) exit 0 ;;
    broken-point-release-resolves) [[ " $* " == *" -t "* ]] && exit 0 ;;
    esac
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100 ;;
esac
FAKE
chmod +x "$work/bin/apt-get"

# run MIRROR: sources the retry helpers with the stand-in apt-get and a
# zero pause, updates, installs wine32:i386; leaves output and the log.
run() {
    rm -f "$work/log" "$work/log.updates"
    ( export PATH="$work/bin:$PATH" FAKE_MIRROR=$1 FAKE_LOG="$work/log" ZOR_APT_PAUSE=0 SUDO=""
      source "$scripts/apt-retry.sh"
      zor_apt_update
      zor_apt_install wine32:i386 ) >"$work/out" 2>&1
    echo $? >"$work/status"
}

check() { # DESCRIPTION CONDITION...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; sed 's/^/    /' "$work/out" "$work/log"; failures=$((failures + 1)); fi
}
updates() { grep -c ' update' "$work/log"; }
said() { grep -q -- "$1" "$work/out"; }
logged() { grep -q -- "$1" "$work/log"; }
status_is() { [ "$(cat "$work/status")" = "$1" ]; }

target=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

run heals
check "a mirror that heals: third update succeeds, install without a fallback" \
    eval '[ "$(updates)" = 3 ] && status_is 0 && ! logged " -t " && ! said "point release"'

run broken-point-release-resolves
check "an index broken for good: three updates, then the point release as target, said aloud" \
    eval '[ "$(updates)" = 3 ] && status_is 0 && logged "install .* -t $target wine32:i386" && said "point release as target" && said "binary-i386/Packages.xz"'

run broken-always
check "nothing resolves: stops, naming the index and the mirror" \
    eval '! status_is 0 && said "mirror is at fault" && said "binary-i386/Packages.xz" && said "try again later"'

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
