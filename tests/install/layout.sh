#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch prefix lays out every file the installed
# game needs, and the installed tool reads the installed data from any folder.
#   layout.sh BUILD_DIR SOURCE_DATA_DIR
set -euo pipefail
build=$1 data=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }
expect() {
    local f
    for f; do [ -f "$prefix/$f" ] || fail "missing $f"; done
}

expect share/applications/vellmora2.desktop share/metainfo/io.github.vellmora2.metainfo.xml \
    share/man/man6/vellmora-tool.6 share/icons/hicolor/scalable/apps/vellmora2.svg
for program in vellmora2 vellmora-tool; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done
[ "$(ls "$prefix/bin")" = "$(printf 'vellmora-tool\nvellmora2')" ] || fail "bin holds more: $(ls "$prefix/bin")"
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

# The installed tool finds the installed data wherever it is started...
tool="$prefix/bin/vellmora-tool"
if ! out=$(cd / && "$tool" world --seed 3 --new-game 2>&1); then
    fail "the installed tool cannot build a world: $out"
fi
# ...and reads that data, not the source tree's: without its club names it
# names the installed file.
rm "$prefix/share/vellmora2/data/name/teamname.txt"
if err=$(cd / && "$tool" world --seed 3 --new-game 2>&1 >/dev/null); then
    fail "the installed tool ran without its club names"
elif ! grep -qF "$prefix/share/vellmora2/data/name/teamname.txt" <<<"$err"; then
    fail "the error does not name the installed file: $err"
fi

[ "$failed" = 0 ] || exit 1
echo "installed layout complete: 2 programs, $sizes icon sizes, $(cd "$data" && find . -type f | wc -l) data files"
