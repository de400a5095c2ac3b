#!/usr/bin/env bash
# The long runs of the proof that nothing is lost, which CI runs only in bounded versions:
#   - the score file reader under libFuzzer for ten million executions (TROVEN_FUZZ_RUNS), and
#     the saving of what was read for a million (TROVEN_ROUND_TRIP_RUNS),
#   - a thousand kills of a saving program (TROVEN_KILLS),
#   - one scripted game of the real program under valgrind's memcheck.
# Builds what it needs into TROVEN_BUILD_DIR (default build/robustness) and the fuzz target into
# a clang build folder beside it. A step that cannot run here (no clang, no valgrind) counts as
# failed: this command is the proof, so nothing is skipped silently.
# usage: tests/robustness/run_long.sh
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${TROVEN_BUILD_DIR:-$repo/build/robustness}
here=$repo/tests/robustness

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTROVEN_BUILD_BENCH=OFF >/dev/null &&
    cmake --build "$build" --target save_loop kill_during_save scripted_game -j2 || exit 1

failed=()
step() {  # name, command...
    local name=$1 start=$SECONDS status=0
    shift
    echo "== $name"
    "$@" || status=$?
    echo "== $name: exit status $status after $((SECONDS - start)) s"
    [ "$status" -eq 0 ] || failed+=("$name")
}

step "kills during a save" "$build/tests/kill_during_save" \
    "$build/tests/save_loop" "${TROVEN_KILLS:-1000}"
step "valgrind" "$here/run_valgrind.sh" "$build/tests/scripted_game"
step "fuzzing the reading" env TROVEN_FUZZ_BUILD_DIR="$build/fuzz" \
    "$repo/tests/ranking/run_fuzz.sh" --runs "${TROVEN_FUZZ_RUNS:-10000000}" "$(nproc)"
step "fuzzing the saving" env TROVEN_FUZZ_BUILD_DIR="$build/fuzz" \
    TROVEN_FUZZ_TARGET=fuzz_score_round_trip \
    "$repo/tests/ranking/run_fuzz.sh" --runs "${TROVEN_ROUND_TRIP_RUNS:-1000000}" "$(nproc)"

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED (or could not run): ${failed[*]}"
    exit 1
fi
echo "all long runs passed"
