#!/usr/bin/env bash
# A blind player plays the real program with the real Orca: under Xvfb with a window manager, a
# private session bus, the accessibility bus and speech-dispatcher (its speech sent nowhere), Orca
# writes every phrase it speaks to its debug file, and blind_player.py plays from those phrases
# alone: a whole game, a name for the ranking, the ranking read and cleared, a second copy refused.
# Everything started here is ended by its process id, however the test ends.
# usage: e2e_orca.sh GAME    (TROVEN_ORCA_LOG=FILE keeps Orca's debug file there)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_orca.sh GAME}")
for tool in Xvfb xdotool dbus-daemon metacity orca speech-dispatcher script; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "needs at-spi2-core"; exit 77; }
# Orca refuses to start beside another Orca of the same user, even one that has ended but is not
# yet reaped (and --replace would kill it).
for _ in $(seq 50); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.2; done
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "another Orca of this user is running; this test starts its own" >&2
    exit 1
fi

work=$(mktemp -d)
pids=()
# Whether a process still runs (one that has ended but is not reaped does not).
running() { [ -e "/proc/$1" ] && ! grep -q '^[^)]*) Z' "/proc/$1/stat" 2>/dev/null; }
cleanup() {
    local status=$? pid
    # The last started first, each gone before the next: the game, Orca (before the terminal
    # that reaps it), the speech server, the buses, the display.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do running "$pid" || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ -s "$work/orca.log" ]; then
        echo "what Orca said:" >&2
        grep -a "SPEECH OUTPUT" "$work/orca.log" | tail -n 60 >&2 || true
        echo "the game's own messages:" >&2
        cat "$work/game.log" >&2 2>/dev/null || true
    fi
    [ -z "${TROVEN_ORCA_LOG:-}" ] || cp "$work/orca.log" "$TROVEN_ORCA_LOG" 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

mkdir -m 700 "$work/runtime"
mkdir -p "$work/home/.config/speech-dispatcher" "$work/game"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share PULSE_SERVER=unix:/nonexistent
# speech-dispatcher with its test module, whose "speech" goes to libao's null device: Orca talks
# to a real server, and nothing needs a sound card.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DisableAutoSpawn
EOF
echo "default_driver=null" >"$HOME/.libao"
# The default ranking: every result of a game enters it.
printf '"%s",%s\r\n' XYZ 50 AAA 0 BBB 0 CCC 0 VVV 0 WWW 0 GGG 0 JJJ 0 MMM 0 QQQ 0 \
    >"$work/game/score.dat"

# shellcheck source=tests/lib/xvfb.sh
. "$here/../lib/xvfb.sh"
start_xvfb "$work"
pids+=("$xvfb_pid")
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/runtime/bus
# Not forked away: a child of this script, ended with it even when it is killed outright.
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/runtime/bus" ] && break; sleep 0.05; done
metacity --sm-disable >"$work/wm.log" 2>&1 &
pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
speech-dispatcher --run-single --timeout 0 >"$work/speechd.log" 2>&1 &
pids+=($!)
# Orca writes its debug file line by line only to a terminal: script gives it one, and copies
# every line to orca.log at once.
script --quiet --flush --command "exec orca --debug-file=/dev/tty" "$work/orca.log" \
    </dev/null >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.log" 2>/dev/null && break
    sleep 0.1
done
orca_pid=$(pgrep -u "$(id -u)" -x orca || true)
[ -n "$orca_pid" ] || { echo "Orca did not start" >&2; exit 1; }
pids+=("$orca_pid")
grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.log" || { echo "Orca is silent" >&2; exit 1; }

cd "$work/game"
"$game" >"$work/game.log" 2>&1 &
pids+=($!)
timeout 100 /usr/bin/python3 "$here/blind_player.py" "$work/orca.log" "$game" "$!"
