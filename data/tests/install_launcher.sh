#!/usr/bin/env bash
# The installed launcher, started the way the desktop entry's Exec line starts it, with a stand-in
# for the game that records where it runs and what it was given: it makes the data folder when
# missing, starts the game there with no arguments, and keeps what the folder already holds.
# Usage: install_launcher.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
# shellcheck source=tests/support/installed_tree.sh
. "$(dirname "$0")/../../tests/support/installed_tree.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix"
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=$(exec_program "$(desktop_key "$prefix/share/applications/$id.desktop" Exec)")
record=$work/record
cat >"$prefix/$installed_game" <<EOT
#!/bin/sh
{ pwd; echo "\$#"; } >'$record'
exit 7
EOT

# Runs the launcher with the environment given; the game's exit status is the launcher's.
launch() {  # VAR=value... -- extra launcher arguments...
    local env=()
    while [ "$1" != -- ]; do
        env+=("$1")
        shift
    done
    shift
    rm -f "$record"
    local status=0
    env -i PATH=/usr/bin:/bin "${env[@]}" "$launcher" "$@" || status=$?
    [ "$status" -eq 7 ] || fail "the launcher ended with $status, not the game's 7 (${env[*]})"
}
expect_run_in() {  # folder
    [ -f "$record" ] || fail "the game did not start"
    [ "$(sed -n 1p "$record")" = "$1" ] || fail "the game ran in '$(sed -n 1p "$record")', not '$1'"
    [ "$(sed -n 2p "$record")" = 0 ] || fail "the game was given $(sed -n 2p "$record") arguments"
}

home="$work/home of player"
mkdir -p "$home"

data="$work/data home"
launch HOME="$home" XDG_DATA_HOME="$data" -- --stray "an argument"
expect_run_in "$data/$id"
[ "$(stat -c %a "$data/$id")" = 700 ] || fail "the new data folder is not private to the player"
echo "XDG_DATA_HOME with blanks: the folder is made (0700) and the game starts there with no arguments"

echo '"TROVEN",47' >"$data/$id/score.dat"
launch HOME="$home" XDG_DATA_HOME="$data" --
expect_run_in "$data/$id"
[ "$(cat "$data/$id/score.dat")" = '"TROVEN",47' ] || fail "the existing score.dat was changed"
echo "an existing data folder and its score.dat are used as they are"

launch HOME="$home" --
expect_run_in "$home/.local/share/$id"
launch HOME="$home" XDG_DATA_HOME= --
expect_run_in "$home/.local/share/$id"
(cd "$work" && launch HOME="$home" XDG_DATA_HOME="data home" --)
expect_run_in "$home/.local/share/$id"
echo "XDG_DATA_HOME unset, empty or relative: ~/.local/share is used"

: >"$work/blocked"
rm -f "$record"
if env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$work/blocked" "$launcher" 2>/dev/null; then
    fail "the launcher succeeded without its data folder"
fi
[ ! -e "$record" ] || fail "the game started although its data folder could not be made"
echo "a data folder that cannot be made: the launcher fails and does not start the game"
