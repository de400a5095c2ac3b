#!/usr/bin/env bash
# One whole game of the real program under valgrind's memcheck, played by scripted_game: the
# splash, New Game, plays to the end, a name for the ranking, the ranking closed, the program
# closed. Fails on any memory error or definite leak of the program's own (what valgrind.supp
# names lies inside Qt, fontconfig and glib, not in this program) and when the game did not go
# through to its end.
# usage: run_valgrind.sh SCRIPTED_GAME      exits 77 (skipped) when valgrind is not installed.
set -euo pipefail
game=$(realpath "${1:?usage: run_valgrind.sh SCRIPTED_GAME}")
here=$(cd "$(dirname "$0")" && pwd)
command -v valgrind >/dev/null || { echo "valgrind is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A ranking that any game enters: its tenth score is below every count.
{
    printf '"XYZ",50\r\n'
    for _ in $(seq 9); do printf '"AAA",-1\r\n'; done
} >score.dat

# No sound server: with one, Qt Multimedia 6.4 tears its PulseAudio connection down at exit
# while its own PulseAudio thread still runs, and under valgrind's slow timing that race now
# and then crashes the process after the game has ended (AddressSanitizer checks the sound
# thread against a real server in the sound tests instead).
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:/nonexistent
start=$SECONDS
status=0
valgrind --error-exitcode=1 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=40 --suppressions="$here/valgrind.supp" \
    "$game" || status=$?
echo "the game under valgrind took $((SECONDS - start)) s, exit status $status"
exit "$status"
