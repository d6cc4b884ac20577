#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch prefix lays out every file the installed
# game needs, with the programs in bin/, and the installed game and tool read
# the installed data from any folder and nothing else: not the source tree.
#   layout.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
data=$source/data
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
source "$(dirname "$0")/checks.sh"

expect() {
    local f
    for f; do [ -f "$prefix/$f" ] || fail "missing $f"; done
}

expect share/applications/vellmora2.desktop share/metainfo/io.github.vellmora2.metainfo.xml \
    share/man/man6/vellmora2.6.gz share/man/man6/vellmora-tool.6.gz share/icons/hicolor/scalable/apps/vellmora2.svg
grep -qx 'Exec=vellmora2' "$prefix/share/applications/vellmora2.desktop" || fail "the menu entry does not start vellmora2"
for program in vellmora2 vellmora-tool; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done
[ "$(ls "$prefix/bin")" = "$(printf 'vellmora-tool\nvellmora2')" ] || fail "bin holds more: $(ls "$prefix/bin")"
# The package's own files stay in the package.
for own in games share/doc share/lintian; do
    [ ! -e "$prefix/$own" ] || fail "$own was installed"
done
sizes=0
for size in 16 24 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/vellmora2.png"
    sizes=$((sizes + 1))
done
# Every shipped file, byte for byte, and nothing of the player's.
while IFS= read -r -d '' f; do
    f=${f#./}
    cmp -s "$data/$f" "$prefix/share/vellmora2/data/$f" || fail "share/vellmora2/data/$f differs or is missing"
done < <(cd "$data" && find . -type f ! -name '*.part' -print0)
for own in tmp savedata vs formation replays vtr; do
    [ ! -e "$prefix/share/vellmora2/data/$own" ] || fail "the player's $own was installed"
done

no_build_paths "$source" "$build" "$prefix/bin/vellmora2" "$prefix/bin/vellmora-tool"

# The installed tool and game find the installed data wherever they are started...
game="$prefix/bin/vellmora2" tool="$prefix/bin/vellmora-tool"
installed="$prefix/share/vellmora2/data"
if ! out=$(cd / && "$tool" world --seed 3 --new-game 2>&1); then
    fail "the installed tool cannot build a world: $out"
fi
if ! out=$(cd / && XDG_DATA_HOME="$prefix/player" "$game" --folders 2>&1); then
    fail "the installed game finds no folders: $out"
elif ! grep -qxF "ゲームのデータ: $installed" <<<"$out"; then
    fail "the installed game reads other data: $out"
fi
# ...and read that data, not the source tree's: without its club names the
# tool names the installed file...
rm "$installed/name/teamname.txt"
if err=$(cd / && "$tool" world --seed 3 --new-game 2>&1 >/dev/null); then
    fail "the installed tool ran without its club names"
elif ! grep -qF "$installed/name/teamname.txt" <<<"$err"; then
    fail "the error does not name the installed file: $err"
fi
# ...and without any installed data neither falls back to the source tree.
rm -rf "$installed"
no_fallback "$tool" "$installed" world --seed 3
no_fallback "$game" "$installed" --folders

[ "$failed" = 0 ] || exit 1
echo "installed layout complete: 2 programs, $sizes icon sizes, $(cd "$data" && find . -type f | wc -l) data files"
