#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` builds a package named vellmora2 in section games, with its
# maintainer, a description, the Debian packages it needs (from
# dpkg-shlibdeps, plus the Japanese font) and the installed layout below /usr.
#   deb.sh BUILD_DIR
# Exits 77 (skipped) without cpack, dpkg-deb or dpkg-shlibdeps.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
deb=$(find "$out" -maxdepth 1 -name '*.deb')
[ -f "$deb" ] || { echo "no .deb in $out"; exit 1; }

failed=0
fail() { echo "FAIL: $*"; failed=1; }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = vellmora2 ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
grep -q '<.*@.*>' <<<"$(field Maintainer)" || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Version)" ] || fail "no Version"
description=$(field Description)
[ "$(wc -l <<<"$description")" -gt 2 ] || fail "Description has no long text: $description"
depends=$(field Depends)
# The package names alone, one a line: "libc6 (>= 2.34), fonts-noto-cjk" gives libc6 and fonts-noto-cjk.
names=$(sed 's/ *([^)]*)//g; s/ *[,|] */\n/g' <<<"$depends")
for package in fonts-noto-cjk libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
    libjpeg62-turbo; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vellmora2 ./usr/bin/vellmora-tool ./usr/share/applications/vellmora2.desktop \
    ./usr/share/metainfo/io.github.vellmora2.metainfo.xml ./usr/share/man/man6/vellmora-tool.6 \
    ./usr/share/icons/hicolor/256x256/apps/vellmora2.png ./usr/share/vellmora2/data/name/teamname.txt \
    ./usr/share/vellmora2/data/skin/title.jpg ./usr/share/vellmora2/data/msp.dat; do
    grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done

[ "$failed" = 0 ] || exit 1
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, Depends: $depends"
