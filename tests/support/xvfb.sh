# shellcheck shell=bash
# Sourced by the scripts that run the program in a virtual X display.
# start_xvfb DIR starts Xvfb (1024 x 768, 24 bits) on a display it picks itself, so that neither
# another X server nor a stale lock of one can take its place, and fails when the server does not
# come up within 10 s. It sets xvfb_pid and exports DISPLAY, and QT_QPA_PLATFORM=xcb, so that a Qt
# program started afterwards shows its windows there whatever platform the caller's environment
# names (offscreen, wayland). -noreset: without it the server resets when its last client goes
# away, and a program started during that reset cannot connect (a test that kills its only client
# and starts another would fail about one run in eight on a busy machine).
start_xvfb() {
    local dir=$1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" >/dev/null 2>&1 &
    # shellcheck disable=SC2034 # for the caller, which ends it
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=:$(<"$dir/display")
    export DISPLAY QT_QPA_PLATFORM=xcb
}

# window_titled TITLE [SECONDS] prints the id of a visible window titled exactly TITLE, waiting
# up to SECONDS (default 0: one look) for it. The title is read from _NET_WM_NAME, which Qt
# writes in UTF-8 whatever the locale: WM_NAME, what xdotool's --name matches, is written in the
# program's locale, and in the POSIX locale a Japanese title there is unreadable.
window_titled() {
    local end=$((SECONDS + ${2:-0})) w
    while :; do
        for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
            [ "$(xdotool getwindowname "$w" 2>/dev/null)" != "$1" ] || { echo "$w"; return 0; }
        done
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# frame_off_centre WINDOW prints how far the window's middle, its window manager's frame
# (_NET_FRAME_EXTENTS) included, lies from the middle of the 1024 x 768 screen: "DX DY".
frame_off_centre() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x, y, w, h }')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d , |
        awk '{ print $3 + 0, $4 + 0, $5 + 0, $6 + 0 }')
    echo $(((2 * (x - left) + left + w + right - 1024) / 2)) \
        $(((2 * (y - top) + top + h + bottom - 768) / 2))
}
