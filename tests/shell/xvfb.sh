# Sourced by the end-to-end scripts. start_xvfb DIR starts Xvfb on a display it picks itself, so
# that neither another X server nor a stale lock of one can take its place; it sets DISPLAY and
# xvfb_pid, and fails when the server does not come up within 10 s.
start_xvfb() {
    local dir=$1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=:$(<"$dir/display")
}
