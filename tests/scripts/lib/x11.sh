# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the whole-program checks that run the real programs on a virtual X server (sourced,
# not run). Sourcing it skips the script without Xvfb, fails it without xdotool, and sets $work,
# a scratch folder removed at exit together with whatever the script started in xvfb_pid,
# wm_pid, game_pid and edit_pid.
#
# fail MESSAGE: ends the script, showing the logs of the programs it started.
# need_tools TOOL...: fails unless each is installed.
# wait_until TENTHS COMMAND...: runs COMMAND every tenth of a second until it succeeds; returns 1
#   if it never did within TENTHS tenths.
# copy_game BIN_DIR [PROGRAM...]: the programs (default: the game) and the shipped files into
#   $work/game, with the settings and runtime folders in $work.
# start_xvfb [WIDTHxHEIGHT]: a virtual X server of its own (default 1024x768), taking clients;
#   sets DISPLAY.
# wait_for_window PID PATTERN WHAT: waits while PID runs for a visible window named PATTERN;
#   sets window.
# wait_for_dialog [PATTERN [TENTHS]]: waits (five seconds by default) for a visible window named
#   PATTERN (default: any name) other than $window; sets dialog.
# wait_until_closed WINDOW: waits for WINDOW to go away.
# focus_window WINDOW: gives it the keyboard (through the window manager when one runs).
# start_game [COMMAND...]: runs the game (default: the copied one, from its folder) until its
#   window shows; sets game_pid and window. Its output goes to $work/game.log.
# wait_for_end PID_VARIABLE WHAT: waits five seconds for the program to end, which must be with
#   status 0; clears the variable.
# quit_game: Alt+F4 to the game's window, then as wait_for_end.

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed"
    exit 0
fi

fail() {
    echo "FAIL: $*" >&2
    local log
    for log in game edit; do
        [ -n "${work:-}" ] && [ -f "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log" >&2
    done
    exit 1
}
need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
    done
}
need_tools xdotool

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
edit_pid=""
window=""
dialog=""
cleanup() {
    local pid
    for pid in "$edit_pid" "$game_pid" "$wm_pid" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    # A check may leave parts of its scratch folder read-only.
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

wait_until() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

copy_game() {
    local bin=$1 program pattern file
    shift
    [ $# -gt 0 ] || set -- brevanto
    mkdir -p "$work/game" "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    for program in "$@"; do
        [ -x "$bin/$program" ] || fail "no $program in $bin"
        cp "$bin/$program" "$work/game/"
    done
    for pattern in '*.DAT' '*.BMP' '*.INI' '*.WAV'; do
        for file in "$bin"/$pattern; do
            [ -f "$file" ] && cp "$file" "$work/game/"
        done
    done
    # The settings as shipped, not the build folder's copy: that one is a developer's own from
    # the first run on (another course, a window position) and would steer the checks.
    local shipped
    shipped="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/assets/BREVANTO.INI"
    [ -f "$shipped" ] && cp "$shipped" "$work/game/BREVANTO.INI"
    [ -f "$work/game/BREVANTO.INI" ] || fail "no settings file beside the program in $bin"
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
}

xvfb_reported() {
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    grep -q '^[0-9][0-9]*$' "$work/display"
}
xvfb_answers() {
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended: $(cat "$work/xvfb.log")"
    xdotool getdisplaygeometry >"$work/geometry" 2>/dev/null
}
start_xvfb() {
    local size=${1:-1024x768}
    # Xvfb takes the first display no server listens on and reports it once it takes clients,
    # so parallel runs never share one. -noreset: a server that resets when its last client
    # leaves drops a program connecting in that moment ("could not connect to display").
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x24" \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until 100 xvfb_reported || fail "Xvfb reported no display"
    export DISPLAY=":$(cat "$work/display")"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    # The server answering there is this one: a client gets through and sees its screen size.
    wait_until 100 xvfb_answers || fail "no client gets through to Xvfb on $DISPLAY"
    [ "$(cat "$work/geometry")" = "${size/x/ }" ] ||
        fail "the server on $DISPLAY is not the one started: screen $(cat "$work/geometry")"
}

window_shown() { # pid pattern what
    kill -0 "$1" 2>/dev/null || fail "$3 ended before showing its window"
    window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n1)
    [ -n "$window" ]
}
wait_for_window() {
    wait_until 100 window_shown "$@" || fail "no window of $3 appeared"
}

dialog_shown() { # pattern
    dialog=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$window" | head -n1)
    [ -n "$dialog" ]
}
wait_for_dialog() {
    wait_until "${2:-50}" dialog_shown "${1:-.}"
}
window_gone() {
    ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"
}
wait_until_closed() {
    wait_until 30 window_gone "$1"
}

# A window manager, as on a desktop (full screen, framing and focus are its business): openbox,
# started once Xvfb runs; fails the check when it does not come up.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
    need_tools openbox xprop
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    wait_until 100 wm_running || fail "openbox did not start: $(cat "$work/wm.log")"
}

managed() { # a window manager has framed the window
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}
focus_window() {
    if [ -n "$wm_pid" ]; then
        wait_until 30 managed "$1"
        xdotool windowactivate --sync "$1" 2>/dev/null || true
    else
        xdotool windowfocus --sync "$1" 2>/dev/null || true
    fi
}

start_game() {
    if [ $# -eq 0 ]; then
        (cd "$work/game" && exec ./brevanto) >"$work/game.log" 2>&1 &
    else
        "$@" >"$work/game.log" 2>&1 &
    fi
    game_pid=$!
    wait_for_window "$game_pid" '^Brevanto$' "the game"
    focus_window "$window"
}

has_ended() { ! kill -0 "$1" 2>/dev/null; }
wait_for_end() { # pid-variable what: clears the variable once the program has ended
    local -n pid=$1
    wait_until 50 has_ended "$pid" || fail "$2 did not end within 5 seconds"
    wait "$pid"
    local status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "$2 ended with status $status"
}

quit_game() {
    focus_window "$window"
    xdotool key --clearmodifiers alt+F4
    wait_for_end game_pid "the game (on Alt+F4)"
}
