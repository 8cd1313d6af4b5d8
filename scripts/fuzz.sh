#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while; exits non-zero when any of
# them finds a crash, a leak, a timeout or a broken check.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
if ! [[ "$seconds" =~ ^[1-9][0-9]{0,5}$ ]]; then
    echo "fuzz.sh: seconds must be a whole number from 1 to 999999, not '$seconds'" >&2
    exit 2
fi
build=${RAVELO2_FUZZ_BUILD:-$root/build-fuzz}
targets=(fuzz_cli_args fuzz_cli_lines fuzz_engine fuzz_settings)

"$root/scripts/deps.sh" fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRAVELO2_FUZZ=ON -DRAVELO2_BUILD_UI=OFF -DRAVELO2_BUILD_TESTS=OFF \
    -DRAVELO2_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

failed=0
for target in "${targets[@]}"; do
    # New inputs go to the build tree; the seeds in fuzz/corpus stay as they are.
    corpus=$build/fuzz-corpus/$target
    artifacts=$build/fuzz-artifacts/$target/
    log=$build/fuzz-logs/$target.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    start=$(date +%s)
    status=0
    "$build/fuzz/$target" "$corpus" "$root/fuzz/corpus/$target" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts" \
        >"$log" 2>&1 || status=$?
    elapsed=$(($(date +%s) - start))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [[ $status -eq 0 ]]; then
        echo "$target: ${runs:-?} executions in ${elapsed} s, no crash"
    else
        failed=1
        echo "$target: FAILED (status $status) after ${runs:-?} executions in ${elapsed} s;" \
            "log $log, inputs in $artifacts"
        grep -E "ERROR|SUMMARY|FUZZ|\.cpp:[0-9]+:" "$log" | head -n 20 || true
    fi
done
exit $failed
