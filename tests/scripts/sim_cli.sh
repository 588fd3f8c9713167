#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brevanto-sim from the outside: output shapes, determinism and exit statuses.
set -u
source "$(dirname "$0")/sim_test_lib.bash"
course="$bin/COURSE1.DAT"
json_ok() { python3 -c 'import json,sys; [json.loads(l) for l in open(sys.argv[1])]' "$1"; }

# info: one JSON line.
expect_status 0 "$sim" info "$course"
json_ok "$work/out" || fail "info printed no JSON"
grep -q '"speed_table":\[2,4,6,8,12,24\]' "$work/out" || fail "info: speed table"
expect_status 0 "$sim" info "$course" --tile-size 16
grep -q '"screen_width":400' "$work/out" || fail "info: tile size 16"

# Rejected courses: the error object with the course error number, status 2.
expect_status 2 "$sim" info "$work/none.DAT"
grep -q '^{"error":{"code":1,"message":"The course file cannot be found"}}$' "$work/out" ||
  fail "missing course: $(cat "$work/out")"
printf '[DEFINE]\nMapSize=2,1\nStartNumber=1\n[MAP]\n1=00\n[MAPDOT]\n1=O\n' >"$work/dots.DAT"
expect_status 2 "$sim" run "$work/dots.DAT"
grep -q '"code":3' "$work/out" || fail "bad dot rows: $(cat "$work/out")"

# run: 200 trace lines, the same bytes every time.
expect_status 0 "$sim" run "$course" --trace --ticks 200
[ "$(wc -l <"$work/out")" -eq 200 ] || fail "run --trace --ticks 200 printed $(wc -l <"$work/out") lines"
json_ok "$work/out" || fail "run printed no JSON"
cp "$work/out" "$work/first"
"$sim" run "$course" --trace --ticks 200 >"$work/second"
cmp -s "$work/first" "$work/second" || fail "two runs differ"
expect_status 0 "$sim" run "$course" --ticks 0
grep -q '^{"tick":0,' "$work/out" || fail "--ticks 0 prints tick 0"

# A game with a key script: the first key acts after the start wait.
printf '# turn and speed up\n61 LEFT\n61 z\n0 up\n9999 x\n' >"$work/keys"
expect_status 0 "$sim" run "$course" --game --ticks 61 --keys "$work/keys"
grep -q '"demo":false' "$work/out" || fail "--game is not a game"
grep -q '"speed_mode":1' "$work/out" || fail "key z did not act"

# A car that drives off an open edge: fatal, status 3, printed once.
printf '[DEFINE]\nMapSize=2,1\nStartNumber=1\n[MAP]\n1=00\n[MAPDOT]\n1=..\n[START]\nPos0=1,1,2,1\n' >"$work/edge.DAT"
expect_status 3 "$sim" run "$work/edge.DAT" --trace --ticks 100 --move-fast 5
[ "$(grep -c '"fatal":true' "$work/out")" -eq 1 ] || fail "fatal tick printed once"

# Usage errors.
expect_status 64 "$sim"
expect_status 64 "$sim" run
expect_status 64 "$sim" run "$course" "$course"
expect_status 64 "$sim" run "$course" --ticks -1
expect_status 64 "$sim" run "$course" --clock 86400000
expect_status 64 "$sim" run "$course" --tile-size 1
expect_status 64 "$sim" run "$course" --ticks ten
expect_status 64 "$sim" info "$course" --trace
expect_status 64 "$sim" run "$course" --interval
printf '5 sideways\n' >"$work/badkeys"
expect_status 64 "$sim" run "$course" --keys "$work/badkeys"
expect_status 64 "$sim" run "$course" --keys "$work/absent"

echo "sim_cli: $failures failure(s)"
[ "$failures" -eq 0 ]
