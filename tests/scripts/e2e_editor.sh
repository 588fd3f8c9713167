#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the course editor on a virtual X server: from the empty course the editor
# starts with, scripted mouse and keys carve a ring of lanes, place the player's car and a
# computer car, fill the dots, add a block with its path and place the captions, then save
# through the real file dialog. The simulator must load and check the saved course without a
# finding, play it, and the game must show it. Usage: e2e_editor.sh BIN_DIR
# Set BREVANTO_EDIT_SHOT=path to keep a screenshot of the editor with the finished course.
set -uo pipefail

bin=${1:?usage: e2e_editor.sh BIN_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11.sh"
[ -x "$bin/brevanto-sim" ] || fail "no brevanto-sim in $bin"
copy_game "$bin" brevanto brevanto-edit
[ -f "$work/game/COURSE1.DAT" ] || fail "no shipped course in $bin"
start_xvfb 1280x900
export LANG=C.UTF-8 LC_ALL=C.UTF-8

(cd "$work/game" && BREVANTO_EDIT_VIEW_FILE="$work/view" exec ./brevanto-edit) >"$work/edit.log" 2>&1 &
edit_pid=$!
wait_for_window "$edit_pid" 'Brevanto Course Editor' "the editor"
wait_until 50 test -s "$work/view" || fail "the editor did not report its view"
read -r view_x view_y zoom tile <"$work/view"
focus_window "$window"

# Screen point of the middle of a cell (1-based column and row).
cell() { echo $(( view_x + ((($1 - 1) * tile) + tile / 2) * zoom )) $(( view_y + ((($2 - 1) * tile) + tile / 2) * zoom )); }
click() { xdotool mousemove $(cell "$1" "$2") sleep 0.05 click 1 sleep 0.1; }
# Presses at the first cell, moves through the others, releases at the last.
drag() {
    xdotool mousemove $(cell "$1" "$2") sleep 0.05 mousedown 1 sleep 0.05
    shift 2
    while [ $# -ge 2 ]; do
        xdotool mousemove $(cell "$1" "$2") sleep 0.05
        shift 2
    done
    xdotool mouseup 1 sleep 0.1
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }

# A ring of lanes: row 2 and row 5 from column 2 to 6, joined at both ends.
key l
drag 2 2  3 2  4 2  5 2  6 2  6 3  6 4  6 5  5 5  4 5  3 5  2 5  2 4  2 3  2 2
# The player's car at the top left, a computer car at the bottom, both facing right.
key s
click 2 2
click 4 5
key ctrl+d
# One block over the whole course, and the path through it.
key b
drag 1 1  12 10
click 3 3
# The seven captions, in the course file's order, one a row on closed cells right of the ring.
key c
for place in "8 2" "8 4" "8 5" "8 6" "8 7" "8 8" "8 9"; do
    click $place
done
if [ -n "${BREVANTO_EDIT_SHOT:-}" ]; then
    sleep 0.5
    import -window root "$BREVANTO_EDIT_SHOT" 2>/dev/null || fail "no screenshot"
fi

# Save: the course is new, so the file dialog asks for a name.
key ctrl+s
wait_for_dialog 'Brevanto Course Editor' || fail "no save dialog appeared"
sleep 0.5
xdotool type --delay 20 "$work/game/RING.DAT"
key Return
wait_until 50 test -s "$work/game/RING.DAT" || fail "the course was not saved"
wait_until_closed "$dialog" || fail "the save dialog did not close"
focus_window "$window"
key ctrl+q
wait_for_end edit_pid "the editor (on Ctrl+Q after saving)"

course="$work/game/RING.DAT"
"$bin/brevanto-sim" info "$course" >"$work/info.json" 2>&1 || { cat "$course" >&2; fail "brevanto-sim info refused the course: $(cat "$work/info.json")"; }
"$bin/brevanto-sim" check "$course" >"$work/check.json" 2>&1 || { cat "$course" >&2; fail "brevanto-sim check found errors: $(cat "$work/check.json")"; }
grep -q '"errors":0,"warnings":0' "$work/check.json" || { cat "$course" >&2; fail "brevanto-sim check found something: $(cat "$work/check.json")"; }
"$bin/brevanto-sim" run "$course" --ticks 2000 >"$work/run.json" 2>&1 || fail "the course did not play: $(cat "$work/run.json")"

# The game loads the course from its settings and shows it.
sed -i 's/^MapName=.*/MapName=RING.DAT/' "$work/game/BREVANTO.INI"
start_game
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while playing the course"
xdotool search --onlyvisible --name '^Brevanto$' >/dev/null || fail "the game window went away"
echo "PASS: a course built in the editor from an empty map was saved, checked clean, played and shown by the game"
