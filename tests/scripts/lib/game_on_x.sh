# Shared by the scripts that run the real game window on a virtual X server. Sourcing it skips
# the script without Xvfb, defines fail, sets $work (removed on exit, with whatever the script
# started in xvfb_pid, wm_pid and game_pid ended).
# need_tools TOOL...: fails unless each is installed.
# copy_game BIN_DIR: the program and its shipped files into $work/game.
# start_xvfb WIDTHxHEIGHT: a virtual X server of that size; sets DISPLAY and the game's environment.
# start_game: runs the copied game until its window shows; sets game_pid and window.

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed"
    exit 0
fi
fail() {
    echo "FAIL: $*" >&2
    [ -n "${work:-}" ] && [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
    exit 1
}
need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
    done
}

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

copy_game() {
    [ -x "$1/brevanto" ] || fail "no game program in $1"
    mkdir -p "$work/game" "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    cp "$1/brevanto" "$work/game/"
    local pattern file
    for pattern in '*.DAT' '*.BMP' '*.INI' '*.WAV'; do
        for file in "$1"/$pattern; do
            [ -f "$file" ] && cp "$file" "$work/game/"
        done
    done
    [ -f "$work/game/BREVANTO.INI" ] || fail "no settings file beside the program in $1"
}

start_xvfb() {
    # Xvfb picks a free display itself and reports its number, so parallel runs never collide.
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1x24" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
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

window=""
start_game() {
    (cd "$work/game" && exec ./brevanto) >"$work/game.log" 2>&1 &
    game_pid=$!
    window=""
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended before showing its window"
        window=$(xdotool search --onlyvisible --name '^Brevanto$' 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window named Brevanto appeared"
    sleep 1
    xdotool windowactivate --sync "$window" 2>/dev/null || true
}
