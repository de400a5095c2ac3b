#!/usr/bin/env bash
# troven --help and --version answer on standard output and exit 0 before the program needs a
# display: they are asked with the xcb platform and no X server, where QApplication would abort,
# and leave no lock behind. What --help says the manual page says too. Anything else on the
# command line is refused with exit status 2 before the program starts, without a display too.
# usage: test_command_line.sh GAME MANUAL_PAGE VERSION
set -euo pipefail
game=$(realpath "${1:?usage: test_command_line.sh GAME MANUAL_PAGE VERSION}")
manual=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=tests/support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
mkdir -m 700 "$work/runtime"

without_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$game" "$@"
}
without_display --help >"$work/help" || fail "--help ended with $?"
without_display --version >"$work/version" || fail "--version ended with $?"
[ -z "$(ls -A "$work/runtime")" ] || fail "--help or --version left $(ls -A "$work/runtime")"
[ "$(head -1 "$work/help")" = "Usage: troven [options]" ] || fail "--help begins: $(head -1 "$work/help")"
{ grep -qE '^  -h, --help +[A-Z]' "$work/help" && grep -qE '^  -v, --version +[A-Z]' "$work/help"; } ||
    fail "--help does not list -h, --help and -v, --version: $(cat "$work/help")"
[ "$(cat "$work/version")" = "troven $version" ] || fail "--version says '$(cat "$work/version")'"
echo "--help and --version answer without a display"

# Every paragraph of the help, its option texts included, is in the manual page's source (roff's
# \- read as -, lines joined as roff fills them).
man_text=$(grep -v '^\.' "$manual" | sed 's/\\-/-/g' | tr -s ' \n' '  ')
check_in_manual() {
    local paragraph
    paragraph=$(tr -s ' \n' '  ' <<<"$1" | sed 's/^ //; s/ $//')
    [ -z "$paragraph" ] || [[ $man_text == *"$paragraph"* ]] ||
        fail "the manual page does not say: $paragraph"
}
# The description: "THE TROVEN: <summary>.", then paragraphs after blank lines.
description=$(sed -n '2,/^Options:/p' "$work/help" | sed '$d; 1s/^THE TROVEN: \(.*\)\.$/\1/')
while IFS= read -r -d '' paragraph; do check_in_manual "$paragraph"; done \
    < <(awk 'BEGIN { RS = ""; ORS = "\0" } { print }' <<<"$description")
while read -r _ _ text; do check_in_manual "$text"; done < <(grep -E '^  -' "$work/help" | sed 's/,//')
for file in score.dat card.wav wa.wav; do grep -q "$file" "$work/help" || fail "--help does not name $file"; done
echo "the manual page says what --help says, and --help names the files the game reads"

with_display() { QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" "$game" "$@"; }
# Qt's own options are left to Qt, whatever their place; what follows them is still checked.
for arguments in "--bogus" "stray" "-reverse --bogus" "-platform offscreen stray"; do
    for run in with_display without_display; do
        status=0
        # shellcheck disable=SC2086 # split into words on purpose
        $run $arguments 2>"$work/error" || status=$?
        [ "$status" -eq 2 ] || fail "'$arguments' $run ended with $status, not 2"
        grep -q "troven --help" "$work/error" || fail "'$arguments' $run says: $(cat "$work/error")"
    done
done
echo "unknown options and arguments are refused with exit status 2, with a display or without"
echo "3 passed, 0 failed"
