#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it. The game keeps its ranking, score.dat,
# in the folder it is started from.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" run
cmake -S "$top" -B "$top/build/play" -DCMAKE_BUILD_TYPE=Release -DTROVEN_BUILD_TESTS=OFF \
    -DTROVEN_BUILD_BENCH=OFF
cmake --build "$top/build/play" -j"$(nproc)"

game="$top/build/play/games/troven"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat <<EOT
The game is built, but this machine has no display to show its window on.
Start it on a desktop with:
    $game
or, without a desktop, in a virtual one (apt-get install xvfb):
    xvfb-run -a -s "-screen 0 1024x768x24" $game
EOT
    exit 0
fi
exec "$game"
