#!/usr/bin/env bash
# Installs what the two build trees and the Wine test runs need on a Debian machine.
# Quiet and quick when everything is already there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake                     || need+=(cmake)
have_cmd g++                       || need+=(g++)
have_cmd make                      || need+=(make)
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

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
