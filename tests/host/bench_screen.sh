# Watching a bench window on an Xvfb display of its own, for the tests that
# start one: screenshots read back at panel pixels, the host's report lines
# waited for. Source it after setting:
#   work      a scratch folder (the display's log, screenshots, host output)
#   report    the file the bench's report lines go to
#   prefix    the Wine prefix the host runs in (its server ends at exit)
# and set host_pid once the host runs; bench_client_origin sets origin_x,
# origin_y and client_size from the report.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
host_pid=""

host_gone() { [ -n "$host_pid" ] && ! kill -0 "$host_pid" 2>/dev/null; }
fail() {
    echo "FAIL: $*" >&2
    host_gone && echo "(the bench has ended: $(tail -5 "$work/host.out" 2>/dev/null))" >&2
    exit 1
}

bench_screen_cleanup() {
    [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    zor_display_stop
    rm -rf "$work"
}

# The tools and the display; the scratch folder and the display go at exit.
bench_screen_start() {
    trap bench_screen_cleanup EXIT
    trap 'exit 1' TERM INT
    local tool
    for tool in Xvfb xdotool import convert; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs xvfb, xdotool and imagemagick)"
    done
    zor_display_start "$work" || fail "no X display to show the bench on"
}

# Waits up to SECONDS for a command to succeed; gives up at once when the
# bench has ended.
wait_for() {
    local seconds=$1; shift
    local until=$((SECONDS + seconds))
    while [ $SECONDS -lt $until ]; do
        "$@" && return 0
        host_gone && return 1
        sleep 0.3
    done
    return 1
}
# A --report file is REPORT.part while the bench runs, REPORT once it closed.
report_so_far() { cat "$report.part" "$report" 2>/dev/null || true; }
reported() { report_so_far | grep -qF -- "$1"; }

# The client area on the screen, from the host's report.
bench_client_origin() {
    read -r origin_x origin_y client_size < <(report_so_far | sed -n 's/^window client \([0-9]*\),\([0-9]*\) \([0-9]*x[0-9]*\),.*/\1 \2 \3/p' | tail -1)
    [ -n "$origin_x" ] || fail "the host reported no window position"
}

# Panel pixels to the screen.
move() { xdotool mousemove $((origin_x + $1)) $((origin_y + $2)); }
shoot() { import -window root "$work/screen.png"; }
# "R G B" of a panel pixel on the last screenshot.
pixel() {
    convert "$work/screen.png" -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | tail -1
}
# Whether a panel pixel shows the colour, each channel within 12.
shows() {
    shoot
    local seen r g b
    seen=$(pixel "$1" "$2")
    read -r r g b <<<"$seen"
    [ -n "$r" ] && [ $((${r} - $3)) -le 12 ] && [ $(($3 - r)) -le 12 ] && [ $((g - $4)) -le 12 ] &&
        [ $(($4 - g)) -le 12 ] && [ $((b - $5)) -le 12 ] && [ $(($5 - b)) -le 12 ]
}
expect_colour() {   # WHAT X Y R G B
    local what=$1; shift
    wait_for 30 shows "$@" || fail "$what: expected $3 $4 $5 at $1,$2, saw $(pixel "$1" "$2")"
    echo "ok: $what"
}
expect_report() {   # WHAT LINE
    wait_for 20 reported "$2" || fail "$1: the host reported no '$2'"
    echo "ok: $1"
}
# The client area of the last screenshot, to keep.
keep_screen() { convert "$work/screen.png" -crop "$client_size+$origin_x+$origin_y" "$1"; }
