#!/usr/bin/env bash
# shellcheck disable=SC2016,SC2034 # await's conditions, quoted, read its callers' variables
# The real program under xsm, the X.Org session manager, on Xvfb, driven through its buttons. A
# checkpoint and a logout that logout_canceller cancels leave the game running; a logout ends it
# (status 0, score.dat untouched, lock released). The session restored brings back the same table,
# pixel for pixel (the focus on the second slot), played on into the ranking; a session whose table
# is missing or short starts plain and says why.
# usage: e2e_session.sh GAME LOGOUT_CANCELLER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1") canceller=$(realpath "$2")
# shellcheck source=tests/support/checks.sh
. "$here/../support/checks.sh"
need_tools Xvfb xsm iceauth xdotool xwininfo xprop xwd stdbuf
# shellcheck source=tests/support/xvfb.sh
. "$here/../support/xvfb.sh"
own_leaks_only
# xsm's output is made line by line through stdbuf, whose library xsm then hands on to the game it
# restarts: a sanitized game is not to refuse it for coming before the sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
work=$(mktemp -d) pids=()
trap 'kill -9 "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; tail -n 20 "$work"/*.log; exit 1; }
await() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; fail "$2"; }
ended() { local s; s=$(ps -o stat= -p "$game_pid") || return 0; [[ $s == Z* ]]; }

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state
export PULSE_SERVER=unix:/nonexistent
mkdir -p "$HOME" "$work/play" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# shellcheck disable=SC2016 # xsm starts nothing but a line telling where it listens
printf '#!/bin/sh\necho "$SESSION_MANAGER" >%s/manager\n' "$work" >"$HOME/.xsmstartup"
chmod +x "$HOME/.xsmstartup"
printf '"TOP",47\r\n%.0s' {1..10} >"$work/top.dat"  # no game enters it
printf '"R%s",-1\r\n' {0..9} >"$work/low.dat"       # every game enters it
cp "$work/top.dat" "$work/play/score.dat"
start_xvfb "$work"
pids+=("$xvfb_pid")
# Away from the game's folder: restarted, the game must find its way back there.
xsm() { (cd "$work" && exec stdbuf -oL env -u SESSION_MANAGER xsm -verbose "$@") >>"$work/xsm.log" 2>&1 & pids+=($!); }
xsm
await '[ -s "$work/manager" ]' "xsm did not start"
SESSION_MANAGER=$(<"$work/manager") && export SESSION_MANAGER
(cd "$work/play" && exec "$game") 2>"$work/game.log" &
game_pid=$! && pids+=("$game_pid")
main=$(window_titled "THE  TROVEN" 20) || fail "no main window"
leader=$(xprop -id "$main" WM_CLIENT_LEADER | awk '{ print $NF }')
xprop -id "$leader" SM_CLIENT_ID | grep -q '"' || fail "the game did not register with xsm"

