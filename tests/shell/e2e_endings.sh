#!/usr/bin/env bash
# The real program ended from outside at each moment a ranking could be lost: by SIGTERM (logout,
# shutdown), SIGHUP (its terminal closed), SIGINT (Ctrl+C), and by its X server going away. Each
# case checks score.dat afterwards byte for byte, that the program was gone within a second, that
# it left no process behind and that it released its single-instance lock where it could. Last, a
# splash closed through the window manager before its 1.5 s brings the main window at once.
# usage: e2e_endings.sh GAME [CASE...]   (CASE: "TERM prompt", "X ranking", splash...; all unless given)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_endings.sh GAME [CASE...]}")
shift
# shellcheck source=tests/support/checks.sh
. "$here/../support/checks.sh"
need_tools Xvfb xdotool metacity wmctrl xwininfo xprop
# shellcheck source=tests/support/xvfb.sh
. "$here/../support/xvfb.sh"
# The time bounds are the plain program's. A sanitized build's program, many times slower on a
# busy machine, is run for its memory checks, with the bounds ten times as long
# (TROVEN_TIME_SCALE=10): it must still end, and bring the main window.
scale=${TROVEN_TIME_SCALE:-1}
own_leaks_only
work=$(mktemp -d)
pids=()
cleanup() {
    kill -9 "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Ten lines, each ended by CR LF, as the program writes them.
table() { printf '"%s\r\n' "$@"; }
# No result enters it: a game played here never asks for a name.
table TOP\",47 TOP\",47 TOP\",47 TOP\",47 TOP\",47 TOP\",47 TOP\",47 TOP\",47 TOP\",47 \
    TOP\",47 >"$work/top.dat"
# Its tenth score is below 0, so the ranking opened from the menu enters a 0, at the ninth place.
table A\",9 B\",8 C\",7 D\",6 E\",5 F\",4 G\",3 H\",2 I\",-1 J\",-2 >"$work/low.dat"
table A\",9 B\",8 C\",7 D\",6 E\",5 F\",4 G\",3 H\",2 Player_001\",0 I\",-1 >"$work/offered.dat"
table A\",9 B\",8 C\",7 D\",6 E\",5 F\",4 G\",3 H\",2 ME\",0 I\",-1 >"$work/typed.dat"

# ending (a signal, or X: the X server killed) | moment | score.dat before | score.dat after
cases=(
    "TERM  mid-game top      top"
    "HUP   mid-game top      top"
    "INT   mid-game top      top"
    "X     mid-game top      top"
    "TERM  prompt   low      offered"
    "HUP   prompt   low      offered"
    "INT   prompt   low      offered"
    "X     prompt   low      low"
    "TERM  ranking  low      typed"
    "HUP   ranking  low      typed"
    "INT   ranking  low      typed"
    "X     ranking  low      typed"
)

failures=0
fail() {
    echo "FAIL ($label): $*"
    [ ! -s "$dir/game.log" ] || sed 's/^/    game: /' "$dir/game.log"
    failures=$((failures + 1))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Whether the process has ended (a child not yet reaped is a zombie, and has).
ended() { local state; state=$(ps -o stat= -p "$1") || return 0; [[ $state == Z* ]]; }
# Processes that run in the folder (the program and anything it started).
left_in() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/cwd" 2>/dev/null)" != "$1" ] || echo "${p#/proc/}"
    done
}

# Starts the game in $dir, with the default action for every signal a background job of a script
# would otherwise ignore (SIGINT), as when it is started from a terminal or a desktop.
start_game() {
    (cd "$dir" && exec env --default-signal=INT "$game") 2>"$dir/game.log" &
    game_pid=$!
    pids+=("$game_pid")
}

# Brings the game to the moment; false when it did not get there.
reach() {  # moment
    local main box
    main=$(window_titled "THE  TROVEN" 20) || {
        local state=running
        ended "$game_pid" && { wait "$game_pid" 2>/dev/null && state="ended, status 0" || state="ended, status $?"; }
        fail "no main window (the game: $state)"
        return 1
    }
    xdotool windowfocus --sync "$main"
    case $1 in
        mid-game)
            # A deal, then its first play, which is always allowed.
            xdotool key --delay 100 alt+g n
            sleep 0.2
            xdotool key 1
            sleep 0.2
            ;;
        prompt | ranking)
            xdotool key --delay 100 alt+g r
            box=$(window_titled "おめでとう！ Top10へ名前の登録です。" 10) || { fail "no name prompt"; return 1; }
            # A name typed but not yet accepted (at the prompt it stays so).
            xdotool windowfocus --sync "$box" key ctrl+a type ME
            [ "$1" = prompt ] && return 0
            xdotool key Return
            window_titled RANKING 10 >/dev/null || { fail "no ranking window after the name"; return 1; }
            ;;
    esac
}

