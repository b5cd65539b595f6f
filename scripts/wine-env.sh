# Helpers for running the win32 test programs under Wine. Source it, then:
#   zor_wine_enable_i386            make i386 programs (wine32) runnable
#   zor_wine_prefix DIR [GRAPHICS]  ready-to-use prefix at DIR; GRAPHICS is Wine's
#                                   graphics driver: null (no display, the default)
#                                   or x11 (windows on $DISPLAY, for the bench)
#   zor_wine_alsa_home HOME FILE    HOME whose ALSA default device records to FILE (wav)
#   zor_wine_start DIR / zor_wine_stop DIR   one warm wineserver for a whole test run
#   zor_display_start DIR / zor_display_stop  an Xvfb display of its own ($DISPLAY) for
#                                   windows under the x11 driver; DIR keeps its log
#
# Where the kernel runs no 32-bit programs (ia32 emulation off), wine32 runs
# under qemu-i386. Debian 12's qemu 7.2 scans its page table page by page on
# every mmap and Wine reserves gigabytes, so each Wine process burnt ~50 s of
# CPU; newer qemu keeps those pages in a tree (asked for here: 8.1 or later) and
# with the 10.0 of bookworm-backports (a static build, no dependencies) a
# process takes about 0.5 s.

ZOR_WINE_CACHE=${ZOR_WINE_CACHE:-/var/cache/krv-zor}
# Bump when the prefix settings below change, so cached templates are rebuilt.
ZOR_WINE_PREFIX_REV=1

export WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win32
# No menu entries, no .NET or HTML engine install prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}

_zor_sudo() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

_zor_i386_ok() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

_zor_qemu_new_enough() {
    local v
    v=$(qemu-i386 --version 2>/dev/null | sed -n '1s/.*version \([0-9]*\)\.\([0-9]*\).*/\1 \2/p')
    [ -n "$v" ] && set -- $v && { [ "$1" -gt 8 ] || { [ "$1" -eq 8 ] && [ "$2" -ge 1 ]; }; }
}

zor_wine_enable_i386() {
    local bm=/proc/sys/fs/binfmt_misc
    # Natively runnable: nothing to do (no qemu entry is involved).
    if [ ! -e "$bm/qemu-i386" ] && _zor_i386_ok; then return 0; fi
    if ! _zor_qemu_new_enough; then
        local codename
        codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        if [ "$codename" = bookworm ] && [ ! -e /etc/apt/sources.list.d/bookworm-backports.sources ]; then
            printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
                'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
                _zor_sudo tee /etc/apt/sources.list.d/bookworm-backports.sources >/dev/null
        fi
        _zor_sudo apt-get update -qq
        if [ "$codename" = bookworm ]; then
            DEBIAN_FRONTEND=noninteractive _zor_sudo apt-get install -y -qq -t bookworm-backports qemu-user >/dev/null
        else
            DEBIAN_FRONTEND=noninteractive _zor_sudo apt-get install -y -qq qemu-user >/dev/null
        fi
        _zor_qemu_new_enough || { echo "wine-env: qemu-i386 8.1 or later is needed" >&2; return 1; }
    fi
    [ -e "$bm/register" ] || _zor_sudo mount -t binfmt_misc binfmt_misc "$bm" || return 1
    # Without the F flag the kernel opens /usr/bin/qemu-i386 at each exec, so an
    # upgraded qemu takes effect at once; an entry pinned to an old binary is replaced.
    if [ -e "$bm/qemu-i386" ] && { grep -q '^flags:.*F' "$bm/qemu-i386" ||
            ! grep -qx 'interpreter /usr/bin/qemu-i386' "$bm/qemu-i386"; }; then
        echo -1 | _zor_sudo tee "$bm/qemu-i386" >/dev/null
    fi
    if [ ! -e "$bm/qemu-i386" ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:' |
            _zor_sudo tee "$bm/register" >/dev/null
    fi
    _zor_i386_ok || { echo "wine-env: i386 programs still do not run" >&2; return 1; }
}

# Makes a prefix: the graphics driver asked for (null: windows without a
# display), no crash dialog, Wine's own chatter off. The x11 variant is made
# with no display at hand, so its first boot runs on the null driver.
_zor_wine_make_prefix() {
    local dir=$1 graphics=$2 reg
    WINEPREFIX="$dir" DISPLAY= wineboot --init </dev/null >/dev/null 2>&1 || return 1
    reg=$(mktemp --suffix=.reg)
    cat >"$reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="$graphics"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
"mscoree"=""
"mshtml"=""
EOF
    WINEPREFIX="$dir" DISPLAY= wine regedit /S "$reg" </dev/null >/dev/null 2>&1
    rm -f "$reg"
    # The registry reaches the disk when the server ends, shortly after the
    # last program.
    WINEPREFIX="$dir" wineserver -w
    grep -q "\"Graphics\"=\"$graphics\"" "$dir/user.reg"
}

# zor_wine_prefix DIR [GRAPHICS]: a copy of the machine-wide template for
# this Wine build and graphics driver.
zor_wine_prefix() {
    local dir=$1 graphics=${2:-null} ver tpl
    case $dir in ''|/) echo "wine-env: bad prefix '$dir'" >&2; return 1 ;; esac
    case $graphics in null|x11) ;; *) echo "wine-env: no graphics driver '$graphics'" >&2; return 1 ;; esac
    ver=$(dpkg-query -W -f='${Version}' wine32:i386 2>/dev/null || wine --version)
    tpl="$ZOR_WINE_CACHE/wine-$ver-r$ZOR_WINE_PREFIX_REV"
    [ "$graphics" = null ] || tpl="$tpl-$graphics"
    [ "$(cat "$dir/.zor-template" 2>/dev/null)" = "$tpl" ] && return 0
    zor_wine_enable_i386 || return 1
    mkdir -p "$ZOR_WINE_CACHE" "$(dirname "$dir")"
    (
        flock 9
        if [ ! -f "$tpl/.zor-template" ]; then
            rm -rf "$tpl.tmp"
            _zor_wine_make_prefix "$tpl.tmp" "$graphics" 9>&- || { echo "wine-env: prefix creation failed" >&2; exit 1; }
            echo "$tpl" >"$tpl.tmp/.zor-template"
            rm -rf "$tpl" && mv "$tpl.tmp" "$tpl"
        fi
    ) 9>"$ZOR_WINE_CACHE/.lock" || return 1
    zor_wine_stop "$dir" 2>/dev/null
    rm -rf "$dir" && cp -a "$tpl" "$dir"
}

