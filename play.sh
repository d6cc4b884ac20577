#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vellmora 2 from this folder and starts it.
#
#   ./play.sh                    install what is missing, build and play
#   ./play.sh --install-desktop  the same preparations, then add Vellmora 2 to the
#                                desktop's application menu instead of playing
#
# The game built here reads the data shipped in this repository's data/ where
# it lies and keeps the player's files (saved games, versus clubs, formation
# files, the match speed) in ${XDG_DATA_HOME:-$HOME/.local/share}/vellmora2.
# The data/ folder of this repository is never written by a game. To install
# the game like any other program, see "Installing" in README.md.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# A build folder of its own: ./test.sh builds in build/ with another build type,
# and sharing one would make each rebuild everything the other built.
build="$repo/build-play"

packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libjpeg62-turbo-dev zlib1g-dev
          libgtest-dev libbenchmark-dev fonts-noto-cjk)

say() { printf 'play.sh: %s\n' "$*" >&2; }

install_missing_packages() {
    if ! command -v dpkg-query >/dev/null; then
        say "not a Debian-based system; please make sure these are installed: ${packages[*]}"
        return
    fi
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            say "these packages are missing and installing them needs root: ${missing[*]}"
            exit 1
        fi
        sudo=(sudo)
    fi
    say "installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y "${missing[@]}"
}

build_game() {
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVM_BUILD_TESTS=OFF -DVM_BUILD_BENCH=OFF
    cmake --build "$build" --target vellmora2 -j "$(nproc)"
}

# A value for the desktop entry's Exec key: quoted, with the characters the
# desktop entry format reserves escaped.
desktop_exec_quote() {
    local s="$1"
    s="${s//\\/\\\\\\\\}"
    s="${s//\"/\\\\\"}"
    s="${s//\`/\\\\\`}"
    s="${s//\$/\\\\\$}"
    s="${s//%/%%}"
    printf '"%s"' "$s"
}

install_desktop_entry() {
    local apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
    local icon="$repo/data/icons/hicolor/256x256/apps/vellmora2.png"
    mkdir -p "$apps"
    local exec_line icon_line
    exec_line="Exec=$(desktop_exec_quote "$repo/play.sh")"
    icon_line="Icon=${icon//\\/\\\\}"
    local line
    while IFS= read -r line || [ -n "$line" ]; do
        case "$line" in
            Exec=*) printf '%s\n' "$exec_line" ;;
            Icon=*) printf '%s\n' "$icon_line" ;;
            *) printf '%s\n' "$line" ;;
        esac
    done <"$repo/dist/vellmora2.desktop" >"$apps/vellmora2.desktop.part"
    mv -f "$apps/vellmora2.desktop.part" "$apps/vellmora2.desktop"
    say "added Vellmora 2 to the application menu ($apps/vellmora2.desktop)"
}

mode=play
case "${1:-}" in
    "") ;;
    --install-desktop) mode=desktop ;;
    *) say "usage: $0 [--install-desktop]"; exit 2 ;;
esac

install_missing_packages
build_game
if [ "$mode" = desktop ]; then
    install_desktop_entry
    exit 0
fi
exec "$build/vellmora2"
