#!/usr/bin/env bash
# The installed game, started under Xvfb through its desktop entry's Exec line: the launcher
# replaces itself with the game, which runs in the player's data folder, and the main window's
# WM_CLASS matches the entry's StartupWMClass, so an X11 desktop puts the window under its entry.
# Usage: e2e_installed_game.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
# shellcheck source=tests/support/installed_tree.sh
. "$(dirname "$0")/../../tests/support/installed_tree.sh"
need_tools Xvfb xdotool xprop

work=$(mktemp -d)
pids=()
cleanup() {
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

prefix="$work/pre fix"
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/$id.desktop
launcher=$(exec_program "$(desktop_key "$desktop" Exec)")

# shellcheck source=tests/support/xvfb.sh
. "$(dirname "$0")/../../tests/support/xvfb.sh"
start_xvfb "$work" || fail "Xvfb did not start"
pids+=("$xvfb_pid")
export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:/nonexistent

XDG_DATA_HOME="$work/data home" "$launcher" 2>"$work/game.log" &
game=$!
pids+=("$game")
window=
for _ in $(seq 200); do
    window=$(window_titled "THE  TROVEN") && break
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; fail "the game ended before showing its main window"; }
    sleep 0.1
done
[ -n "$window" ] || fail "no main window within 20 s"

[ "$(readlink "/proc/$game/exe")" = "$prefix/$installed_game" ] ||
    fail "the launcher's process is $(readlink "/proc/$game/exe"), not the game"
[ "$(readlink "/proc/$game/cwd")" = "$work/data home/$id" ] ||
    fail "the game runs in $(readlink "/proc/$game/cwd")"
echo "the launcher became the game, running in \$XDG_DATA_HOME/$id"

# The main window opens its sound devices as it loads, which loads the installed sound module.
module=$(grep -o '/.*/troven-sound\.so$' "/proc/$game/maps" | sort -u)
[[ $module == "$prefix"/lib*/troven/troven-sound.so ]] ||
    fail "the game's sound module is '$module', not the one installed under $prefix"
echo "the game plays its sounds through the installed module"

wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(desktop_key "$desktop" StartupWMClass)
[[ $wm_class == *", \"$startup_class\"" ]] ||
    fail "the main window's $wm_class does not match StartupWMClass=$startup_class"
echo "the main window's WM_CLASS matches StartupWMClass=$startup_class"
