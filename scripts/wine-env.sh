# Helpers for running the win32 test programs under Wine. Source it, then:
#   zor_wine_i386_ready             whether i386 programs (wine32) run here
#   zor_wine_prefix DIR [GRAPHICS]  ready-to-use prefix at DIR; GRAPHICS is Wine's
#                                   graphics driver: null (no display, the default)
#                                   or x11 (windows on $DISPLAY, for the bench)
#   zor_wine_alsa_home HOME FILE    HOME whose ALSA default device records to FILE (wav)
#   zor_wine_start DIR / zor_wine_stop DIR   one warm wineserver for a whole test run
#   zor_display_start DIR / zor_display_stop  an Xvfb display of its own ($DISPLAY) for
#                                   windows under the x11 driver; DIR keeps its log
#
# Where the kernel runs no 32-bit programs (ia32 emulation off), wine32 runs
# under qemu-i386, which scripts/setup.sh installs and registers.
#
# Every function is safe under `set -e`: a status that only informs is
# caught where it is read.

ZOR_WINE_CACHE=${ZOR_WINE_CACHE:-/var/cache/krv-zor}
# Bump when the prefix settings below change, so cached templates are rebuilt.
ZOR_WINE_PREFIX_REV=1

export WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win32
# No menu entries, no .NET or HTML engine install prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}

# Whether this machine runs Wine's i386 programs. scripts/setup.sh makes it
# so where the kernel cannot (qemu-user and its binfmt entry); nothing here
# installs or registers anything.
zor_wine_i386_ready() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

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
    WINEPREFIX="$dir" DISPLAY= wine regedit /S "$reg" </dev/null >/dev/null 2>&1 || return 1
    rm -f "$reg"
    # The registry reaches the disk when the server ends, shortly after the
    # last program.
    WINEPREFIX="$dir" wineserver -w || true
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
    zor_wine_i386_ready || { echo "wine-env: i386 programs cannot start here: run scripts/setup.sh" >&2; return 1; }
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
    zor_wine_stop "$dir"
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
        status=0
        WINEPREFIX="$1" wineserver -p 2>/dev/null 9>&- || status=$?
        [ "$status" -ne 2 ] || exit 0   # already running for this prefix
        WINEPREFIX="$1" setsid -w wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
        exit 0
    ) 9>"$1/.zor-lock"
}

# zor_wine_stop DIR: ends the prefix's wineserver, if one runs.
zor_wine_stop() {
    [ -d "$1" ] || return 0
    WINEPREFIX="$1" wineserver -k 2>/dev/null || true
    WINEPREFIX="$1" wineserver -w 2>/dev/null || true
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
    kill "$ZOR_XVFB_PID" 2>/dev/null || true
    wait "$ZOR_XVFB_PID" 2>/dev/null || true
    ZOR_XVFB_PID=""
}
