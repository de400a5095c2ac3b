#!/usr/bin/env bash
# Installs what the tests need, builds everything twice (plain, then with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds. Exits non-zero on any failure.
# TROVEN_CTEST_ARGS passes more to ctest: "-LE long" leaves out the scripted player's two sound
# tests, under a minute each, on a developer's machine (CI runs everything).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tools/install-deps.sh test

jobs=$(nproc)
run_suite() {  # build dir, extra cmake options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -DTROVEN_WERROR=ON "$@"
    cmake --build "$dir" -j"$jobs"
    # shellcheck disable=SC2086 # the extra arguments are split into words on purpose
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" ${TROVEN_CTEST_ARGS:-}
}

# Tests and benchmarks asked for: configuring fails rather than leave them out unseen.
echo "== plain build"
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTROVEN_BUILD_TESTS=ON -DTROVEN_BUILD_BENCH=ON
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTROVEN_SANITIZE=ON -DTROVEN_BUILD_TESTS=ON \
    -DTROVEN_BUILD_BENCH=OFF
