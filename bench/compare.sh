#!/usr/bin/env bash
# THE TROVEN beside an empty Qt Widgets window (bench/empty_window.cpp, the floor any Qt program
# pays; also with one line of text, the floor of any window with text), all built here with the
# same compiler, flags and Qt, in one run under Xvfb:
#   - milliseconds from process start until the first top-level window is mapped (X MapNotify,
#     seen by map_watch, which waits on the X connection and never polls), and the processor time
#     the program used, which varies less than the wall clock on a busy machine;
#   - peak resident memory (ru_maxrss from wait4 in map_watch, the figure GNU time -v reports as
#     "Maximum resident set size"), each program ended 300 ms after its first window was mapped;
#     the game once more after its main window came, for its whole start-up;
#   - a click on a hand slot (without and, where pulseaudio is installed, with a sound server),
#     and (bench/sound_latency.sh) the delay from a click to its card sound,
#     the model's plays per second, and the ranking's load of score.dat with a 1 GB file
#     (bench_click, bench_game, bench_ranking).
# The goals: the game's first window (the splash) mapped, and its peak memory, within 1.15 x the
# empty window's. One warm-up run, then the median of five (with the range), the programs taking
# turns, each run waiting for a quiet moment on a shared machine.
#   Usage: bench/compare.sh BUILD_DIR    (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
build=$(cd "${1:?usage: compare.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$build" -j2 --target troven empty_window map_watch bench_click bench_game \
    bench_ranking >/dev/null

work=$(mktemp -d)
trap 'kill ${xvfb:-} ${bus:-} 2>/dev/null || true; rm -rf "$work"' EXIT
chmod 700 "$work"
# shellcheck source=tests/support/xvfb.sh
. "$(cd "$(dirname "$0")/../tests/support" && pwd)/xvfb.sh"
# shellcheck source=tests/support/pulse.sh
. "$(cd "$(dirname "$0")/../tests/support" && pwd)/pulse.sh"
start_xvfb "$work"
xvfb=$xvfb_pid
export XDG_RUNTIME_DIR=$work
# A session bus, as a desktop has one: without it every Qt program starts dbus-launch.
dbus-daemon --session --nofork --address="unix:path=$work/bus" >/dev/null 2>&1 &
bus=$!
for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
export PULSE_SERVER=unix:/nonexistent  # no sound server: the same for every run
cd "$work"                             # the game's score.dat goes here

splash=Form3 main="THE  TROVEN"
# field FILE KEY: the values of KEY, one a line, from map_watch outputs appended to FILE
field() { awk -F'\t' -v key="$2" '$1 == key { print $2 }' "$1"; }
# stats: the median, the least and the greatest of the numbers read, one a line
stats() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%s\t%s\t%s", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

# Waits (up to 20 s) for half a second in which the processors were at least BENCH_IDLE percent
# (60 unless set) idle, so that a run does not start in the middle of somebody's build; counts
# the runs that started regardless.
busy_starts=0 idle_wanted=${BENCH_IDLE:-60}
quiet() {
    local _ before after
    for _ in $(seq 40); do
        read -ra before </proc/stat
        sleep 0.5
        read -ra after </proc/stat
        local total=0 idle=$((after[4] + after[5] - before[4] - before[5])) i
        for i in 1 2 3 4 5 6 7 8; do total=$((total + after[i] - before[i])); done
        if ((idle * 100 >= total * idle_wanted)); then return; fi
    done
    busy_starts=$((busy_starts + 1))
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); each run waits for ${idle_wanted}% idle"
for run in 0 1 2 3 4 5; do
    for what in empty text splash whole; do
        quiet
        case $what in
            empty) out=$("$build/bench/map_watch" empty -- "$build/bench/empty_window") ;;
            text) out=$("$build/bench/map_watch" empty -- "$build/bench/empty_window" --text) ;;
            splash) out=$("$build/bench/map_watch" "$splash" -- "$build/games/troven" \
                2>/dev/null) ;;
            whole) out=$("$build/bench/map_watch" "$splash" "$main" -- "$build/games/troven" \
                2>/dev/null) ;;
        esac
        if [ "$run" -gt 0 ]; then printf '%s\n' "$out" >>"$work/$what"; fi  # run 0: warm-up
    done
done

row() {  # LABEL FLOOR_KEY GAME_RUNS GAME_KEY SCALE [GOAL]: medians, ratios and ranges
    paste <(field "$work/empty" "$2" | stats) <(field "$work/text" "$2" | stats) \
        <(field "$work/$3" "$4" | stats) |
        awk -F'\t' -v label="$1" -v scale="$5" -v goal="${6:-}" '{
            ratio = $7 / $1
            verdict = goal == "" ? "" : ratio <= goal ? "met" : "MISSED"
            printf "%-34s %6.1f %6.1f %6.1f %5.2f x %-6s %5.2f x  (%.1f-%.1f, %.1f-%.1f)\n",
                label, $1 / scale, $4 / scale, $7 / scale, ratio, verdict, $7 / $4, $2 / scale,
                $3 / scale, $8 / scale, $9 / scale
        }'
}
echo
echo "median of 5; empty: the empty window, +text: the same with one line of text"
printf '%-34s %6s %6s %6s %-15s %-8s  %s\n' "" empty +text game "game/empty" game/+text \
    "(range empty, game)"
row "first window mapped, ms" empty splash "$splash" 1 1.15
row "processor time, ms" cpu-ms splash cpu-ms 1
row "peak resident memory, MB" peak-rss-kb splash peak-rss-kb 1024 1.15
row "  game through its main window, MB" peak-rss-kb whole peak-rss-kb 1024 1.15
# shellcheck disable=SC2046,SC2183 # stats prints the three figures, split into arguments
printf '%-34s %20s %6.1f  (%.1f-%.1f)\n' "main window mapped, ms" "" \
    $(field "$work/whole" "$main" | stats)
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg); runs started on a busy machine:" \
    "$busy_starts"

clicks() {  # one click straight after the other, then clicks at a player's pace
    quiet
    "$build/bench/bench_click" 2>/dev/null
    quiet
    "$build/bench/bench_click" --pace 150 2>/dev/null
}
echo
echo "click on a hand slot, press to end of repaint (goal: under 2 ms), under Xvfb,"
echo "without a sound server:"
clicks
# The same with a private sound server playing into a null sink, so that every click is heard.
if command -v pulseaudio >/dev/null; then
    (
        start_pulse "$work/pulse" "module-null-sink sink_name=bench"
        trap 'kill "$pulse_pid"' EXIT
        echo "with a sound server (PulseAudio, null sink):"
        clicks
    )
fi
echo
echo "model (goal: 2 million plays per second or more):"
quiet
"$build/bench/bench_game" --benchmark_format=console 2>/dev/null | grep -E '^(WholeGames|Plays)'
echo
echo "ranking window's load of score.dat (goal: the 1 GB file as fast as the 91-byte one):"
quiet
"$build/bench/bench_ranking" 2>/dev/null | grep '^FormLoad'
if command -v pulseaudio >/dev/null; then
    echo
    echo "click to card sound, beyond the sound server's own delay (goal: 15 ms), 20 plays:"
    quiet
    "$here/sound_latency.sh" "$build"
fi
