# shellcheck shell=bash
# Sourced by the scripts that need a sound server.
# start_pulse DIR SINK starts a private PulseAudio server that keeps its state in DIR, talks to
# nobody but its own socket DIR/pulse.sock and plays into SINK, a module with its arguments
# ("module-null-sink sink_name=s"). It sets pulse_pid and exports PULSE_SERVER, and fails, with the
# server's log, when the server does not answer within 10 s. The log is DIR/pulse.log; with
# TROVEN_PULSE_VERBOSE set it holds the server's debug messages too (rewinds, underruns).
# timeout bounds the server's life (TROVEN_PULSE_MAX_SECONDS, 900 unless set) should the caller
# be killed before it can stop it.
start_pulse() {
    local dir=$1 sink=$2
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir/runtime"
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home" \
        DBUS_SESSION_BUS_ADDRESS="" DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
        timeout -k 5 "${TROVEN_PULSE_MAX_SECONDS:-900}" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        --log-target=file:"$dir/pulse.log" ${TROVEN_PULSE_VERBOSE:+-vvvv} \
        -L "module-native-protocol-unix socket=$dir/pulse.sock auth-anonymous=1" -L "$sink" \
        </dev/null >/dev/null 2>&1 &
    pulse_pid=$!
    export PULSE_SERVER="unix:$dir/pulse.sock"
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && return 0
        kill -0 "$pulse_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the sound server did not start; its log:" >&2
    cat "$dir/pulse.log" >&2 || true
    return 1
}
