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
server_pid=
recorder_pid=
command_pid=
stop_all() {
    local status=$?
    local pid
    for pid in $command_pid $recorder_pid $server_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$dir"
    exit "$status"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The server keeps its state in its own directory and talks to nobody but its own socket.
# timeout bounds its life should this script itself be killed without a chance to clean up.
mkdir -p "$dir/home" "$dir/runtime"
chmod 700 "$dir/runtime"
HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home" \
    DBUS_SESSION_BUS_ADDRESS= DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
    timeout -k 5 "${TROVEN_PULSE_MAX_SECONDS:-900}" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --log-target=file:"$dir/pulse.log" \
    -L "module-native-protocol-unix socket=$dir/pulse.sock auth-anonymous=1" \
    -L "module-pipe-sink sink_name=test_pipe file=$dir/pa.fifo format=s16le rate=44100 channels=1 use_system_clock_for_timing=yes" \
    </dev/null >/dev/null 2>&1 &
server_pid=$!

export PULSE_SERVER="unix:$dir/pulse.sock"
for _ in $(seq 100); do
    if [ -p "$dir/pa.fifo" ] && pactl info >/dev/null 2>&1; then break; fi
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1 || [ ! -p "$dir/pa.fifo" ]; then
    echo "with_pulse.sh: the sound server did not start; its log:" >&2
    cat "$dir/pulse.log" >&2 || true
    exit 1
fi

cat "$dir/pa.fifo" >"$dir/captured.raw" &
recorder_pid=$!

export TROVEN_PULSE_CAPTURE="$dir/captured.raw" TROVEN_PULSE_DIR="$dir"
# In the background, so that a signal to this script is handled at once.
"$@" <&0 &
command_pid=$!
wait "$command_pid"