# zor_wine_alsa_home HOME FILE: ALSA's default device in HOME converts to
# 16-bit 44.1 kHz stereo and writes a wav FILE, with no sound card needed.
zor_wine_alsa_home() {
    # Written whole and renamed: tests running at once may read it meanwhile.
    mkdir -p "$1" && cat >"$1/.asoundrc.$$" <<EOF
pcm.!default {
    type plug
    slave { pcm "zor_capture"; format S16_LE; rate 44100; channels 2 }
}
pcm.zor_capture {
    type file
    slave.pcm "null"
    file "$2"
    format "wav"
}
EOF
    mv -f "$1/.asoundrc.$$" "$1/.asoundrc"
}

# zor_wine_start DIR: a persistent wineserver, warmed by one detached program.
# The first program of a session starts Wine's background services, which keep
# its stdout and stderr: they must not be a test's, or the test runner would
# wait on them forever. Serialised so that concurrent tests never start it first.
zor_wine_start() {
    (
        flock 9
        # The server and programs must not inherit the lock, or it would stay held.
        WINEPREFIX="$1" wineserver -p 2>/dev/null 9>&-
        [ $? -eq 2 ] && exit 0   # already running for this prefix
        WINEPREFIX="$1" setsid -w wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
        exit 0
    ) 9>"$1/.zor-lock"
}

zor_wine_stop() {
    [ -d "$1" ] || return 0
    WINEPREFIX="$1" wineserver -k 2>/dev/null
    WINEPREFIX="$1" wineserver -w 2>/dev/null
    return 0
}

# zor_display_start DIR: Xvfb on a free display, which it picks itself and
# names once it listens; DISPLAY and ZOR_XVFB_PID are set. Fails with the
# reason when Xvfb is missing or does not come up.
zor_display_start() {
    local dir=$1 i
    command -v Xvfb >/dev/null || { echo "wine-env: Xvfb is missing (scripts/setup.sh installs xvfb)" >&2; return 1; }
    mkdir -p "$dir" && rm -f "$dir/display"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    ZOR_XVFB_PID=$!
    for i in $(seq 50); do [ -s "$dir/display" ] && break; sleep 0.2; done
    if [ ! -s "$dir/display" ]; then
        echo "wine-env: Xvfb did not start: $(tail -3 "$dir/xvfb.log")" >&2
        zor_display_stop
        return 1
    fi
    export DISPLAY=:$(head -1 "$dir/display")
}

zor_display_stop() {
    [ -n "${ZOR_XVFB_PID:-}" ] || return 0
    kill "$ZOR_XVFB_PID" 2>/dev/null
    wait "$ZOR_XVFB_PID" 2>/dev/null
    ZOR_XVFB_PID=""
    return 0
}
