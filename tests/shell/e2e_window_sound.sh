#!/usr/bin/env bash
# The card sound of the real main window against a real sound server: heard once per click,
# whole, and started over by a quick second click.
# usage: e2e_window_sound.sh WINDOW_SOUND_DRIVER RECORDED_PLAYS_CHECK
set -euo pipefail
sound=$(cd "$(dirname "$0")/sound" && pwd)
driver=$(realpath "$1")
analyse=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck disable=SC2016 # expanded by the inner shell
"$sound/with_pulse.sh" bash -c '
    set -euo pipefail
    QT_QPA_PLATFORM=offscreen "$1" "$2"
    sleep 1  # what the server played last is still on its way through the fifo
    cp "$TROVEN_PULSE_CAPTURE" "$2/captured.raw"
' _ "$driver" "$work"

cd "$work"
"$analyse" captured.raw "card.wav:whole card.wav:whole card.wav:cut card.wav:whole" card.wav
