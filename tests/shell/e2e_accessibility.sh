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
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((500 + RANDOM % 300))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:/nonexistent
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
cd "$work"
# No result can enter this ranking, so no name prompt interrupts the game.
for _ in $(seq 10); do printf '"TOP",47\r\n'; done >score.dat

dbus-run-session -- bash -c '
    "$1" 2>/dev/null &
    game=$!
    trap "kill $game 2>/dev/null" EXIT
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^THE  TROVEN\$" >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^THE  TROVEN\$" | head -1)"
    /usr/bin/python3 "$2/accessible_play.py"
' _ "$game" "$here" 2>"$work/stderr.log" || status=$?
[ "${status:-0}" -eq 0 ] || grep -v -E "dbus-daemon|SpiRegistry" "$work/stderr.log" >&2
exit "${status:-0}"
