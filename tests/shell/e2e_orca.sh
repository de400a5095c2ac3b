#!/usr/bin/env bash
# A blind player plays the real program with the real Orca (tests/support/orca.sh starts it, with
# everything it needs, under Xvfb): blind_player.py plays from the phrases Orca speaks alone: a
# whole game, a name for the ranking, the ranking read and cleared, a second copy refused. How
# quickly Orca speaks is bench/orca_replies.sh's business; here only what it says counts.
# usage: e2e_orca.sh GAME    (TROVEN_ORCA_LOG=FILE keeps Orca's debug file there)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:?usage: e2e_orca.sh GAME}")
# shellcheck source=tests/support/orca.sh
. "$here/../support/orca.sh"
start_orca_session
fresh_ranking "$orca_work/game"
cd "$orca_work/game"
"$game" >"$orca_work/game.log" 2>&1 &
orca_pids+=($!)
timeout 240 /usr/bin/python3 "$here/blind_player.py" "$orca_work/orca.log" "$game" "$!"
