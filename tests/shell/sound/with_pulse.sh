#!/usr/bin/env bash
# Runs a command against a private PulseAudio server whose only sink writes what it plays into a
# fifo, recorded in real time into a file. The command sees:
#   PULSE_SERVER           the server's socket
#   TROVEN_PULSE_CAPTURE   the recording so far: signed 16-bit little-endian mono at 44100 Hz,
#                          in real time, silence included, from just before the command started;
#                          what was played last reaches it a fraction of a second later
#   TROVEN_PULSE_DIR       the server's private directory (removed afterwards)
# The server and the recorder are stopped when the command ends, however it ends. Exit status:
# the command's, or 77 when pulseaudio is not installed (the caller then skips), or 1 when the
# server does not come up.
# usage: with_pulse.sh COMMAND [ARG...]
set -euo pipefail

if ! command -v pulseaudio >/dev/null; then
    echo "with_pulse.sh: pulseaudio is not installed" >&2
    exit 77
fi
[ $# -gt 0 ] || { echo "usage: with_pulse.sh COMMAND [ARG...]" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/troven-pulse.XXXXXX")
pulse_pid=
recorder_pid=
command_pid=
stop_all() {
    local status=$?
    local pid
    for pid in $command_pid $recorder_pid $pulse_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$dir"
    exit "$status"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# shellcheck source=tests/lib/pulse.sh

. "$(cd "$(dirname "$0")/../../lib" && pwd)/pulse.sh"
start_pulse "$dir" "module-pipe-sink sink_name=test_pipe file=$dir/pa.fifo format=s16le rate=44100 channels=1 use_system_clock_for_timing=yes"
for _ in $(seq 50); do [ -p "$dir/pa.fifo" ] && break; sleep 0.1; done
[ -p "$dir/pa.fifo" ] || { echo "with_pulse.sh: the sound server made no fifo" >&2; exit 1; }

cat "$dir/pa.fifo" >"$dir/captured.raw" &
recorder_pid=$!

export TROVEN_PULSE_CAPTURE="$dir/captured.raw" TROVEN_PULSE_DIR="$dir"
# In the background, so that a signal to this script is handled at once.
"$@" <&0 &
command_pid=$!
wait "$command_pid"
