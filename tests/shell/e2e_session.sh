#!/usr/bin/env bash
# The real program in a real desktop session: xsm, the X.Org session manager, on Xvfb, driven
# through its own buttons as a user would. Mid-game, a checkpoint leaves the game running, and so
# does a logout that another client (logout_canceller) cancels; a logout ends it as its close box
# does, score.dat untouched and the single-instance lock released.
# usage: e2e_session.sh GAME LOGOUT_CANCELLER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_session.sh GAME LOGOUT_CANCELLER}")
canceller=$(realpath "${2:?usage: e2e_session.sh GAME LOGOUT_CANCELLER}")
for tool in Xvfb xsm iceauth xdotool xwininfo xprop stdbuf; do
    command -v "$tool" >/dev/null || { echo "SKIP: needs $tool"; exit 77; }
done
# shellcheck source-path=SCRIPTDIR source=../lib/xvfb.sh
. "$here/../lib/xvfb.sh"
scale=${TROVEN_TIME_SCALE:-1}
export LSAN_OPTIONS="suppressions=$here/../lib/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
work=$(mktemp -d)
pids=()
cleanup() {
    kill -9 "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    for log in game xsm canceller; do
        [ ! -s "$work/$log.log" ] || sed "s/^/    $log: /" "$work/$log.log" | tail -30
    done
    exit 1
}

# The session's user: xsm starts nothing of its own but tells where it listens.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state
export PULSE_SERVER=unix:/nonexistent
mkdir -p "$HOME" "$work/play"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# shellcheck disable=SC2016 # for the session's shell to expand
printf '#!/bin/sh\necho "$SESSION_MANAGER" >"%s/manager"\n' "$work" >"$HOME/.xsmstartup"
chmod +x "$HOME/.xsmstartup"
printf '"TOP",47\r\n%.0s' {1..10} >"$work/top.dat"
cp "$work/top.dat" "$work/play/score.dat"

start_xvfb "$work"
pids+=("$xvfb_pid")
(unset SESSION_MANAGER && exec stdbuf -oL xsm -verbose) >"$work/xsm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/manager" ] && break; sleep 0.1; done
[ -s "$work/manager" ] || fail "xsm did not start"
SESSION_MANAGER=$(<"$work/manager")
export SESSION_MANAGER

(cd "$work/play" && exec "$game") 2>"$work/game.log" &
game_pid=$!
pids+=("$game_pid")
main=$(window_titled "THE  TROVEN" 20) || fail "no main window"
leader=$(xprop -id "$main" WM_CLIENT_LEADER | awk '{ print $NF }')
xprop -id "$leader" SM_CLIENT_ID | grep -q '"' || fail "the game did not register with xsm"
xdotool windowfocus --sync "$main" key --delay 100 alt+g n
sleep 0.2
xdotool key 1

ended() { local state; state=$(ps -o stat= -p "$1") || return 0; [[ $state == Z* ]]; }
saves() { grep -c 'All clients issued SAVE YOURSELF DONE' "$work/xsm.log" || true; }
# xsm's main window (no window manager: at the screen's corner): Checkpoint, and Shutdown, whose
# menu's first item is "with Checkpoint".
xsm_window() { xdotool search --onlyvisible --name '^xsm: ' | head -1; }
checkpoint() { xdotool mousemove --window "$(xsm_window)" --sync 41 36 click 1; }
shutdown() {
    xdotool mousemove --window "$(xsm_window)" --sync 121 36 mousedown 1 sleep 0.3 \
        mousemove --sync 135 56 mouseup 1
}
# xsm's save dialog, as it comes (save type Both, interact style Any), for the session "play": the
# name is asked for at the first save. Its first button (Checkpoint, or Shutdown) starts the save.
confirm() {  # title
    local dialog=
    for _ in $(seq 50); do
        dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -1) && [ -n "$dialog" ] && break
        sleep 0.1
    done
    [ -n "$dialog" ] || fail "no $1 dialog from xsm"
    xdotool windowfocus --sync "$dialog" mousemove --window "$dialog" --sync 150 12 click 1 \
        key ctrl+a ctrl+k type play
    xdotool mousemove --window "$dialog" --sync 24 107 click 1
}
# Waits until xsm has heard every client's answer to one more save.
await_save() {  # saves before
    for _ in $(seq $((100 * scale))); do [ "$(saves)" -gt "$1" ] && return 0; sleep 0.1; done
    fail "xsm's save did not finish"
}
still_playing() {  # after what
    sleep 0.5
    ! ended "$game_pid" || fail "the game ended at the $1"
    window_titled "THE  TROVEN" >/dev/null || fail "no main window after the $1"
    echo "ok: the game goes on after the $1"
}

before=$(saves)
checkpoint
confirm Checkpoint
await_save "$before"
still_playing checkpoint

"$canceller" >"$work/canceller.log" 2>&1 &
canceller_pid=$!
pids+=("$canceller_pid")
for _ in $(seq 50); do grep -q registered "$work/canceller.log" && break; sleep 0.1; done
before=$(saves)
shutdown
confirm Shutdown
await_save "$before"
grep -q cancelled "$work/canceller.log" || fail "the logout was not cancelled"
wait "$canceller_pid"
still_playing "cancelled logout"

shutdown
confirm Shutdown
for _ in $(seq $((100 * scale))); do ended "$game_pid" && break; sleep 0.1; done
ended "$game_pid" || fail "the game still runs after the logout"
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status at the logout"
cmp -s "$work/play/score.dat" "$work/top.dat" || fail "score.dat changed at the logout"
[ ! -e "$XDG_RUNTIME_DIR/troven-$(id -u).lock" ] || fail "the single-instance lock was kept"
echo "ok: the logout ended the game"
echo "all passed"
