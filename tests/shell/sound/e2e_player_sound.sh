#!/usr/bin/env bash
# The real program played at a person's uneven pace against a real sound server: every card
# sound heard, whole, soon after its click; wa.wav at every game end that enters the ranking.
# A low-latency reference stream beside it gives the server's own delay. With
# TROVEN_KEEP_CAPTURE set to a folder, the recording, the player's log and the server's log are
# kept there.
# usage: e2e_player_sound.sh SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS] [LIMIT_MS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 2 ] || { echo "usage: e2e_player_sound.sh SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS] [LIMIT_MS]" >&2; exit 2; }
player=$(realpath "$1")
analyse=$(realpath "$2")
plays=${3:-50}
limit_ms=${4:-15}

work=$(mktemp -d "${TMPDIR:-/tmp}/troven-player.XXXXXX")
clean_up() {
    if [ -n "${TROVEN_KEEP_CAPTURE:-}" ]; then
        mkdir -p "$TROVEN_KEEP_CAPTURE" || true
        cp "$work"/captured.raw "$work"/player.log "$work"/pulse.log "$work"/*.wav "$TROVEN_KEEP_CAPTURE"/ || true
    fi
    rm -rf "$work"
}
trap clean_up EXIT

# shellcheck disable=SC2016 # expanded by the inner shell
"$here/with_pulse.sh" bash -c '
    set -euo pipefail
    work=$1
    rm -f "$work/reference.fifo"
    mkfifo "$work/reference.fifo"
    pacat --playback --raw --format=s16le --rate=44100 --channels=1 --latency-msec=2 \
        <"$work/reference.fifo" &
    reference=$!
    cd "$work"
    QT_QPA_PLATFORM=offscreen TROVEN_PLAYER_PLAYS=$3 TROVEN_REFERENCE_FIFO="$work/reference.fifo" \
        "$2" >player.log
    wait "$reference"
    sleep 1  # what the server played last is still on its way through the fifo
    cp "$TROVEN_PULSE_CAPTURE" captured.raw
    cp "$TROVEN_PULSE_DIR/pulse.log" .
' _ "$work" "$player" "$plays"
(cd "$work" && "$analyse" captured.raw player.log "$limit_ms" card.wav wa.wav)
