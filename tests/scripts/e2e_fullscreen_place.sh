#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen gives the window back exactly where it was, under a window manager: seven F11
# round trips (and Escape) leave the frame where it started, and a game that starts in full
# screen lands at the stored position when it leaves it. Usage: e2e_fullscreen_place.sh BIN_DIR
set -uo pipefail

bin=${1:?usage: e2e_fullscreen_place.sh BIN_DIR}
source "$(dirname "$0")/lib/x11.sh"
need_tools xprop xwininfo openbox
copy_game "$bin"
settings="$work/game/BREVANTO.INI"
start_xvfb 1024x768

start_window_manager

is_full_screen() { xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN; }
is_windowed() { ! is_full_screen; }
# The frame's top-left corner: the client's corner less the frame's left and top extents.
frame_place() {
    local x y extents left top
    x=$(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {print $4}')
    y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y:/ {print $4}')
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    left=$(echo "$extents" | cut -d, -f1 | tr -d ' ')
    top=$(echo "$extents" | cut -d, -f3 | tr -d ' ')
    echo "$((x - ${left:-0})),$((y - ${top:-0}))"
}
settled_at() { [ "$(frame_place)" = "$1" ]; }

sed -i '/^Position=/d; /^FullScreen=/d' "$settings"
printf 'Position=130,90\n' >>"$settings"
start_game
wait_until 30 managed "$window"
sleep 0.5
start=$(frame_place)
[ "$start" = "130,90" ] || fail "the window starts at $start, not at the stored 130,90"
for round in 1 2 3 4 5 6 7; do
    if [ "$round" = 4 ]; then leave=Escape; else leave=F11; fi
    focus_window "$window"
    xdotool key F11
    wait_until 50 is_full_screen || fail "F11 did not make the window full screen (round $round)"
    sleep 0.3
    xdotool key "$leave"
    wait_until 50 is_windowed || fail "$leave did not leave full screen (round $round)"
    wait_until 30 settled_at "$start" ||
        fail "after round $round ($leave) the frame is at $(frame_place), not at $start"
done
quit_game
grep -q '^Position=130,90' "$settings" || fail "the stored position moved: $(grep Position "$settings")"

# Started in full screen, Escape lands on the stored position.
sed -i '/^FullScreen=/d' "$settings"
printf 'FullScreen=1\n' >>"$settings"
start_game
wait_until 50 is_full_screen || fail "the game did not start in full screen"
sleep 0.3
xdotool key Escape
wait_until 50 is_windowed || fail "Escape did not leave full screen after a start in it"
wait_until 30 settled_at "130,90" || fail "leaving full screen after a start in it put the frame at $(frame_place), not 130,90"
quit_game
echo "PASS: full screen gives the window back at its frame position, seven times over and after a start in it"
