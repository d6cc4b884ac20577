#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a build for a bounded time, each starting from its
# seed corpus in fuzz/corpus/<target>/. Fails when a target crashes, leaks,
# hangs or reports anything through a sanitizer; the input that did it is kept.
#
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#
# New inputs found on the way go to a scratch folder, never into the
# committed corpus.
set -uo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS [TARGET...]" >&2
    exit 1
fi
build=$1
seconds=$2
shift 2

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for exe in "$build"/fuzz/fuzz_*; do
        [ -x "$exe" ] && [ -f "$exe" ] && targets+=("$(basename "$exe" | sed 's/^fuzz_//')")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $build/fuzz" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vm-fuzz-XXXXXX")
failed=()
for t in "${targets[@]}"; do
    exe="$build/fuzz/fuzz_$t"
    seeds="fuzz/corpus/$t"
    if [ ! -x "$exe" ] || [ ! -d "$seeds" ]; then
        echo "== fuzz $t: missing target or seed corpus" >&2
        failed+=("$t")
        continue
    fi
    mkdir -p "$work/$t/corpus" "$work/$t/artifacts"
    log="$work/$t/log"
    echo "== fuzz $t (${seconds}s)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$exe" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$t/artifacts/" "$work/$t/corpus" "$seeds" >"$log" 2>&1
    rc=$?
    # A sanitizer report counts even if the process somehow ended well.
    if [ $rc -ne 0 ] || grep -qE "ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:" "$log"; then
        echo "!! fuzz $t failed (exit $rc); log and inputs kept in $work/$t" >&2
        grep -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -20 >&2
        failed+=("$t")
    else
        grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$log" | tr '\n' ' '
        echo "cov: $(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)"
        rm -rf "${work:?}/$t"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets failed: ${failed[*]}" >&2
    exit 1
fi
rm -rf "$work"
echo "== fuzz: all ${#targets[@]} targets ran ${seconds}s without a finding"
