#!/usr/bin/env bash
# Fuzzes the reading of "score.dat" (fuzz_score_file) or, with TROVEN_FUZZ_TARGET=
# fuzz_score_round_trip, the saving of what was read, for SECONDS seconds (default 30), or with
# --runs for RUNS executions shared out among JOBS processes (default 1) that feed one corpus:
# configures a clang build folder of its own (TROVEN_FUZZ_BUILD_DIR, default build-fuzz), builds
# the target and runs it on the committed seeds. Exits non-zero when the fuzzer finds a
# fault; the input that caused it is left in the build folder. Exits 77 (skip) when clang or its
# libFuzzer runtime is not installed.
# usage: run_fuzz.sh [SECONDS | --runs RUNS [JOBS]]
set -euo pipefail
usage="usage: run_fuzz.sh [SECONDS | --runs RUNS [JOBS]]"
jobs=1
case ${1:-} in
    --runs)
        jobs=${3:-1}
        [[ ${2:-} =~ ^[0-9]+$ && $jobs =~ ^[1-9][0-9]*$ ]] || { echo "$usage" >&2; exit 2; }
        limit=-runs=$(((${2} + jobs - 1) / jobs))
        ;;
    *) limit=-max_total_time="${1:-30}" ;;
esac
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${TROVEN_FUZZ_BUILD_DIR:-$repo/build-fuzz}
target=${TROVEN_FUZZ_TARGET:-fuzz_score_file}
case $target in
    fuzz_score_file | fuzz_score_round_trip) ;;
    *) echo "run_fuzz.sh: no fuzz target $target" >&2; exit 2 ;;
esac

runtime=libclang_rt.fuzzer-$(uname -m).a
if ! command -v clang++ >/dev/null || [ ! -e "$(clang++ -print-file-name="$runtime")" ]; then
    echo "run_fuzz.sh: needs clang and its libFuzzer runtime ($runtime)" >&2
    exit 77
fi

cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTROVEN_FUZZ=ON -DTROVEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "$target" -j2

# New inputs go to a working corpus in the build folder; the committed seeds stay as they are.
corpus=$build/corpus-$target
mkdir -p "$corpus"
# Up to 16 KiB, beyond the most the reader ever reads of a file (ten lines of 1026 bytes).
options=(-max_len=16384 -timeout=10 -artifact_prefix="$build/" -print_final_stats=1)
if [ "$jobs" -eq 1 ]; then
    exec "$build/tests/$target" "$limit" "${options[@]}" \
        "$corpus" "$repo/tests/ranking/fuzz_corpus"
fi
# Each job writes its log to fuzz-N.log in the build folder; libFuzzer waits for them all and
# fails when any of them does.
cd "$build"
rm -f fuzz-*.log
status=0
"$build/tests/$target" "$limit" "${options[@]}" -jobs="$jobs" -workers="$jobs" \
    "$corpus" "$repo/tests/ranking/fuzz_corpus" || status=$?
for log in fuzz-*.log; do
    echo "== $log"
    grep -E "^(Done|stat::|==[0-9]+==ERROR)|SUMMARY" "$log" || tail -n 20 "$log"
done
exit "$status"