run_case() {  # ending, moment, before, after
    local ending=$1 moment=$2 before=$3 after=$4 start now alive_ms lock status
    dir="$work/$ending-$moment"
    mkdir -m 700 "$dir"
    cp "$work/$before.dat" "$dir/score.dat"
    start_xvfb "$dir"
    pids+=("$xvfb_pid")
    export XDG_RUNTIME_DIR=$dir PULSE_SERVER=unix:/nonexistent
    start_game
    if reach "$moment"; then
        start=$(now_ms)
        if [ "$ending" = X ]; then
            kill -KILL "$xvfb_pid"
            wait "$xvfb_pid" 2>/dev/null || true
        else
            kill -"$ending" "$game_pid"
        fi
        # The last moment it was seen running: a test held up by a busy machine sees it later,
        # never earlier, so only the program's own slowness fails the bound.
        alive_ms=-1
        while now=$(($(now_ms) - start)) && ! ended "$game_pid"; do
            alive_ms=$now
            [ "$alive_ms" -lt $((3000 * scale)) ] || break
            sleep 0.01
        done
        [ "$alive_ms" -lt $((1000 * scale)) ] || fail "still running $alive_ms ms after the ending"
        status=0
        wait "$game_pid" 2>/dev/null || status=$?
        # As after its close box; Qt ends a program whose X server went away with status 1.
        [ "$ending" = X ] || [ "$status" -eq 0 ] || fail "ended with status $status"
        cmp -s "$dir/score.dat" "$work/$after.dat" ||
            fail "score.dat is not $after.dat but: $(tr '\r\n' ' |' <"$dir/score.dat")"
        lock="$dir/troven-$(id -u).lock"
        if [ "$ending" != X ]; then
            [ ! -e "$lock" ] || fail "the single-instance lock was not released"
        elif [ -e "$lock" ] && ! ended "$(head -1 "$lock")"; then
            fail "the lock names a process that still runs"
        fi
    fi
    kill -KILL "$game_pid" "$xvfb_pid" 2>/dev/null || true
    wait "$game_pid" "$xvfb_pid" 2>/dev/null || true
    local left
    left=$(left_in "$dir")
    [ -z "$left" ] || fail "processes left behind: $left"
    detail="seen running at ${alive_ms:-?} ms, gone at the check at ${now:-?} ms; score.dat is $after.dat"
}

# Closed by the window manager (as by a task list's close button) at once, the splash gives way to
# the main window well before its timer would (1.5 s after it came up).
splash_case() {
    local splash start now missing_ms
    dir="$work/splash"
    mkdir -m 700 "$dir"
    start_xvfb "$dir"
    pids+=("$xvfb_pid")
    export XDG_RUNTIME_DIR=$dir PULSE_SERVER=unix:/nonexistent
    metacity --replace >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
    start_game
    splash=$(window_titled Form3 20) || { fail "no splash"; return; }
    start=$(now_ms)
    wmctrl -i -c "$splash"
    # The last moment the main window was seen missing (as for the endings above).
    missing_ms=-1
    while now=$(($(now_ms) - start)) &&
        ! window_titled "THE  TROVEN" >/dev/null; do
        missing_ms=$now
        [ "$missing_ms" -lt $((3000 * scale)) ] || { fail "no main window after the close"; return; }
        sleep 0.05
    done
    [ "$missing_ms" -lt $((1000 * scale)) ] ||
        fail "the main window was still missing $missing_ms ms after the close, not there at once"
    if window_titled Form3 >/dev/null; then
        fail "the splash is still up"
    fi
    # Centred with the frame the window manager put round it, as a player sees it.
    local main off
    main=$(window_titled "THE  TROVEN")
    for _ in $(seq 40); do
        off=$(frame_off_centre "$main")
        [ "$off" != "0 0" ] || break
        sleep 0.05
    done
    [ "$off" = "0 0" ] || fail "the main window, frame included, is off the screen's middle by $off"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    detail="the main window seen missing at $missing_ms ms, there at the check at $now ms"
}

only=("$@")
run() {  # label, command...
    label=$1
    shift
    [ ${#only[@]} -eq 0 ] || printf '%s\n' "${only[@]}" | grep -qx "$label" || return 0
    local failed_before=$failures
    "$@"
    [ "$failures" -gt "$failed_before" ] || echo "ok ($label): $detail"
}
for row in "${cases[@]}"; do
    read -r ending moment before after <<<"$row"
    run "$ending $moment" run_case "$ending" "$moment" "$before" "$after"
done
run splash splash_case
[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "all passed"
