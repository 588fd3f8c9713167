#!/usr/bin/env bash
# End-to-end check of the real game window on a virtual X server: the game starts from a copy of
# the build's bin folder, shows its window, takes a screenshot, opens its dialogs by the menu keys
# (titles exactly as set), and ends with status 0 on Alt+F4, having written its settings.
# Usage: e2e_window.sh BIN_DIR
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
# shellcheck source=lib/x11_game.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11_game.sh"
cleanup() {
    stop_x11_game
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

start_xvfb
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
cd "$work/game" || fail "no game folder"
start_game ./brevanto
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

# Dialog titles are exactly the texts set, with no application name appended by the platform.
# Each dialog opens from its menu by the access keys and closes with Escape.
dialog_title() { # menu-key item-key: the title of the window that opens
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers "alt+$1"
    sleep 0.3
    xdotool key "$2"
    local found=""
    for _ in $(seq 30); do
        found=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$window" | head -n1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    [ -n "$found" ] || fail "no dialog opened by alt+$1 $2"
    xdotool getwindowname "$found"
    xdotool windowfocus --sync "$found" 2>/dev/null || true
    xdotool key Escape
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$found" || return 0
        sleep 0.1
    done
    fail "the dialog opened by alt+$1 $2 did not close"
}
title=$(dialog_title h a)
[ "$title" = "Version Information" ] || fail "about box titled '$title'"
title=$(dialog_title o s)
[ "$title" = "fSetting" ] || fail "settings dialog titled '$title'"
title=$(dialog_title f l)
case "$title" in *Brevanto*) fail "file dialog titled '$title'" ;; esac

game_pid_left=$game_pid
quit_game
grep -q '^Position=' "$work/game/BREVANTO.INI" || fail "the settings were not stored at shut-down"
echo "PASS: window shown, screenshot taken, Alt+F4 ended the game (pid $game_pid_left) with status 0"
