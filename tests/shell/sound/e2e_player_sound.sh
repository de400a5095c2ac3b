#!/usr/bin/env bash
# The real program played at a person's uneven pace against a real sound server, PulseAudio or
# with --pipewire PipeWire's PulseAudio service, and recorded: every card sound found near its
# click and wa.wav at every game end that enters the ranking, whole on PulseAudio (see
# player_analyse.cpp). With TROVEN_KEEP_CAPTURE set to a folder, the recording, the player's log
# and the server's log are kept there.
# usage: e2e_player_sound.sh [--pipewire] SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=()
heard=whole
if [ "${1:-}" = --pipewire ]; then
    server=(--pipewire)
    heard=found
    shift
fi
[ $# -ge 2 ] || {
    echo "usage: e2e_player_sound.sh [--pipewire] SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS]" >&2
    exit 2
}
player=$(realpath "$1")
analyse=$(realpath "$2")
plays=${3:-30}

work=$(mktemp -d "${TMPDIR:-/tmp}/troven-player.XXXXXX")
clean_up() {
    if [ -n "${TROVEN_KEEP_CAPTURE:-}" ]; then
        mkdir -p "$TROVEN_KEEP_CAPTURE"
        cp "$work"/captured.raw "$work"/*.log "$work"/*.wav "$TROVEN_KEEP_CAPTURE"/ 2>/dev/null ||
            true
    fi
    rm -rf "$work"
}
trap clean_up EXIT

# shellcheck disable=SC2016 # expanded by the inner shell
"$here/../../support/with_pulse.sh" "${server[@]}" bash -c '
    set -euo pipefail
    cd "$1"
    # A runtime folder of its own: a copy of the game running elsewhere on the machine must
    # not make this one refuse to start as a second instance.
    mkdir -m 700 runtime
    XDG_RUNTIME_DIR="$1/runtime" QT_QPA_PLATFORM=offscreen TROVEN_PLAYER_PLAYS=$3 "$2" >player.log
    sleep 1  # what the server played last is still on its way to the recording
    cp "$TROVEN_PULSE_CAPTURE" captured.raw
    cp "$TROVEN_PULSE_LOG" server.log
' _ "$work" "$player" "$plays"
(cd "$work" && "$analyse" captured.raw player.log card.wav wa.wav "$heard")