saves() { grep -c 'All clients issued SAVE YOURSELF DONE' "$work/xsm.log" || true; }
# xsm's buttons (no window manager: its window is at the corner), Shutdown's first item "with
# Checkpoint", and its save dialog as it comes (Both, Any) for the session "play".
save() {  # Checkpoint | Shutdown
    local title=$1 window dialog before
    window=$(xdotool search --onlyvisible --name '^xsm: ' | head -1) before=$(saves)
    if [ "$1" = Checkpoint ]; then xdotool mousemove --window "$window" --sync 41 36 click 1; else
        xdotool mousemove --window "$window" --sync 121 36 mousedown 1 sleep 0.3 mousemove 135 56 mouseup 1
    fi
    await 'dialog=$(xdotool search --onlyvisible --name "^$title\$" | head -1) && [ -n "$dialog" ]' "no $1 dialog"
    xdotool windowfocus --sync "$dialog" mousemove --window "$dialog" --sync 150 12 click 1 \
        key ctrl+a ctrl+k type play
    xdotool mousemove --window "$dialog" --sync 24 107 click 1
    [ "$1" = Shutdown ] || await '[ "$(saves)" -gt "$before" ]' "xsm's checkpoint did not finish"
}
still_playing() {
    sleep 0.5
    if ended || ! window_titled "THE  TROVEN" >/dev/null; then fail "ended at the $1"; fi
    echo "ok: playing after the $1"
}
# Whether the last table kept can be played on (a deal may end at its first play).
playable() {
    local saved='' f
    for f in "$XDG_STATE_HOME"/troven/session-*; do [ "$f" -ot "$saved" ] || saved=$f; done
    awk '/^hand/ { split($0, hand) } /^emptied/ { split($0, gone) } /^played/ { last = $3 }
        END { for (k = 2; k <= 6; k++) if (!gone[k] && (int(hand[k] / 13) == int(last / 13) ||
              hand[k] % 13 == last % 13)) exit 0; exit 1 }' "$saved"
}
for _ in $(seq 10); do  # a deal, its first play, the focus on the second slot
    xdotool windowfocus --sync "$main" key --delay 100 alt+g n sleep 0.2 key 1 Right sleep 0.2
    save Checkpoint
    still_playing checkpoint
    ! playable || break
done

"$canceller" >"$work/canceller.log" 2>&1 &
pids+=($!)
await 'grep -q registered "$work/canceller.log"' "the canceller did not register"
save Shutdown
await 'grep -q cancelled "$work/canceller.log"' "the logout was not cancelled"
still_playing "cancelled logout"

table() {  # the window's pixels, with the focus shown by a key, without xwd's header
    local w h
    xdotool windowfocus --sync "$1" key shift sleep 0.3
    read -r w h < <(xwininfo -id "$1" | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }')
    xwd -silent -id "$1" | tail -c $((w * h * 4))
}
table "$main" >"$work/before.xwd"
save Shutdown
await ended "the game still runs after the logout"
wait "$game_pid" || fail "the game ended with status $? at the logout"
cmp -s "$work/play/score.dat" "$work/top.dat" || fail "score.dat changed at the logout"
[ ! -e "$XDG_RUNTIME_DIR/troven-$(id -u).lock" ] || fail "the single-instance lock was kept"
echo "ok: the logout ended the game"

cp "$work/low.dat" "$work/play/score.dat"
xsm -session play
main=$(window_titled "THE  TROVEN" 20) || fail "the session restored brought no game back"
game_pid=$(xdotool getwindowpid "$main") && pids+=("$game_pid")
# A window may be mapped before it is first painted (a sanitized build under load): looked at again
# until it shows the table left, for up to about 15 s.
for look in $(seq 20); do
    table "$main" | cmp -s "$work/before.xwd" - && break
    [ "$look" -lt 20 ] || fail "the table restored differs from the one left"
    sleep 0.4
done
for _ in $(seq 60); do
    xdotool windowfocus --sync "$main" key --delay 30 1 2 3 4 5
    prompt=$(window_titled "おめでとう！ Top10へ名前の登録です。" 1) && break
done
[ -n "${prompt:-}" ] || fail "the restored game came to no end that enters the ranking"
xdotool windowfocus --sync "$prompt" key ctrl+a type BACK
xdotool key Return
await 'grep -q "\"BACK\"," "$work/play/score.dat"' "the result did not enter score.dat"
echo "ok: the same table restored, played on into the ranking"
kill "$game_pid"

printf 'troven game 1\ndeck 1 2\n' >"$XDG_STATE_HOME/troven/session-short_1"
for id in missing short; do
    (cd "$work/play" && QT_LOGGING_RULES=troven.save=true exec "$game" -session "${id}_1") 2>"$work/game.log" &
    game_pid=$! && pids+=("$game_pid")
    await 'grep -q "restored without its table" "$work/game.log"' "no word why ($id)"
    kill "$game_pid"
    echo "ok: a session whose table is $id starts plain and says why"
done
echo "all passed"
