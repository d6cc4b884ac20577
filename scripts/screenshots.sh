#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots under docs/screens: runs the screen tests in a real
# X server (Xvfb) with the game's fonts, and every test that shows a screen
# worth a picture leaves one there.
#
#   scripts/screenshots.sh [build-folder] [gtest filter]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
filter="${2:-*}"
out="$PWD/docs/screens"
mkdir -p "$out"
command -v xvfb-run >/dev/null || { echo "screenshots.sh: xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }
cmake --build "$build" --target vm_screens_tests
VM_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/screens/vm_screens_tests" --gtest_filter="$filter"
echo "screenshots in $out"
