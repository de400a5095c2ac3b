#!/usr/bin/env bash
# Start-up of the real program under Xvfb: milliseconds from process start until the splash is
# mapped, until the main window is mapped (less the splash's 1500 ms), and peak resident memory.
# One warm-up run, then the median of five.   Usage: bench/startup.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: startup.sh BUILD_DIR}" && pwd)
watch="$build/bench/map_watch"
game="$build/shell/troven"
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR="$work" PULSE_SERVER=unix:/nonexistent
cd "$work"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
splash=() main=() rss=()
for run in 0 1 2 3 4 5; do
    out=$("$watch" Form3 "THE  TROVEN" -- "$game" 2>/dev/null)
    [ "$run" -eq 0 ] && continue  # warm-up
    splash+=("$(awk -F'\t' '$1 == "Form3" { print $2 }' <<<"$out")")
    main+=("$(awk -F'\t' '$1 == "THE  TROVEN" { print $2 - 1500 }' <<<"$out")")
    rss+=("$(awk -F'\t' '$1 == "peak-rss-kb" { print $2 }' <<<"$out")")
done
printf 'splash mapped after            %s ms (median of 5)\n' "$(printf '%s\n' "${splash[@]}" | median)"
printf 'main window mapped after       %s ms beyond the 1500 ms splash\n' "$(printf '%s\n' "${main[@]}" | median)"
printf 'peak resident memory           %s MB\n' "$(( $(printf '%s\n' "${rss[@]}" | median) / 1024 ))"
