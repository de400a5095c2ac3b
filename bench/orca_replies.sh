#!/usr/bin/env bash
# Key to speech with the real Orca: the blind player of the end-to-end test
# (tests/shell/blind_player.py) plays GAMES whole games in a row, each in a fresh copy of the
# program with the default ranking, in one Orca session (tests/support/orca.sh), and notes for each
# reply the time from just before it runs xdotool for the key to the moment the speech server
# receives the phrase. Prints, per kind of reply, the count, the median and the worst, in
# milliseconds. Orca runs as players run it, without its debug file, which costs it time for every
# event; with TROVEN_ORCA_LOG=FILE it writes one there, and the times are those of its own lines.
#   Usage: bench/orca_replies.sh BUILD_DIR [GAMES]    (GAMES: 5 unless given)
set -euo pipefail
build=$(cd "${1:?usage: orca_replies.sh BUILD_DIR [GAMES]}" && pwd)
games=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$build" -j2 --target troven >/dev/null
game=$build/games/troven

# shellcheck source=tests/support/orca.sh
. "$here/../tests/support/orca.sh"
[ -n "${TROVEN_ORCA_LOG:-}" ] || orca_tap=$here/speech_tap.py
start_orca_session
times=$orca_work/times.tsv
for round in $(seq "$games"); do
    fresh_ranking "$orca_work/game"
    said_before=$(stat -c %s "$orca_work/orca.log")
    (cd "$orca_work/game" && exec "$game" >"$orca_work/game.log" 2>&1) &
    orca_pids+=($!)
    said=$(timeout 240 /usr/bin/python3 "$here/../tests/shell/blind_player.py" \
        --from "$said_before" --times "$times" "$orca_work/orca.log" "$game" "$!")
    echo "game $round: ${said%%$'\n'*}"
    wait "${orca_pids[-1]}" || true
    unset 'orca_pids[-1]'
done

echo "key to speech with Orca, $games games (ms): count, median, worst"
sort -t $'\t' -k2,2 -k1,1g "$times" | awk -F'\t' '
    function report() { if (n) printf "  %-42s %4d %6.0f %6.0f\n", kind, n, 1000 * v[int((n + 1) / 2)], 1000 * v[n] }
    $2 != kind { report(); kind = $2; n = 0 }
    { v[++n] = $1 }
    END { report() }'
