#!/usr/bin/env bash
# Runs a command against a private sound server whose only sink is recorded in real time into a
# file: PulseAudio, or with --pipewire PipeWire with its PulseAudio service, as most desktops run.
# The command sees:
#   PULSE_SERVER           the server's socket
#   TROVEN_PULSE_CAPTURE   the recording so far: signed 16-bit little-endian mono at 44100 Hz,
#                          in real time, silence included, from just before the command started;
#                          what was played last reaches it a fraction of a second later
#   TROVEN_PULSE_DIR       the server's private directory (removed afterwards)
#   TROVEN_PULSE_LOG       the server's log
# PulseAudio plays into a pipe sink whose fifo is read as it is written; PipeWire into a null sink
# at the 48000 Hz desktops run, whose monitor is recorded. The servers and the recorder are stopped
# when the command ends, however it ends. Exit status: the command's, or 77 when the server is not
# installed (the caller then skips), or 1 when it does not come up.
# usage: with_pulse.sh [--pipewire] COMMAND [ARG...]
set -euo pipefail

needs=(pulseaudio pactl)
if [ "${1:-}" = --pipewire ]; then
    needs=(pipewire wireplumber pipewire-pulse dbus-daemon pactl parec)
    shift
fi
support=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/support/checks.sh
. "$support/checks.sh"
need_tools "${needs[@]}"
[ $# -gt 0 ] || { echo "usage: with_pulse.sh [--pipewire] COMMAND [ARG...]" >&2; exit 2; }

# shellcheck source=tests/support/pulse.sh
. "$support/pulse.sh"
# shellcheck source=tests/support/pipewire.sh
. "$support/pipewire.sh"

dir=$(mktemp -d "${TMPDIR:-/tmp}/troven-pulse.XXXXXX")
pulse_pid=
recorder_pid=
command_pid=
stop_all() {
    local status=$?
    local pid
    for pid in $command_pid $recorder_pid $pulse_pid; do kill "$pid" 2>/dev/null || true; done
    stop_pipewire
    wait 2>/dev/null || true
    rm -rf "$dir"
    exit "$status"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ "${needs[0]}" = pulseaudio ]; then
    start_pulse "$dir" "module-pipe-sink sink_name=test_pipe file=$dir/pa.fifo format=s16le rate=44100 channels=1 use_system_clock_for_timing=yes"
    for _ in $(seq 50); do [ -p "$dir/pa.fifo" ] && break; sleep 0.1; done
    [ -p "$dir/pa.fifo" ] || { echo "with_pulse.sh: the sound server made no fifo" >&2; exit 1; }
    cat "$dir/pa.fifo" >"$dir/captured.raw" &
    export TROVEN_PULSE_LOG="$dir/pulse.log"
else
    start_pipewire "$dir"
    pactl load-module module-null-sink sink_name=test_sink rate=48000 channels=1 >/dev/null
    pactl set-default-sink test_sink
    # Fragments of 20 ms: short enough to be written out soon, long enough not to shorten the
    # graph's cycle for the streams recorded.
    parec -d test_sink.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 \
        >"$dir/captured.raw" &
    export TROVEN_PULSE_LOG="$dir/pipewire.log"
fi
recorder_pid=$!

export TROVEN_PULSE_CAPTURE="$dir/captured.raw" TROVEN_PULSE_DIR="$dir"
# In the background, so that a signal to this script is handled at once.
"$@" <&0 &
command_pid=$!
wait "$command_pid"
