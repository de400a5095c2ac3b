#!/usr/bin/env bash
# One whole game of the real program under valgrind's memcheck, played by scripted_game: the
# splash, New Game, plays to the end with their sounds, a name for the ranking, the ranking
# closed, the program closed. Fails on any memory error or definite leak of the program's own (what valgrind.supp
# names lies inside Qt, fontconfig and glib, not in this program) and when the game did not go
# through to its end.
# usage: run_valgrind.sh SCRIPTED_GAME      exits 77 (skipped) when valgrind is not installed.
set -euo pipefail
game=$(realpath "${1:?usage: run_valgrind.sh SCRIPTED_GAME}")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/support/checks.sh
. "$here/../support/checks.sh"
need_tools valgrind
# Against a real sound server where pulseaudio is installed, so that the sound thread and the
# sound module are checked too; with no server otherwise.
if [ -z "${TROVEN_PULSE_CAPTURE:-}" ]; then
    if command -v pulseaudio >/dev/null; then
        exec "$here/../support/with_pulse.sh" "$0" "$game"
    fi
    export PULSE_SERVER=unix:/nonexistent
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A ranking that any game enters: its tenth score is below every count.
{
    printf '"XYZ",50\r\n'
    for _ in $(seq 9); do printf '"AAA",-1\r\n'; done
} >score.dat

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work
start=$SECONDS
status=0
valgrind --error-exitcode=1 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=40 --suppressions="$here/valgrind.supp" \
    "$game" || status=$?
echo "the game under valgrind took $((SECONDS - start)) s, exit status $status"
exit "$status"
