#!/usr/bin/env bash
# Fuzzes the reading of "score.dat" for SECONDS seconds (default 30): configures a clang build
# folder of its own (TROVEN_FUZZ_BUILD_DIR, default build-fuzz), builds fuzz_score_file and runs
# it on the committed seeds. Exits non-zero when the fuzzer finds a fault; the input that caused
# it is left in the build folder.
set -euo pipefail
seconds=${1:-30}
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${TROVEN_FUZZ_BUILD_DIR:-$repo/build-fuzz}

cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTROVEN_FUZZ=ON -DTROVEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_score_file -j2

# New inputs go to a working corpus in the build folder; the committed seeds stay as they are.
mkdir -p "$build/fuzz_corpus"
# Up to 16 KiB, beyond the most the reader ever reads of a file (ten lines of 1026 bytes).
"$build/tests/ranking/fuzz_score_file" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
    -artifact_prefix="$build/" -print_final_stats=1 \
    "$build/fuzz_corpus" "$repo/tests/ranking/fuzz_corpus"
