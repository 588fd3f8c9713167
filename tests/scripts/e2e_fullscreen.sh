#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen of the real game window on a virtual X server with a window manager: F11 makes
# the window cover the screen with the bars hidden and the margins in the ground colour;
# Escape gives back the window at its size; the state is kept in the settings file and comes
# back at the next start. Usage: e2e_fullscreen.sh BIN_DIR
# Set BREVANTO_E2E_SHOT=path to keep a screenshot of the full screen.
set -uo pipefail

bin=${1:?usage: e2e_fullscreen.sh BIN_DIR}
source "$(dirname "$0")/lib/x11.sh"
need_tools xprop convert openbox
copy_game "$bin"
settings="$work/game/BREVANTO.INI"
# A ground colour of our own, so the margins are told apart from anything else.
sed -i '/^GroundColor=/d' "$settings"
printf 'GroundColor=40,90,160\n' >>"$settings"
ground="40,90,160"

start_xvfb 1024x768

start_window_manager

is_full_screen() {
    xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN
}
is_windowed() { ! is_full_screen; }
size() {
    xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}
pixel() { # screenshot x y
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

start_game
windowed=$(size)
xdotool key F11
wait_until 50 is_full_screen || fail "F11 did not make the window full screen"
sleep 1
[ "$(size)" = "1024x768" ] || fail "the full-screen window is $(size), not the screen's 1024x768"
import -window root "$work/full.png" || fail "no screenshot"
[ -n "${BREVANTO_E2E_SHOT:-}" ] && cp "$work/full.png" "$BREVANTO_E2E_SHOT"
# Left of the centred field, just below the menu bar where the tool bar was, and at the foot
# where the status bar was: the ground colour everywhere.
for place in "2 40" "2 766" "1021 766"; do
    set -- $place
    colour=$(pixel "$work/full.png" "$1" "$2")
    [ "$colour" = "$ground" ] || fail "pixel ($1,$2) of the full screen is $colour, not the ground $ground"
done

xdotool key Escape
wait_until 50 is_windowed || fail "Escape did not leave full screen"
at_windowed_size() { [ "$(size)" = "$windowed" ]; }
wait_until 50 at_windowed_size || fail "the window came back at $(size), not $windowed"

xdotool key F11
wait_until 50 is_full_screen || fail "F11 did not make the window full screen a second time"
quit_game
grep -q '^FullScreen=1' "$settings" || fail "FullScreen=1 was not stored"
grep -q '^ToolBar=0' "$settings" && fail "the bars hidden by full screen were stored as hidden"

start_game
wait_until 50 is_full_screen || fail "the game did not start in full screen"
xdotool key Escape
wait_until 50 is_windowed || fail "Escape did not leave full screen after a start in it"
quit_game
grep -q '^FullScreen=0' "$settings" || fail "FullScreen=0 was not stored"
echo "PASS: F11 and Escape switch full screen with the bars and the window given back; stored and restored"
