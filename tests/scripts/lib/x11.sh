# Shared by the whole-program checks that need a display (sourced; each caller defines fail).

# Starts Xvfb on a display it picks itself and reports, so parallel runs never collide, and
# points the programs at it with their files under WORK. Sets xvfb_pid. Usage: start_xvfb WORK SIZE
start_xvfb() {
    local work=$1 size=$2
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "${size}x24" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb reported no display"
    export DISPLAY=":$(head -n1 "$work/display" | tr -dc '0-9')"
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# Waits up to ten seconds for a visible window whose name matches PATTERN while program PID
# runs; prints its id. Usage: window=$(wait_for_window PID PATTERN WHAT) || exit 1
wait_for_window() {
    local pid=$1 pattern=$2 what=$3 window=""
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || fail "$what ended before showing its window"
        window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window of $what appeared"
    echo "$window"
}
