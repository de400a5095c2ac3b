#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it in the current working directory.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" run
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTROVEN_BUILD_TESTS=OFF \
    -DTROVEN_BUILD_BENCH=OFF
cmake --build "$top/build" -j"$(nproc)"
echo "The game model is built; its window is not there yet."
