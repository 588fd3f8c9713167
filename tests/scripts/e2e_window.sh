#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the real game window on a virtual X server: the game starts from a copy of
# the build's bin folder, shows its window, takes a screenshot, opens its dialogs by the menu keys
# (titles exactly as set), and ends with status 0 on Alt+F4, having written its settings.
# Usage: e2e_window.sh BIN_DIR
# Set BREVANTO_E2E_SHOT=path to keep a screenshot of the window.
set -uo pipefail

bin=${1:?usage: e2e_window.sh BIN_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11.sh"
need_tools xwd
copy_game "$bin"
start_xvfb
start_game
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
    focus_window "$window"
    xdotool key --clearmodifiers "alt+$1"
    sleep 0.3
    xdotool key "$2"
    wait_for_dialog || fail "no dialog opened by alt+$1 $2"
    xdotool getwindowname "$dialog"
    focus_window "$dialog"
    xdotool key Escape
    wait_until_closed "$dialog" || fail "the dialog opened by alt+$1 $2 did not close"
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
