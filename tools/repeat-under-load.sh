#!/usr/bin/env bash
# Runs the tests whose names match REGEX N times in a row (stopping at the first failure) while
# two busy loops keep both cores of the machine loaded, as a test meets a busy CI machine.
# usage: tools/repeat-under-load.sh BUILD_DIR REGEX [N]      (N: 10 unless given)
set -euo pipefail
build=${1:?usage: tools/repeat-under-load.sh BUILD_DIR REGEX [N]}
regex=${2:?usage: tools/repeat-under-load.sh BUILD_DIR REGEX [N]}
runs=${3:-10}
busy=()
trap 'kill "${busy[@]}" 2>/dev/null || true' EXIT
for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done
ctest --test-dir "$build" -R "$regex" --repeat until-fail:"$runs" --output-on-failure
