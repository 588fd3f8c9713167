#!/usr/bin/env bash
# End-to-end check of the real game window on a virtual X server: the game starts from a copy of
# the build's bin folder, shows its window, takes a screenshot, and ends with status 0 on Alt+F4,
# having written its settings. Usage: e2e_window.sh BIN_DIR
# Set BREVANTO_E2E_SHOT=path to keep a screenshot of the window.
set -uo pipefail

bin=${1:?usage: e2e_window.sh BIN_DIR}
source "$(dirname "$0")/lib/game_on_x.sh"
need_tools xdotool xwd
copy_game "$bin"
start_xvfb 1024x768

start_game
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
