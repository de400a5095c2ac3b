#!/usr/bin/env bash
# The real program played at a person's uneven pace against a real sound server, PulseAudio or
# with --pipewire PipeWire's PulseAudio service: every card sound heard, whole, soon after its
# click; wa.wav at every game end that enters the ranking. A low-latency reference stream beside
# it gives the server's own delay: each card sound's delay beyond it must stay within WORST_MS,
# and their median within MEDIAN_MS. On PipeWire, whose graph misses a cycle now and then on a
# busy machine (a short gap in a sound, its first cycle or two missing, a sound a cycle or two
# late, a scrap out of its place), the server's profiler counts those cycles, and what they
# explain is allowed up to the cycles they span and no further. With TROVEN_KEEP_CAPTURE set to
# a folder, the recording, the player's log, the server's log and its profile are kept there.
# usage: e2e_player_sound.sh [--pipewire] SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS] [WORST_MS] [MEDIAN_MS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
server=()
if [ "${1:-}" = --pipewire ]; then
    server=(--pipewire)
    shift
fi
[ $# -ge 2 ] || {
    echo "usage: e2e_player_sound.sh [--pipewire] SCRIPTED_PLAYER PLAYER_ANALYSE [PLAYS] [WORST_MS] [MEDIAN_MS]" >&2
    exit 2
}
player=$(realpath "$1")
analyse=$(realpath "$2")
plays=${3:-30}
worst_ms=${4:-10}
median_ms=${5:-5}

work=$(mktemp -d "${TMPDIR:-/tmp}/troven-player.XXXXXX")
clean_up() {
    if [ -n "${TROVEN_KEEP_CAPTURE:-}" ]; then
        mkdir -p "$TROVEN_KEEP_CAPTURE"
        cp "$work"/captured.raw "$work"/player.log "$work"/server.log "$work"/*.wav \
            "$work"/profiler.log "$TROVEN_KEEP_CAPTURE"/ 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap clean_up EXIT

# shellcheck disable=SC2016 # expanded by the inner shell
"$here/with_pulse.sh" "${server[@]}" bash -c '
    set -euo pipefail
    work=$1
    rm -f "$work/reference.fifo"
    mkfifo "$work/reference.fifo"
    pacat --playback --raw --format=s16le --rate=44100 --channels=1 --latency-msec=2 \
        <"$work/reference.fifo" &
    reference=$!
    cd "$work"
    if [ "${4:-}" = --pipewire ]; then
        XDG_RUNTIME_DIR="$TROVEN_PULSE_DIR/runtime" pw-profiler -o profiler.log >/dev/null &
        profiler=$!
    fi
    # A runtime folder of its own: a copy of the game running elsewhere on the machine must
    # not make this one refuse to start as a second instance.
    mkdir -m 700 runtime
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen TROVEN_PLAYER_PLAYS=$3 \
        TROVEN_REFERENCE_FIFO="$work/reference.fifo" "$2" >player.log
    wait "$reference"
    sleep 1  # what the server played last is still on its way through the fifo
    if [ -n "${profiler:-}" ]; then
        kill -INT "$profiler" 2>/dev/null || true
        wait "$profiler" || true
    fi
    cp "$TROVEN_PULSE_CAPTURE" captured.raw
    cp "$TROVEN_PULSE_LOG" "$work/server.log"
' _ "$work" "$player" "$plays" "${server[@]}"
# The cycles the graph did not finish in time: a line of the profile for each cycle, whose
# followers' states (the 7th of every 8 columns from the 5th on) are 1 or 2, not 3, when they
# had not finished; a run of such lines is one loss.
lost_cycles=0
if [ -f "$work/profiler.log" ]; then
    lost_cycles=$(awk -F'\t' '{ late = 0; for (f = 11; f <= NF; f += 8) if ($f == 1 || $f == 2) late = 1
                              if (late && !before) n++; before = late } END { print n + 0 }' \
        "$work/profiler.log")
fi
(cd "$work" && "$analyse" captured.raw player.log "$worst_ms" "$median_ms" card.wav wa.wav \
    "$lost_cycles")
