# Helpers for scripts that drive the real game on a virtual X server (sourced, not run).
# The sourcing script defines fail() and $work (a scratch folder removed at exit), and calls
# stop_x11_game from its exit trap.

xvfb_pid=""
game_pid=""

# Starts Xvfb on a display it picks itself (so parallel runs never collide) and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb reported no display"
    export DISPLAY=":$(head -n1 "$work/display" | tr -dc '0-9')"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# Starts a game command (in the background, output to $work/game.log) and waits for its window;
# sets $window.
start_game() {
    "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=""
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended before showing its window"
        window=$(xdotool search --onlyvisible --name '^Brevanto$' 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window named Brevanto appeared"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Alt+F4, then the game must end with status 0 within five seconds.
quit_game() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
    local status=""
    for _ in $(seq 50); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "the game did not end within 5 seconds of Alt+F4"
    game_pid=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

stop_x11_game() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
}
