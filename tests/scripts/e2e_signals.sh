#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A session that ends the game by a signal loses nothing: SIGTERM, SIGHUP and SIGINT end it as
# File > Exit does, with status 0 and the settings saved, also while one of its dialogs is open.
# Usage: e2e_signals.sh BIN_DIR
set -uo pipefail

bin=${1:?usage: e2e_signals.sh BIN_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11.sh"
copy_game "$bin"
start_xvfb
settings="$work/game/BREVANTO.INI"

# The shipped settings hold no position: a save at shut-down writes the window's.
for signal in TERM HUP INT; do
    sed -i '/^Position=/d' "$settings"
    start_game
    if [ "$signal" = HUP ]; then
        # With the settings dialog open: it closes as Escape would, then the game ends.
        xdotool key --clearmodifiers alt+o
        sleep 0.3
        xdotool key s
        wait_for_dialog fSetting || fail "the settings dialog did not open"
    fi
    kill -s "$signal" "$game_pid"
    wait_for_end game_pid "the game (on SIG$signal)"
    grep -q '^Position=' "$settings" || fail "SIG$signal: the settings were not saved"
    grep -q '^MapName=COURSE1.DAT' "$settings" || fail "SIG$signal: the settings lost their course"
done
echo "PASS: SIGTERM, SIGHUP (over a dialog) and SIGINT end the game with its settings saved"
