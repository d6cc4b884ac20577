#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots under docs/screens: runs the screen tests in a real
# X server (Xvfb) with the game's fonts, and every test that shows a screen
# worth a picture leaves one there.
#
#   scripts/screenshots.sh [build-folder] [gtest filter]
#
# With VM_SCREENSHOT_SCALE=2 (or 1.5) the game's windows are drawn at that
# absolute scale on a 2560 x 1600 screen, as "表示の大きさ" sets it, and the
# pictures are named NAME-2x.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
filter="${2:-*}"
out="$PWD/docs/screens"
mkdir -p "$out"
command -v xvfb-run >/dev/null || { echo "screenshots.sh: xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }
cmake --build "$build" --target vm_screens_tests
screen="1280x1024x24"
if [ -n "${VM_SCREENSHOT_SCALE:-}" ]; then
    screen="2560x1600x24"
    export QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 QT_SCALE_FACTOR="$VM_SCREENSHOT_SCALE"
    export VM_SCREENSHOT_SUFFIX="-${VM_SCREENSHOT_SCALE}x"
fi
VM_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $screen" \
    "$build/tests/screens/vm_screens_tests" --gtest_filter="$filter"
echo "screenshots in $out"
