#!/usr/bin/env bash
# Click to card sound on the sound servers desktops run, PulseAudio and PipeWire with its
# PulseAudio service, each private to this run, measured two ways:
#   - beside a reference: the real program plays 20 cards, one every 0.6 to 3.6 seconds, and a
#     low-latency stream (2 ms) plays a 3 ms burst 20 ms before each click, both recorded from
#     the sink (reference_delay): the delay the game adds beyond the server's own (goal: median
#     5 ms, worst 10 ms);
#   - on a quiet desktop, the game the only program playing: 16 cards, half of them after a pause
#     longer than the 3 seconds after which the game pauses its stream, from each click to the
#     moment the sink played the sound, read on the sink's own clock (sink_recorder: PipeWire's
#     pipe sink stamped as it writes each cycle, PulseAudio's null sink through the server's
#     timing of its monitor), so that the recording's own delay is not counted. A sound card
#     adds its own buffer to this, the same for every program.
# Prints the medians and the worst per server.
#   Usage: bench/sound_latency.sh BUILD_DIR [pulseaudio|pipewire]...   (those installed unless named)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
build=$(cd "${1:?usage: sound_latency.sh BUILD_DIR [pulseaudio|pipewire]...}" && pwd)
shift
servers=("$@")
if [ $# -eq 0 ]; then
    command -v pulseaudio >/dev/null && servers+=(pulseaudio)
    command -v pipewire-pulse >/dev/null && command -v wireplumber >/dev/null && servers+=(pipewire)
fi
for server in "${servers[@]}"; do
    case $server in
        pulseaudio | pipewire) ;;
        *) echo "sound_latency.sh: no server named $server" >&2 && exit 2 ;;
    esac
done
here=$(cd "$(dirname "$0")" && pwd)
support=$here/../tests/support
# shellcheck source=tests/support/pulse.sh
. "$support/pulse.sh"
# shellcheck source=tests/support/pipewire.sh
. "$support/pipewire.sh"
cmake --build "$build" -j2 --target scripted_player reference_delay sink_recorder sink_delay \
    troven_sound_module >/dev/null

work=$(mktemp -d)
pulse_pid='' recorder=''
stop_server() {
    [ -z "$recorder" ] || { kill -INT "$recorder" 2>/dev/null; wait "$recorder" || true; }
    [ -z "$pulse_pid" ] || { kill "$pulse_pid"; wait "$pulse_pid" 2>/dev/null || true; }
    stop_pipewire
    recorder='' pulse_pid=''
}
trap 'stop_server; rm -rf "$work"' EXIT

# quiet SERVER: the game alone on a sink, recorded with the sink's clock.
quiet() {
    local dir=$work/$1
    mkdir -p "$dir"
    if [ "$1" = pulseaudio ]; then
        start_pulse "$dir/server" "module-null-sink sink_name=quiet rate=48000 channels=1"
        # Fragments of 1024 frames (21 ms), no shorter than the sink's own cycle when idle.
        "$build/bench/sink_recorder" --monitor quiet.monitor 48000 1024 "$dir/capture.raw" \
            "$dir/clock.txt" &
    else
        start_pipewire "$dir/server"
        pactl load-module module-pipe-sink sink_name=quiet file="$dir/sink.fifo" format=s16le \
            rate=48000 channels=1 >/dev/null
        pactl set-default-sink quiet
        "$build/bench/sink_recorder" --fifo "$dir/sink.fifo" 48000 "$dir/capture.raw" \
            "$dir/clock.txt" &
    fi
    recorder=$!
    sleep 1
    (cd "$dir" && XDG_RUNTIME_DIR="$dir/server/runtime" QT_QPA_PLATFORM=offscreen \
        TROVEN_PLAYER_PLAYS=16 TROVEN_PLAYER_PAUSES=0.6,4.5,1.3,3.6,0.9,6.0,2.0,3.3 \
        "$build/tests/scripted_player" >player.log 2>/dev/null)
    stop_server
    # Each play's own line only when it was not heard.
    "$build/bench/sink_delay" "$dir/capture.raw" 48000 "$dir/clock.txt" "$dir/player.log" 3.1 |
        grep -v '^play .* ms$' || true
}

# beside_reference [--pipewire]: the game beside a 2 ms stream that plays a burst before each
# click, recorded from the sink.
beside_reference() {
    local dir=$work/reference
    rm -rf "$dir"
    mkdir -p "$dir"
    # shellcheck disable=SC2016 # expanded by the inner shell
    "$support/with_pulse.sh" "$@" bash -c '
        set -euo pipefail
        cd "$1"
        mkfifo reference.fifo
        pacat --playback --raw --format=s16le --rate=44100 --channels=1 --latency-msec=2 \
            <reference.fifo &
        reference=$!
        mkdir -m 700 runtime
        XDG_RUNTIME_DIR="$1/runtime" QT_QPA_PLATFORM=offscreen TROVEN_PLAYER_PLAYS=20 \
            TROVEN_PLAYER_PAUSES=0.6,1.3,0.9,3.6,2.0 TROVEN_REFERENCE_FIFO=reference.fifo \
            "$2" >player.log 2>/dev/null
        wait "$reference"
        sleep 1  # what the server played last is still on its way to the recording
        cp "$TROVEN_PULSE_CAPTURE" captured.raw
    ' _ "$dir" "$build/tests/scripted_player"
    # Each play's own line only when it was not heard.
    "$build/bench/reference_delay" "$dir/captured.raw" "$dir/player.log" 3.2 |
        grep -v '^play .* ms$' || true
}

for server in "${servers[@]}"; do
    option=()
    [ "$server" = pipewire ] && option=(--pipewire)
    echo "== $server"
    echo "beside a 2 ms reference stream (goal: median 5 ms, worst 10 ms), 20 plays:"
    beside_reference "${option[@]}"
    echo "the game alone on a quiet desktop, 16 plays, 8 of them after a pause over 3 s:"
    quiet "$server"
done
