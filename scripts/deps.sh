#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game, its tests and its tools need, only the
# ones that are missing. Sourced by test.sh. The last line of the list checks
# and packs the installed game: the desktop entry (desktop-file-utils), the
# metainfo (appstream), the manual pages (man-db, groff-base) and the .deb
# (dpkg-dev for dpkg-shlibdeps, file for CPack to find the programs, lintian to
# check the package as Debian would).
vm_install_deps() {
    local wanted=(cmake ninja-build g++ pkg-config
        qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
        libjpeg62-turbo-dev libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
        fonts-noto-cjk
        desktop-file-utils appstream man-db groff-base dpkg-dev file lintian "$@")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
