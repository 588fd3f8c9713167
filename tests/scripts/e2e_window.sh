#!/usr/bin/env bash
# End-to-end check of the real game window on a virtual X server: the game starts from a copy of
# the build's bin folder, shows its window, takes a screenshot, and ends with status 0 on Alt+F4,
# having written its settings. Usage: e2e_window.sh BIN_DIR
# Set BREVANTO_E2E_SHOT=path to keep a screenshot of the window.
set -uo pipefail

bin=${1:?usage: e2e_window.sh BIN_DIR}
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed"
    exit 0
fi
fail() {
    echo "FAIL: $*" >&2
    [ -n "${work:-}" ] && [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
    exit 1
}
for tool in xdotool xwd; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
done
[ -x "$bin/brevanto" ] || fail "no game program in $bin"

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mkdir -p "$work/game" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$bin/brevanto" "$work/game/"
for pattern in '*.DAT' '*.BMP' '*.INI' '*.WAV'; do
    for file in "$bin"/$pattern; do
        [ -f "$file" ] && cp "$file" "$work/game/"
    done
done
[ -f "$work/game/BREVANTO.INI" ] || fail "no settings file beside the program in $bin"

source "$(dirname "$0")/lib/x11.sh"
start_xvfb "$work" 1024x768

(cd "$work/game" && exec ./brevanto) >"$work/game.log" 2>&1 &
game_pid=$!

window=$(wait_for_window "$game_pid" '^Brevanto$' "the game") || exit 1
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while running its demo"

# The screenshot must show a picture, not an empty screen.
xwd -root -silent >"$work/screen.xwd" || fail "no screenshot"
if command -v convert >/dev/null 2>&1; then
    convert "xwd:$work/screen.xwd" "$work/screen.png" || fail "screenshot not convertible"
    colours=$(identify -format '%k' "$work/screen.png" 2>/dev/null || echo 0)
    [ "${colours:-0}" -gt 8 ] || fail "the screenshot is nearly blank ($colours colours)"
    if [ -n "${BREVANTO_E2E_SHOT:-}" ]; then
        xwd -id "$window" -silent >"$work/window.xwd" &&
            convert "xwd:$work/window.xwd" "$BREVANTO_E2E_SHOT" || fail "window screenshot failed"
    fi
fi

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4

status=""
for _ in $(seq 50); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
        wait "$game_pid"
        status=$?
        break
    fi
    sleep 0.1
done
game_pid_left=$game_pid
[ -n "$status" ] || fail "the game did not end within 5 seconds of Alt+F4"
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
grep -q '^Position=' "$work/game/BREVANTO.INI" || fail "the settings were not stored at shut-down"
echo "PASS: window shown, screenshot taken, Alt+F4 ended the game (pid $game_pid_left) with status 0"
