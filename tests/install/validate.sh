#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks one file the installed game ships with the program that reads it:
#   validate.sh desktop FILE    desktop-file-validate
#   validate.sh metainfo FILE   appstreamcli validate (no network)
#   validate.sh manpage FILE    groff and man, with every warning on
# Exits 77 (skipped) when that program is not installed.
set -euo pipefail
kind=$1 file=$2

need() {
    command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; exit 77; }
}

case "$kind" in
    desktop)
        need desktop-file-validate
        out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; exit 1; }
        # It exits 0 on hints and deprecations; a clean entry says nothing.
        [ -z "$out" ] || { echo "$out"; exit 1; } ;;
    metainfo)
        need appstreamcli
        appstreamcli validate --no-net --pedantic "$file" ;;
    manpage)
        need groff
        # -k: the page holds UTF-8 (Japanese examples); -ww: every warning.
        out=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$file" 2>&1)
        [ -z "$out" ] || { echo "$out"; exit 1; }
        if command -v man >/dev/null; then
            out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
            [ -z "$out" ] || { echo "$out"; exit 1; }
            # Every command of the tool has its entry.
            if [ "$(basename "$file")" = vellmora-tool.6 ]; then
                page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" 2>/dev/null)
                for command in world match window simulate inspect export-vs replay stats; do
                    grep -q "^       $command" <<<"$page" || { echo "no entry for $command"; exit 1; }
                done
            fi
        fi ;;
    *) echo "usage: $0 desktop|metainfo|manpage FILE"; exit 2 ;;
esac
echo "$kind: $file is valid"
