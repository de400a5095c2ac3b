#!/usr/bin/env bash
# The real program under Xvfb with an accessibility bus: a script reads the count, the message
# and the hand slots as a screen reader would, and plays a game by the number keys.
# usage: e2e_accessibility.sh GAME
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_accessibility.sh GAME}")
for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "needs python3-pyatspi"; exit 77; }
work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

. "$here/../lib/xvfb.sh"
start_xvfb "$work"
export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:/nonexistent
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cd "$work"
# No result can enter this ranking, so no name prompt interrupts the game.
for _ in $(seq 10); do printf '"TOP",47\r\n'; done >score.dat

dbus-run-session -- bash -c '
    "$1" 2>game.log &
    game=$!
    trap "kill $game 2>/dev/null" EXIT
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^THE  TROVEN\$" >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^THE  TROVEN\$" | head -1)"
    /usr/bin/python3 "$2/accessible_play.py"
' _ "$game" "$here" 2>"$work/stderr.log" || status=$?
if [ "${status:-0}" -ne 0 ]; then
    grep -v -E "dbus-daemon|SpiRegistry" "$work/stderr.log" >&2
    echo "the game's own messages:" >&2
    cat "$work/game.log" >&2
fi
exit "${status:-0}"
