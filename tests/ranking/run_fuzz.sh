#!/usr/bin/env bash
# Fuzzes the reading of "score.dat" for SECONDS seconds (default 30), or with --runs for RUNS
# executions: configures a clang build folder of its own (TROVEN_FUZZ_BUILD_DIR, default
# build-fuzz), builds fuzz_score_file and runs it on the committed seeds. Exits non-zero when the
# fuzzer finds a fault; the input that caused it is left in the build folder. Exits 77 (skip)
# when clang or its libFuzzer runtime is not installed.
# usage: run_fuzz.sh [SECONDS | --runs RUNS]
set -euo pipefail
case ${1:-} in
    --runs) limit=-runs="${2:?usage: run_fuzz.sh [SECONDS | --runs RUNS]}" ;;
    *) limit=-max_total_time="${1:-30}" ;;
esac
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${TROVEN_FUZZ_BUILD_DIR:-$repo/build-fuzz}

runtime=libclang_rt.fuzzer-$(uname -m).a
if ! command -v clang++ >/dev/null || [ ! -e "$(clang++ -print-file-name="$runtime")" ]; then
    echo "run_fuzz.sh: needs clang and its libFuzzer runtime ($runtime)" >&2
    exit 77
fi

cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTROVEN_FUZZ=ON -DTROVEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_score_file -j2

# New inputs go to a working corpus in the build folder; the committed seeds stay as they are.
mkdir -p "$build/fuzz_corpus"
# Up to 16 KiB, beyond the most the reader ever reads of a file (ten lines of 1026 bytes).
"$build/tests/ranking/fuzz_score_file" "$limit" -max_len=16384 -timeout=10 \
    -artifact_prefix="$build/" -print_final_stats=1 \
    "$build/fuzz_corpus" "$repo/tests/ranking/fuzz_corpus"
