#!/usr/bin/env bash
# Click to sound: the real program plays 20 cards, one every 0.6 to 3.6 seconds, against a
# private PulseAudio server; each card sound's start is measured against a 3 ms burst that a
# low-latency stream (2 ms) plays just before the click, so the figures are the delay the game
# adds beyond the server's own. Prints the median and the worst of the 20.
#   Usage: bench/sound_latency.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: sound_latency.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$build" -j2 --target scripted_player player_analyse troven_sound_module >/dev/null
TROVEN_PLAYER_PAUSES=0.6,1.3,0.9,3.6,2.0 "$here/../tests/shell/sound/e2e_player_sound.sh" \
    "$build/tests/scripted_player" "$build/tests/player_analyse" 20 \
    1000 2>/dev/null | grep -E '^(delay|plays|PROBLEM|all heard|FAILED)'
