# shellcheck shell=bash
# Sourced by the scripts that hear the program through the real Orca (tests/shell/e2e_orca.sh,
# bench/orca_replies.sh).
# start_orca_session makes a folder of its own (orca_work) and starts there Xvfb with a window
# manager, a private session bus, the accessibility bus, speech-dispatcher (its speech sent
# nowhere) and Orca, which writes every phrase it speaks to orca_work/orca.log. It returns once
# Orca has said "Screen reader on.", and exits 77 when a tool is missing. Everything it starts,
# and every process id the caller adds to orca_pids, is ended by its id when the script exits,
# however it ends; on a failure Orca's last phrases and orca_work/game.log are printed first.
# TROVEN_ORCA_LOG=FILE keeps Orca's debug file there. With orca_tap set to a tap
# (bench/speech_tap.py), Orca runs without its debug file, and the tap writes its speech to orca.log
# in the same lines.

# shellcheck source=tests/support/checks.sh
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# Whether a process still runs (one that has ended but is not reaped does not).
orca_running() { [ -e "/proc/$1" ] && ! grep -q '^[^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

orca_cleanup() {
    local status=$? pid i
    # The last started first, each gone before the next: the game, Orca (before the terminal
    # that reaps it), the speech server, the buses, the display.
    for ((i = ${#orca_pids[@]} - 1; i >= 0; i--)); do
        pid=${orca_pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do orca_running "$pid" || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ -s "$orca_work/orca.log" ]; then
        echo "what Orca said:" >&2
        grep -a "SPEECH OUTPUT" "$orca_work/orca.log" | tail -n 60 >&2 || true
        echo "the game's own messages:" >&2
        cat "$orca_work/game.log" >&2 2>/dev/null || true
    fi
    [ -z "${TROVEN_ORCA_LOG:-}" ] || cp "$orca_work/orca.log" "$TROVEN_ORCA_LOG" 2>/dev/null || true
    rm -rf "$orca_work"
    exit "$status"
}

start_orca_session() {
    local orca_pid
    need_tools Xvfb xdotool dbus-daemon metacity orca speech-dispatcher script
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "needs at-spi2-core"; exit 77; }
    # Orca refuses to start beside another Orca of the same user, even one that has ended but is
    # not yet reaped (and --replace would kill it).
    for _ in $(seq 50); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.2; done
    if pgrep -u "$(id -u)" -x orca >/dev/null; then
        echo "another Orca of this user is running; this script starts its own" >&2
        exit 1
    fi

    orca_work=$(mktemp -d)
    orca_pids=()
    trap orca_cleanup EXIT
    trap 'exit 143' TERM INT

    mkdir -m 700 "$orca_work/runtime"
    mkdir -p "$orca_work/home/.config/speech-dispatcher"
    export HOME=$orca_work/home XDG_RUNTIME_DIR=$orca_work/runtime
    export XDG_CONFIG_HOME=$orca_work/home/.config XDG_DATA_HOME=$orca_work/home/.local/share
    export PULSE_SERVER=unix:/nonexistent
    # speech-dispatcher with its test module, whose "speech" goes to libao's null device: Orca
    # talks to a real server, and nothing needs a sound card.
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DisableAutoSpawn
EOF
    echo "default_driver=null" >"$HOME/.libao"

    # shellcheck source=tests/support/xvfb.sh
    . "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
    start_xvfb "$orca_work"
    orca_pids+=("$xvfb_pid")
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$orca_work/runtime/bus
    # Not forked away: a child of this script, ended with it even when it is killed outright.
    dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
    orca_pids+=($!)
    for _ in $(seq 100); do [ -S "$orca_work/runtime/bus" ] && break; sleep 0.05; done
    metacity --sm-disable >"$orca_work/wm.log" 2>&1 &
    orca_pids+=($!)
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$orca_work/atspi.log" 2>&1 &
    orca_pids+=($!)
    speech-dispatcher --run-single --timeout 0 >"$orca_work/speechd.log" 2>&1 &
    orca_pids+=($!)
    if [ -n "${orca_tap:-}" ]; then
        # Orca as players run it, without its debug file: the tap writes what it speaks.
        /usr/bin/python3 "$orca_tap" "$orca_work/tap.sock" \
            "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" "$orca_work/orca.log" &
        orca_pids+=($!)
        for _ in $(seq 100); do [ -S "$orca_work/tap.sock" ] && break; sleep 0.05; done
        SPEECHD_ADDRESS=unix_socket:$orca_work/tap.sock orca </dev/null >/dev/null 2>&1 &
    else
        # Orca writes its debug file line by line only to a terminal: script gives it one, and
        # copies every line to orca.log at once.
        script --quiet --flush --command "exec orca --debug-file=/dev/tty" "$orca_work/orca.log" \
            </dev/null >/dev/null 2>&1 &
    fi
    orca_pids+=($!)
    # Up to a minute: Orca takes 2 s on a quiet machine, over 20 s with every core busy.
    for _ in $(seq 600); do
        grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$orca_work/orca.log" 2>/dev/null && break
        sleep 0.1
    done
    orca_pid=$(pgrep -u "$(id -u)" -x orca || true)
    [ -n "$orca_pid" ] || { echo "Orca did not start" >&2; exit 1; }
    orca_pids+=("$orca_pid")
    grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$orca_work/orca.log" ||
        { echo "Orca is silent" >&2; exit 1; }
}

# fresh_ranking DIR: the default ranking in DIR/score.dat, which every result of a game enters.
fresh_ranking() {
    mkdir -p "$1"
    printf '"%s",%s\r\n' XYZ 50 AAA 0 BBB 0 CCC 0 VVV 0 WWW 0 GGG 0 JJJ 0 MMM 0 QQQ 0 \
        >"$1/score.dat"
}
