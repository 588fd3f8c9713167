#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The course author's quickest task, counted: a ring lane of 10 x 8 cells with dots and one
# computer car, the captions placed, saved, with no finding, in 22 inputs or fewer (each key
# chord and each click or drag of the mouse is one input). Drives the real editor on a virtual
# X server and checks the saved course with brevanto-sim. Usage: e2e_editor_ring.sh BIN_DIR
# Set BREVANTO_EDIT_SHOT=path to keep a screenshot of the editor with the finished course.
set -uo pipefail

bin=${1:?usage: e2e_editor_ring.sh BIN_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11.sh"
[ -x "$bin/brevanto-sim" ] || fail "no brevanto-sim in $bin"
copy_game "$bin" brevanto-edit
start_xvfb 1280x900
start_window_manager
export LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$work/save"

(cd "$work/save" && BREVANTO_EDIT_VIEW_FILE="$work/view" exec "$work/game/brevanto-edit") >"$work/edit.log" 2>&1 &
edit_pid=$!
wait_for_window "$edit_pid" 'Brevanto Course Editor' "the editor"
wait_until 50 test -s "$work/view" || fail "the editor did not report its view"
focus_window "$window"

keys=0
mouse=0
steps=()
cell() {
    read -r view_x view_y zoom tile <"$work/view"
    echo $(( view_x + ((($1 - 1) * tile) + tile / 2) * zoom )) $(( view_y + ((($2 - 1) * tile) + tile / 2) * zoom ))
}
key() { xdotool key --clearmodifiers "$1"; sleep 0.3; keys=$((keys + 1)); steps+=("key $1"); }
click() { xdotool mousemove $(cell "$1" "$2") sleep 0.1 click 1 sleep 0.2; mouse=$((mouse + 1)); steps+=("click $1,$2"); }

# 1-2. A new course: the dialog's defaults (12 x 10, room for the captions) with Enter.
key ctrl+n
wait_for_dialog 'New Course' || fail "no New Course dialog"
key Return
wait_until_closed "$dialog" || fail "the New Course dialog did not close"
focus_window "$window"
sleep 0.6 # the view is zoomed to fit and reports where it is
# 3-4. Shift held, one drag from corner to corner: the ring (the Lane tool is chosen already).
xdotool keydown shift mousemove $(cell 2 2) sleep 0.1 mousedown 1 sleep 0.1 mousemove $(cell 7 5) sleep 0.1 \
    mousemove $(cell 11 9) sleep 0.1 mouseup 1 sleep 0.1 keyup shift
sleep 0.3
keys=$((keys + 1)); mouse=$((mouse + 1)); steps+=("shift + drag 2,2 to 11,9")
# 5-7. The Start tool, the player's car, a computer car (it drives at random: no blocks).
key s
click 2 2
click 11 9
# 8. The dots on every cell the player's car reaches.
key ctrl+d
if [ -n "${BREVANTO_EDIT_SHOT:-}" ]; then
    sleep 1
    import -window root "$BREVANTO_EDIT_SHOT" 2>/dev/null || fail "no screenshot"
fi
# 9-10. Save: the file dialog suggests COURSE.DAT in the current folder; Enter takes it.
key ctrl+s
wait_for_dialog 'Brevanto Course Editor' || fail "no save dialog appeared"
sleep 0.5
key Return
wait_until 50 test -s "$work/save/COURSE.DAT" || fail "the course was not saved"

total=$((keys + mouse))
echo "inputs: $total ($keys keys, $mouse mouse actions): ${steps[*]}"
[ "$total" -le 22 ] || fail "the task took $total inputs, more than 22"
course="$work/save/COURSE.DAT"
"$bin/brevanto-sim" check "$course" >"$work/check.json" 2>&1 || { cat "$course" >&2; fail "brevanto-sim check found errors: $(cat "$work/check.json")"; }
grep -q '"errors":0,"warnings":0' "$work/check.json" || { cat "$course" >&2; fail "brevanto-sim check found something: $(cat "$work/check.json")"; }
grep -q '^StartNumber=2' "$course" || fail "the course does not have the two cars"
grep -q '^RestPlay=' "$course" || fail "the captions were not placed"
echo "PASS: a ring lane with dots, a computer car and the captions, saved clean in $total inputs"
