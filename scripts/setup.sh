#!/usr/bin/env bash
# Installs what the two build trees and the Wine test runs need on a Debian
# machine, and makes the machine run Wine's 32-bit programs. The one place
# that installs packages or changes the machine: the build, test and Wine
# scripts only check and say to run this. Quiet and quick when everything is
# already there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake                     || need+=(cmake)
have_cmd g++                       || need+=(g++)
have_cmd ninja                     || need+=(ninja-build)
have_cmd jq                        || need+=(jq)
have_pkg libgtest-dev              || need+=(libgtest-dev)
have_pkg googletest                || need+=(googletest)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
have_pkg libcairo2-dev             || need+=(libcairo2-dev)
have_pkg libstb-dev                || need+=(libstb-dev)
have_pkg zlib1g-dev                || need+=(zlib1g-dev)
have_pkg libz-mingw-w64-dev        || need+=(libz-mingw-w64-dev)
have_cmd valgrind                  || need+=(valgrind)
have_pkg fonts-dejavu-core         || need+=(fonts-dejavu-core)
have_pkg wine                      || need+=(wine)
have_pkg wine32:i386               || need+=(wine32:i386)
# The bench window's test: a display of its own, a hand on it, screenshots.
have_cmd Xvfb                      || need+=(xvfb)
have_cmd xdotool                   || need+=(xdotool)
have_cmd import                    || need+=(imagemagick)
# Films of a flight, the release archive, coverage and fuzzing of the readers.
have_cmd ffmpeg                    || need+=(ffmpeg)
have_cmd zip                       || need+=(zip)
have_cmd gcovr                     || need+=(gcovr)
have_cmd clang++                   || need+=(clang)
have_pkg libfuzzer-14-dev          || need+=(libfuzzer-14-dev)
# The web build and its browser tests: Debian's emscripten (offline, its
# own prebuilt libraries) and Debian's chromium, which playwright-core drives.
have_cmd emcc                      || need+=(emscripten)
have_cmd chromium                  || need+=(chromium)
have_cmd npm                       || need+=(npm)
# Optional compiler cache for developers' repeated builds (ZOR_CCACHE=1).
have_cmd ccache                    || need+=(ccache)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
source "$(dirname "${BASH_SOURCE[0]}")/apt-retry.sh"

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    zor_apt_update
    zor_apt_install "${need[@]}"
fi

# Wine's 32-bit programs. Where the kernel runs no 32-bit programs itself
# (ia32 emulation off), they run under qemu-i386, registered with binfmt_misc.
# Debian 12's qemu 7.2 scans its page table page by page on every mmap and
# Wine reserves gigabytes, so each Wine process burnt ~50 s of CPU; newer qemu
# keeps those pages in a tree (8.1 or later), and with the 10.0 of
# bookworm-backports (a static build, no dependencies) a process takes about
# 0.5 s.
binfmt=/proc/sys/fs/binfmt_misc
i386_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

qemu_new_enough() {
    local version major minor
    version=$(qemu-i386 --version 2>/dev/null | sed -n '1s/.*version \([0-9]*\)\.\([0-9]*\).*/\1 \2/p') || return 1
    [ -n "$version" ] || return 1
    read -r major minor <<<"$version"
    [ "$major" -gt 8 ] || { [ "$major" -eq 8 ] && [ "$minor" -ge 1 ]; }
}

install_qemu() {
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    echo "setup: installing qemu-user (8.1 or later) to run Wine's 32-bit programs"
    if [ "$codename" = bookworm ]; then
        if [ ! -e /etc/apt/sources.list.d/bookworm-backports.sources ]; then
            printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
                'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
                $SUDO tee /etc/apt/sources.list.d/bookworm-backports.sources >/dev/null
        fi
        zor_apt_update
        zor_apt_install -t bookworm-backports qemu-user
    else
        zor_apt_update
        zor_apt_install qemu-user
    fi
    qemu_new_enough || { echo "setup: qemu-i386 8.1 or later is needed" >&2; exit 1; }
}

register_qemu() {
    [ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
    # Without the F flag the kernel opens /usr/bin/qemu-i386 at each exec, so an
    # upgraded qemu takes effect at once; an entry pinned to an old binary is replaced.
    if [ -e "$binfmt/qemu-i386" ] && { grep -q '^flags:.*F' "$binfmt/qemu-i386" ||
            ! grep -qx 'interpreter /usr/bin/qemu-i386' "$binfmt/qemu-i386"; }; then
        echo -1 | $SUDO tee "$binfmt/qemu-i386" >/dev/null
    fi
    if [ ! -e "$binfmt/qemu-i386" ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:' |
            $SUDO tee "$binfmt/register" >/dev/null
    fi
}

# Natively runnable, with no qemu entry involved: nothing to do. A machine
# started afresh forgets its binfmt entries, so this runs on every setup.
if [ -e "$binfmt/qemu-i386" ] || ! i386_runs; then
    qemu_new_enough || install_qemu
    register_qemu
    i386_runs || { echo "setup: i386 programs still do not run" >&2; exit 1; }
fi
