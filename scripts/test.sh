#!/usr/bin/env bash
# Builds Ravelo2 three times and runs every test: a warnings-as-errors build, an
# AddressSanitizer + UndefinedBehaviorSanitizer build, a short run of each fuzz target, and a
# ThreadSanitizer build for the tests that cross threads (label "threads"). Long runs (label
# "long") are left to `ctest -L long` by hand, longer fuzzing to `scripts/fuzz.sh SECONDS`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

configure_and_build() { # dir, extra cmake args...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRAVELO2_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

echo "== Build and test =="
configure_and_build "$root/build"
ctest --test-dir "$root/build" -j "$jobs" -LE long --output-on-failure

echo "== AddressSanitizer + UndefinedBehaviorSanitizer =="
configure_and_build "$root/build-asan" -DRAVELO2_SANITIZE=address -DRAVELO2_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
    ctest --test-dir "$root/build-asan" -j "$jobs" -LE 'long|desktop' --output-on-failure

echo "== Fuzzing (a short run of each target) =="
bash "$root/scripts/fuzz.sh" 20

echo "== ThreadSanitizer =="
configure_and_build "$root/build-tsan" -DRAVELO2_SANITIZE=thread -DRAVELO2_BUILD_BENCH=OFF
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir "$root/build-tsan" -j "$jobs" -L threads --output-on-failure
