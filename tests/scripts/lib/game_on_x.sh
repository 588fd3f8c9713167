# Shared by the scripts that run the real game window on a virtual X server. Source it after
# defining fail(); it sets $work (removed on exit) and kills what start_* started.
# copy_game BIN_DIR: the program and its shipped files into $work/game.
# start_xvfb WIDTHxHEIGHT: a virtual X server of that size; sets DISPLAY and the game's environment.

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
