#!/usr/bin/env bash
# The real program in a real desktop session: xsm, the X.Org session manager, on Xvfb, driven
# through its own buttons as a user would. Mid-game, a checkpoint leaves the game running, and so
# does a logout that another client (logout_canceller) cancels; a logout ends it as its close box
# does, score.dat untouched and the single-instance lock released. The session restored brings the
# game back: the same table to the pixel, the focus on the same slot, and play goes on to an end
# that enters the ranking.
# usage: e2e_session.sh GAME LOGOUT_CANCELLER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_session.sh GAME LOGOUT_CANCELLER}")
canceller=$(realpath "${2:?usage: e2e_session.sh GAME LOGOUT_CANCELLER}")
for tool in Xvfb xsm iceauth xdotool xwininfo xprop xwd stdbuf; do
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
# No game enters the first; any game enters the second, whose tenth score is below 0.
printf '"TOP",47\r\n%.0s' {1..10} >"$work/top.dat"
printf '"R%s",-1\r\n' {0..9} >"$work/low.dat"
cp "$work/top.dat" "$work/play/score.dat"

start_xvfb "$work"
pids+=("$xvfb_pid")
# Started away from the game's folder: restarted, the game must find its way back there.
start_xsm() { (cd "$work" && unset SESSION_MANAGER && exec stdbuf -oL xsm -verbose "$@") >>"$work/xsm.log" 2>&1 & pids+=($!); }
start_xsm
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

# Whether the game kept with the session at its last save may still be played: a hand card left
# that shares the suit or the rank of the card played last (a deal can end at its first play).
playable() {
    local saved='' f
    for f in "$XDG_STATE_HOME"/troven/session-*; do [ "$f" -ot "$saved" ] || saved=$f; done
    awk '$1 == "hand" { for (k = 2; k <= 6; k++) hand[k] = $k }
        $1 == "emptied" { for (k = 2; k <= 6; k++) gone[k] = $k }
        $1 == "played" { last = $3 }
        END { for (k = 2; k <= 6; k++)
                  if (!gone[k] && (int(hand[k] / 13) == int(last / 13) || hand[k] % 13 == last % 13)) exit 0
              exit 1 }' "$saved"
}
# A deal and its first play, then the focus moved to the second slot.
for _ in $(seq 10); do
    xdotool windowfocus --sync "$main" key --delay 100 alt+g n
    sleep 0.2
    xdotool key 1 Right
    sleep 0.2
    before=$(saves)
    checkpoint
    confirm Checkpoint
    await_save "$before"
    still_playing checkpoint
    ! playable || break
done

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

# The table's pixels, without the header, which holds the window's place.
table_pixels() {
    local w h
    read -r w h < <(xwininfo -id "$1" | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }')
    xwd -silent -id "$1" | tail -c $((w * h * 4))
}
# The focus shows once a key is pressed in the active window, before as after.
show_focus() { xdotool windowfocus --sync "$1" key shift sleep 0.3; }
show_focus "$main"
table_pixels "$main" >"$work/before.xwd"
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

cp "$work/low.dat" "$work/play/score.dat"
start_xsm -session play
main=$(window_titled "THE  TROVEN" $((20 * scale))) || fail "the session restored brought no game back"
game_pid=$(xdotool getwindowpid "$main")
pids+=("$game_pid")
show_focus "$main"
table_pixels "$main" >"$work/after.xwd"
cmp -s "$work/before.xwd" "$work/after.xwd" || fail "the table restored differs from the one left"
echo "ok: the session restored shows the same table"
for _ in $(seq 60); do
    xdotool windowfocus --sync "$main" key --delay 30 1 2 3 4 5
    prompt=$(window_titled "おめでとう！ Top10へ名前の登録です。" 1) && break
done
[ -n "${prompt:-}" ] || fail "the restored game did not come to an end that enters the ranking"
xdotool windowfocus --sync "$prompt" key ctrl+a type BACK
xdotool key Return
window_titled RANKING 10 >/dev/null || fail "no ranking window after the name"
grep -q '"BACK",' "$work/play/score.dat" || fail "the result did not enter score.dat in the game's folder"
echo "ok: the restored game played on to an end that entered the ranking"
kill "$game_pid"

# A session id whose table is missing, or cut short: a plain start that says why.
printf 'troven game 1\ndeck 1 2\n' >"$XDG_STATE_HOME/troven/session-short_1"
for id in missing short; do
    (cd "$work/play" && QT_LOGGING_RULES=troven.save=true exec "$game" -session "${id}_1") \
        2>"$work/game.log" &
    game_pid=$!
    pids+=("$game_pid")
    window_titled "THE  TROVEN" 20 >/dev/null || fail "no main window for the session $id"
    grep -q "restored without its table" "$work/game.log" || fail "no word why ($id)"
    kill "$game_pid"
    wait "$game_pid" || true
    echo "ok: a session whose table is $id starts plain and says why"
done
echo "all passed"
