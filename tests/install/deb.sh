#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` builds a package named vellmora2 in section games, with its
# maintainer, a description, the Debian packages it needs (from
# dpkg-shlibdeps, plus the Japanese font) and the installed layout below /usr:
# the programs in /usr/games, the menu entry starting them by their full path,
# the copyright, the changelog and the lintian override. Then Debian's package
# checker, lintian, must find no error and no warning.
#   deb.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) without cpack, dpkg-deb or dpkg-shlibdeps, and after the
# other checks without lintian.
set -euo pipefail
build=$1 source=$2
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
source "$(dirname "$0")/checks.sh"
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
    libqt6charts6 libjpeg62-turbo; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/vellmora2 ./usr/games/vellmora-tool ./usr/share/applications/vellmora2.desktop \
    ./usr/share/metainfo/io.github.vellmora2.metainfo.xml ./usr/share/man/man6/vellmora2.6.gz \
    ./usr/share/man/man6/vellmora-tool.6.gz ./usr/share/doc/vellmora2/copyright \
    ./usr/share/doc/vellmora2/changelog.gz ./usr/share/lintian/overrides/vellmora2 \
    ./usr/share/icons/hicolor/256x256/apps/vellmora2.png ./usr/share/vellmora2/data/name/teamname.txt \
    ./usr/share/vellmora2/data/skin/title.jpg ./usr/share/vellmora2/data/msp.dat; do
    grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done
! grep -q '^\./usr/bin/' <<<"$contents" || fail "the package has programs in /usr/bin"

root="$out/root"
dpkg-deb -x "$deb" "$root"
exec_line=$(grep '^Exec=' "$root/usr/share/applications/vellmora2.desktop")
[ "$exec_line" = "Exec=/usr/games/vellmora2" ] || fail "the menu entry does not start /usr/games/vellmora2: $exec_line"
no_build_paths "$source" "$build" "$root/usr/games/vellmora2" "$root/usr/games/vellmora-tool"
[ "$failed" = 0 ] || exit 1

if ! command -v lintian >/dev/null; then
    echo "skipped: the package's contents are right, but lintian is not installed"
    exit 77
fi
# Info tags are shown for the record; only errors and warnings fail.
verdict=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || verdict=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$verdict" = 0 ] || { echo "FAIL: lintian finds errors or warnings in $(basename "$deb")"; exit 1; }
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, Depends: $depends"
