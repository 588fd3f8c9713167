#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays from the outside: a game recorded by brevanto-sim run --record verifies (status 0),
# an edited claim does not (3), an unreadable file is refused (2), and a folder verifies file
# by file with a summary.
set -u
source "$(dirname "$0")/sim_test_lib.bash"
course="$bin/COURSE1.DAT"
json_field() { python3 -c 'import json,sys; print(json.loads(open(sys.argv[1]).readline())[sys.argv[2]])' "$@"; }

printf '70 left\n130 z\n200 up\n260 right\n300 x\n340 x\n420 down\n' >"$work/keys"
expect_status 0 "$sim" run "$course" --game --max-car 2 --keys "$work/keys" --ticks 20000 \
  --clock 4242 --record "$work/game.replay"
[ -s "$work/game.replay" ] || fail "no replay written: $(cat "$work/err")"
grep -q '^Ticks=' "$work/game.replay" || fail "the replay claims no ticks"

expect_status 0 "$sim" verify "$work/game.replay"
[ "$(json_field "$work/out" match)" = True ] || fail "verify: $(cat "$work/out")"
claimed=$(sed -n 's/^Score=//p' "$work/game.replay")
[ "$(json_field "$work/out" score)" = "$claimed" ] || fail "verify score differs: $(cat "$work/out")"

# The claimed score edited: the game still plays, the claim fails.
sed 's/^Score=.*/Score=999990/' "$work/game.replay" >"$work/edited.replay"
expect_status 3 "$sim" verify "$work/edited.replay"
[ "$(json_field "$work/out" match)" = False ] || fail "edited claim matched: $(cat "$work/out")"
[ "$(json_field "$work/out" score)" = "$claimed" ] || fail "edited: real score $(cat "$work/out")"

# Unreadable: a missing file, a cut one, a course with other bytes.
expect_status 2 "$sim" verify "$work/none.replay"
grep -q '"error":{"code":2' "$work/out" || fail "missing replay: $(cat "$work/out")"
head -c 300 "$work/game.replay" >"$work/cut.replay"
expect_status 2 "$sim" verify "$work/cut.replay"
{ cat "$course"; echo "; edited"; } >"$work/OTHER.DAT"
expect_status 2 "$sim" verify "$work/game.replay" --course "$work/OTHER.DAT"
grep -q 'another course' "$work/out" || fail "other course: $(cat "$work/out")"

# A folder: one line per replay, then the summary; the worst status wins.
mkdir "$work/dir"
cp "$work/game.replay" "$work/dir/a.replay"
expect_status 0 "$sim" verify --dir "$work/dir"
grep -q '"summary":{"files":1,"matched":1,"mismatched":0,"unreadable":0}' "$work/out" ||
  fail "dir summary: $(cat "$work/out")"
cp "$work/edited.replay" "$work/dir/b.replay"
cp "$work/cut.replay" "$work/dir/c.replay"
expect_status 3 "$sim" verify --dir "$work/dir"
[ "$(wc -l <"$work/out")" -eq 4 ] || fail "dir lines: $(cat "$work/out")"
grep -q '"summary":{"files":3,"matched":1,"mismatched":1,"unreadable":1}' "$work/out" ||
  fail "dir summary: $(cat "$work/out")"

expect_status 64 "$sim" verify
expect_status 64 "$sim" verify "$work/game.replay" --dir "$work/dir"
expect_status 64 "$sim" run "$course" --record "$work/x.replay"

[ "$failures" -eq 0 ] || exit 1
echo "sim_replay: all checks passed"
