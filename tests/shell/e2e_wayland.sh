#!/usr/bin/env bash
# The real program on a Wayland desktop: weston's headless compositor with XWayland, the game
# started as a Wayland session starts programs (WAYLAND_DISPLAY and DISPLAY set, no Qt platform
# chosen, whatever the caller's environment says). Its main window shows through XWayland, even
# where Qt's Wayland plugin is installed, at a fixed size, and the compositor shows it as one of
# its top-level windows.
# usage: e2e_wayland.sh GAME      exits 77 (skipped) when weston or Xwayland is not installed.
set -euo pipefail
game=$(realpath "${1:?usage: e2e_wayland.sh GAME}")
# shellcheck source=tests/support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
need_tools weston weston-debug Xwayland xdotool xprop
work=$(mktemp -d)
weston_pid=
game_pid=
cleanup() {
    kill $game_pid $weston_pid 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ ! -s "$work/game.log" ] || { echo "the game's messages:"; cat "$work/game.log"; }
    exit 1
}

# XWayland listens in /tmp/.X11-unix, which only an X server run earlier has made.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime PULSE_SERVER=unix:/nonexistent
socket=troven-wayland
weston --backend=headless-backend.so --width=1024 --height=768 --socket=$socket --xwayland \
    --debug --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
display=
for _ in $(seq 100); do
    # The log is there only once weston has begun.
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null || true)
    [ -n "$display" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(cat "$work/weston.log")"
    sleep 0.1
done
[ -n "$display" ] || fail "weston's XWayland did not start: $(cat "$work/weston.log")"

cd "$work"
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=$socket DISPLAY="$display" XDG_SESSION_TYPE=wayland \
    "$game" 2>"$work/game.log" &
game_pid=$!
window=
for _ in $(seq 200); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^THE  TROVEN$' 2>/dev/null | head -1) &&
        [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before showing its main window"
    sleep 0.1
done
[ -n "$window" ] || fail "no main window through XWayland within 20 s"
echo "the main window shows through XWayland"

hints=$(DISPLAY=$display xprop -id "$window" WM_NORMAL_HINTS)
least=$(sed -n 's/.*minimum size: //p' <<<"$hints")
most=$(sed -n 's/.*maximum size: //p' <<<"$hints")
[[ -n $least && $least == "$most" ]] || fail "the main window's size is not fixed: $hints"
echo "its size is fixed at $least"

# The compositor's own account of what it shows, from its debug stream of the scene.
scene=$(WAYLAND_DISPLAY=$socket timeout 10 weston-debug scene-graph 2>/dev/null || true)
grep -q "top-level window 'THE  TROVEN'" <<<"$scene" ||
    fail "weston shows no top-level window of the game: $scene"
echo "weston shows it among its top-level windows"
echo "3 passed, 0 failed"
