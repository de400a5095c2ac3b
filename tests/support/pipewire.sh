# shellcheck shell=bash
# Sourced by the scripts that need PipeWire, the sound server most desktops run, with its
# PulseAudio service: the program talks to it as it does to PulseAudio itself.
# start_pipewire DIR [RATE] starts a private PipeWire (pipewire, the session manager wireplumber,
# which links streams to sinks, and pipewire-pulse) that keeps its state in DIR, runs its graph at
# RATE (48000 unless given, as desktops do), talks over a session bus of its own and opens no
# device of the machine. It sets pipewire_pids and exports PULSE_SERVER, and fails, with the
# servers' logs, when the PulseAudio service and the session manager are not up within 10 s. The
# sinks are left to the caller (pactl load-module module-null-sink ...). The log is
# DIR/pipewire.log; with TROVEN_PULSE_VERBOSE set it holds the servers' debug messages too.
# timeout bounds the servers' life (TROVEN_PULSE_MAX_SECONDS, 900 unless set) should the caller be
# killed before it can stop them. stop_pipewire ends them.
pipewire_pids=()
start_pipewire() {
    local dir=$1 rate=${2:-48000} config=$1/config
    mkdir -p "$dir/home" "$dir/runtime" "$config/pipewire/pipewire.conf.d" \
        "$config/wireplumber/main.lua.d" "$config/wireplumber/bluetooth.lua.d"
    chmod 700 "$dir/runtime"
    printf 'context.properties = { default.clock.rate = %s default.clock.allowed-rates = [ %s ] }\n' \
        "$rate" "$rate" >"$config/pipewire/pipewire.conf.d/rate.conf"
    # The machine's own sound cards, cameras and Bluetooth are left alone.
    printf '%s.enabled = false\n' alsa_monitor v4l2_monitor libcamera_monitor \
        >"$config/wireplumber/main.lua.d/51-no-devices.lua"
    echo 'bluez_monitor.enabled = false' >"$config/wireplumber/bluetooth.lua.d/51-no-devices.lua"
    local environment=(HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$config"
        XDG_STATE_HOME="$dir/home/state" DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/runtime/bus"
        DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent)
    [ -n "${TROVEN_PULSE_VERBOSE:-}" ] && environment+=(PIPEWIRE_DEBUG=4 WIREPLUMBER_DEBUG=4)
    pipewire_pids=()
    local program
    for program in dbus-daemon pipewire wireplumber pipewire-pulse; do
        local args=()
        [ "$program" = dbus-daemon ] &&
            args=(--session --nofork --nopidfile --address="unix:path=$dir/runtime/bus")
        env "${environment[@]}" timeout -k 5 "${TROVEN_PULSE_MAX_SECONDS:-900}" "$program" \
            "${args[@]}" </dev/null >>"$dir/pipewire.log" 2>&1 &
        pipewire_pids+=($!)
        # Each one needs the one before: the bus, then the graph.
        for _ in $(seq 50); do
            case $program in
                dbus-daemon) [ -S "$dir/runtime/bus" ] && break ;;
                pipewire) [ -S "$dir/runtime/pipewire-0" ] && break ;;
                *) break ;;
            esac
            sleep 0.1
        done
    done
    export PULSE_SERVER="unix:$dir/runtime/pulse/native"
    # Up when the PulseAudio service answers and the session manager has made the settings that
    # choose the default sink: without them, setting the default sink fails.
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 &&
            XDG_RUNTIME_DIR="$dir/runtime" timeout 2 pw-metadata -n default 2>/dev/null |
            grep -q '^Found' && return 0
        sleep 0.1
    done
    echo "PipeWire's PulseAudio service did not start; its log:" >&2
    cat "$dir/pipewire.log" >&2 || true
    stop_pipewire
    return 1
}

stop_pipewire() {
    local i
    # The PulseAudio service and the session manager before the graph, the bus last.
    for ((i = ${#pipewire_pids[@]} - 1; i >= 0; i--)); do
        kill "${pipewire_pids[i]}" 2>/dev/null || true
        wait "${pipewire_pids[i]}" 2>/dev/null || true
    done
    pipewire_pids=()
}
