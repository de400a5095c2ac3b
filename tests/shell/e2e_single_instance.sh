#!/usr/bin/env bash
# The real program under Xvfb: a second copy is refused with its message and ends; a copy killed
# with SIGKILL leaves no lock that refuses the next start.   Usage: e2e_single_instance.sh GAME
set -euo pipefail
game=$(realpath "${1:?usage: e2e_single_instance.sh GAME}")
# shellcheck source=tests/support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
need_tools Xvfb xdotool
work=$(mktemp -d)
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# shellcheck source=tests/support/xvfb.sh
. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work"
pids+=("$xvfb_pid")
export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:/nonexistent
cd "$work"

"$game" &
first=$!
pids+=("$first")
window_titled "THE  TROVEN" 20 >/dev/null || fail "the first copy showed no main window"

"$game" &
second=$!
pids+=("$second")
box=$(window_titled "THE TROVEN" 20) || fail "the second copy showed no message"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its message"
kill -0 "$first" 2>/dev/null || fail "the first copy did not survive the second"
echo "a second copy is refused and ends; the first runs on"

kill -9 "$first"
wait "$first" 2>/dev/null || true
ls "$work"/troven-*.lock >/dev/null 2>&1 || fail "expected the killed copy's lock file to be left behind"
"$game" &
pids+=($!)
window_titled "THE  TROVEN" 20 >/dev/null || fail "a killed copy's lock kept the next start out"
echo "a killed copy's lock does not refuse the next start"
echo "2 passed, 0 failed"
