#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: the normal build (whose install tests
# also pack the .deb and check it with lintian: an error or a warning fails),
# then the core and screen tests again under AddressSanitizer +
# UndefinedBehaviorSanitizer (not the install tests: a sanitizer build is never
# packed), then a short run of each fuzz target when clang
# is present. The exit code is the verdict.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vm_install_deps clang libclang-rt-14-dev

jobs=$(nproc 2>/dev/null || echo 2)

echo "== build (release with debug info)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
echo "== tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -LE soak)

echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer (core and screens)"
(
    # Set before the build too: listing the tests runs each binary. Qt keeps
    # what it allocates reachable until the process ends, so LeakSanitizer
    # needs no suppressions for the screen tests.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export QT_QPA_PLATFORM=offscreen
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVM_SANITIZE=ON -DVM_BUILD_BENCH=OFF >/dev/null
    cmake --build build-asan -j "$jobs"
    # PlainWay.* plays a whole season both ways, about five minutes under the
    # sanitizers; the normal run above keeps it, and the match tests compare
    # the two ways match by match under the sanitizers too.
    cd build-asan
    ctest --output-on-failure -j "$jobs" -LE soak -E '^PlainWay\.'
)

if command -v clang++ >/dev/null && [ -f fuzz/CMakeLists.txt ]; then
    echo "== fuzz targets (short bounded runs)"
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVM_FUZZ=ON \
        -DVM_BUILD_GAME=OFF -DVM_BUILD_BENCH=OFF -DVM_BUILD_TESTS=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs"
    scripts/run-fuzzers.sh build-fuzz "${VM_FUZZ_SECONDS:-20}"
fi
echo "== all tests passed"
