#!/usr/bin/env bash
# Plays two sound devices against a real sound server and checks from what the server played
# that every play was heard from its beginning, whole, and that a quick second play started the
# sound over. Exit status 77 (skip) when pulseaudio is not installed. With TROVEN_KEEP_CAPTURE
# set to a file name, the recording is kept there for a closer look.
# usage: pulse_e2e.sh SOUND_DRIVER SOUND_ANALYSE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 2 ] || { echo "usage: pulse_e2e.sh SOUND_DRIVER SOUND_ANALYSE" >&2; exit 2; }
driver=$(realpath "$1")
analyse=$(realpath "$2")

work=$(mktemp -d "${TMPDIR:-/tmp}/troven-sound-e2e.XXXXXX")
clean_up() {
    if [ -n "${TROVEN_KEEP_CAPTURE:-}" ]; then cp "$work/captured.raw" "$TROVEN_KEEP_CAPTURE" || true; fi
    rm -rf "$work"
}
trap clean_up EXIT

"$here/with_pulse.sh" bash -c '
    set -euo pipefail
    "$1" "$2" --test-sounds
    sleep 1  # what the server played last is still on its way through the fifo
    cp "$TROVEN_PULSE_CAPTURE" "$2/captured.raw"
' _ "$driver" "$work"

cd "$work"
"$analyse" captured.raw "card.wav:whole wa.wav:whole card.wav:cut card.wav:whole" card.wav wa.wav
