#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: installs the build into a scratch DESTDIR, checks the layout, the desktop
# entry, the AppStream file, the man pages and the command line, then makes the whole tree
# read-only and plays it under Xvfb with a fresh home: the settings land in the per-user file
# (copied from the shipped one), the installed tree stays the same byte for byte, and the next
# start reads the per-user values. Usage: install_tree.sh BIN_DIR
set -uo pipefail

bin=${1:?usage: install_tree.sh BIN_DIR}
build=$(cd "$bin/.." && pwd)
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$(dirname "${BASH_SOURCE[0]}")/lib/x11.sh"
need_tools desktop-file-validate appstreamcli identify

# Installed for /usr, but run from wherever DESTDIR put it: the data is found relative to the
# executable.
DESTDIR="$work/dest" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "install failed: $(cat "$work/install.log")"
tree="$work/dest/usr"
data="$tree/share/brevanto"
# The programs' folder under the prefix: bin/ unless the build was asked for another.
program_dir=$(sed -n 's/^BREVANTO_PROGRAM_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
programs="$tree/${program_dir:-bin}"

# --- Layout -------------------------------------------------------------------------------
for program in brevanto brevanto-sim; do
    [ -x "$programs/$program" ] || fail "${program_dir:-bin}/$program not installed"
done
for shipped in "$source_root"/assets/*.DAT "$source_root"/assets/*.BMP "$source_root"/assets/*.INI \
    "$source_root"/assets/*.WAV; do
    cmp -s "$shipped" "$data/$(basename "$shipped")" || fail "share/brevanto/$(basename "$shipped") missing or different"
done
for size in 16 32 48 64 128 256; do
    icon="$tree/share/icons/hicolor/${size}x${size}/apps/brevanto.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "icon $icon is not ${size}x${size}"
done
[ -f "$tree/share/icons/hicolor/scalable/apps/brevanto.svg" ] || fail "no scalable icon"
for page in "$source_root"/dist/man/*.[1-9]; do
    name=$(basename "$page")
    zcat "$tree/share/man/man${name##*.}/$name.gz" 2>/dev/null | cmp -s - "$page" ||
        fail "man page $name not installed, compressed, in man${name##*.}"
done
cmp -s "$source_root/dist/copyright" "$tree/share/doc/brevanto/copyright" || fail "no copyright file in share/doc/brevanto"
zcat "$tree/share/doc/brevanto/changelog.gz" 2>/dev/null | grep -q "^brevanto (" || fail "no changelog.gz in share/doc/brevanto"

# --- Desktop entry and AppStream file -----------------------------------------------------
for entry in "$source_root"/dist/*.desktop.in; do
    installed="$tree/share/applications/$(basename "$entry" .in)"
    [ -f "$installed" ] || fail "$(basename "$entry" .in) not installed"
    desktop-file-validate "$installed" || fail "desktop-file-validate refused $(basename "$entry" .in)"
done
desktop="$tree/share/applications/brevanto.desktop"
grep -qx 'Categories=Game;ArcadeGame;' "$desktop" || fail "the desktop entry's categories"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$programs/$exec_program" ] || fail "the desktop entry runs '$exec_program', which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$tree/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "the desktop entry's icon '$icon_name' is not installed"
metainfo=("$tree"/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo installed"
# The whole tree, so that the metainfo's launchable is held against the installed desktop entry;
# a warning fails as an error does.
appstreamcli validate-tree --no-net "$work/dest" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli refused the installed tree: $(cat "$work/appstream.log")"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "${metainfo[@]}" || fail "the metainfo's licence"

# --- Command line: one version everywhere, help and version without a display --------------
version=$(sed -n 's/^project(Brevanto VERSION \([0-9.]*\).*/\1/p' "$source_root/CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
[ "$(env -u DISPLAY "$programs/brevanto" --version)" = "brevanto $version" ] || fail "brevanto --version"
[ "$("$programs/brevanto-sim" --version)" = "brevanto-sim $version" ] || fail "brevanto-sim --version"
grep -q "<release version=\"$version\"" "${metainfo[@]}" || fail "the metainfo has no release $version"
for page in "$source_root"/dist/man/brevanto.6 "$source_root"/dist/man/brevanto-sim.1; do
    grep -q "^\.TH .*\"Brevanto $version\"" "$page" || fail "$(basename "$page") is not the page of version $version"
done
env -u DISPLAY "$programs/brevanto" --help >"$work/help" 2>&1 || fail "brevanto --help failed"
grep -q 'COURSE.DAT' "$work/help" || fail "brevanto --help does not mention the course argument"
QT_QPA_PLATFORM=offscreen "$programs/brevanto" --no-such-option >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "an unknown option does not end with status 2"
grep -q "no-such-option" "$work/err" || fail "an unknown option is not named"
QT_QPA_PLATFORM=offscreen "$programs/brevanto" "$data/COURSE1.DAT" "$data/COURSE2.DAT" >/dev/null 2>&1
[ $? -eq 2 ] || fail "two course files do not end with status 2"

# The installed simulator finds the sheets and texts in share/brevanto/ too.
QT_QPA_PLATFORM=offscreen "$programs/brevanto-sim" render "$data/COURSE1.DAT" "$work/field.png" >"$work/sim.log" 2>&1 ||
    fail "the installed brevanto-sim cannot render: $(cat "$work/sim.log")"

# --- Read-only installed tree, fresh home ----------------------------------------------------
chmod -R a-w "$work/dest"
snapshot() {
    (cd "$work/dest" && find . -printf '%y %m %s %p\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
snapshot >"$work/tree.before"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset XDG_CONFIG_HOME XDG_DATA_HOME
user_ini="$HOME/.config/brevanto/BREVANTO.INI"
setting() { sed -n "s/^$1=//p" "$user_ini" | tr -d '\r'; }

# A course where the computer car comes head-on down the player's lane: the player eats a dot,
# then loses all three cars within seconds, which ends the game with a new hi-score. Named on the
# command line, it also becomes the course the settings remember.
printf '%s\n' '[DEFINE]' 'MapSize=3,3' 'StartNumber=2' '[MAP]' '1=953' '2=AFA' '3=C56' \
    '[MAPDOT]' '1=OOO' '2=O.O' '3=OOO' '[START]' 'Pos0=1,1,2,1,L,P' 'Pos1=3,1,6,1,L,P' >"$work/HEADON.DAT"
start_xvfb
start_game "$programs/brevanto" "$work/HEADON.DAT"
xdotool key --clearmodifiers alt+f # File > New
sleep 0.3
xdotool key --clearmodifiers n
# The game that ends earns the course's first hi-score place: Enter keeps the name offered.
wait_for_dialog '^New Hi-Score$' 300 || fail "no hi-score name dialog within 30 seconds of starting a game"
focus_window "$dialog"
xdotool key --clearmodifiers Return
wait_until_closed "$dialog" || fail "the hi-score name dialog did not close on Enter"
# The table then opens with the new entry marked; Escape closes it.
wait_for_dialog '^Hi-Scores$' 50 || fail "the hi-score table did not open after the name"
focus_window "$dialog"
xdotool key --clearmodifiers Escape
wait_until_closed "$dialog" || fail "the hi-score table did not close on Escape"
quit_game
[ -f "$user_ini" ] || fail "no per-user settings file after the first run"
grep -q '^1=[1-9]' "$HOME/.local/share/brevanto/HISCORES.INI" 2>/dev/null ||
    fail "no hi-score table entry in the per-user data folder"
hiscore=$(setting HiScore)
[ "${hiscore:-0}" -gt 0 ] 2>/dev/null || fail "no hi-score stored (HiScore='$hiscore'): $(cat "$user_ini")"
grep -q '^Position=' "$user_ini" || fail "the window position was not stored"
[ "$(setting MapName)" = "$work/HEADON.DAT" ] || fail "the course argument did not become MapName: $(setting MapName)"
# The per-user file started as a copy of the shipped one: every other line is still there.
grep -v -e '^MapName=' -e '^HiScore=' -e '^Position=' "$data/BREVANTO.INI" | while IFS= read -r line; do
    grep -qxF "$line" "$user_ini" || fail "the shipped line '$line' is missing from the per-user file"
done || exit 1
snapshot | cmp -s - "$work/tree.before" || fail "the installed tree changed"

# A second start reads the per-user values: it opens where they say and leaves them as they are.
sed -i 's/^Position=.*/Position=37,41/' "$user_ini"
cp "$user_ini" "$work/user.before"
start_game "$programs/brevanto"
at_stored_position() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X,$Y" = "37,41" ]
}
wait_until 20 at_stored_position || fail "the second start did not open at the stored position ($X,$Y)"
quit_game
cmp -s "$user_ini" "$work/user.before" || fail "a run that changed nothing rewrote the per-user file"

# A shipped course named on the command line is remembered by its bare name.
start_game "$programs/brevanto" "$data/COURSE2.DAT"
quit_game
[ "$(setting MapName)" = "COURSE2.DAT" ] || fail "MapName after playing COURSE2.DAT: $(setting MapName)"
[ "$(setting HiScore)" = "$hiscore" ] || fail "the hi-score was lost"
snapshot | cmp -s - "$work/tree.before" || fail "the installed tree changed"

echo "PASS: installed tree complete and valid, read-only install played with settings per user (hi-score $hiscore)"
