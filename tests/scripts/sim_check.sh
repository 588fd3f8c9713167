#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brevanto-sim check from the outside: shipped courses clean, faults found with status 5, the
# demo soak's repro command really replays the fault, refusals and usage errors as for info.
set -u
source "$(dirname "$0")/sim_test_lib.bash"

# Every shipped course beside the program: only the summary, status 0.
shipped=0
for course in "$bin"/*.DAT; do
  shipped=$((shipped + 1))
  expect_status 0 "$sim" check "$course"
  [ "$(cat "$work/out")" = '{"summary":{"errors":0,"warnings":0}}' ] ||
    fail "$(basename "$course"): $(head -c 400 "$work/out")"
done
[ "$shipped" -ge 10 ] || fail "only $shipped shipped courses beside the program"

# A ring whose bottom-right corner is open to the south: errors, status 5, valid JSON lines.
printf '[DEFINE]\nMapSize=3,3\nStartNumber=1\nScreenSize=20,8\n[MAP]\n1=953\n2=AFA\n3=C52\n[MAPDOT]\n1=...\n2=...\n3=...\n[START]\nPos0=1,1,2,1,L,P\n[DISPLAY]\nProgram=1,5\nScore=1,6\nPoint=1,7\nHiScore=6,6\nHiPoint=6,7\nRest=12,6\nRestPlay=12,7\n' >"$work/leak course.DAT"
expect_status 5 "$sim" check "$work/leak course.DAT"
python3 - "$work/out" <<'PY' || fail "leak: $(cat "$work/out")"
import json, sys
lines = [json.loads(l) for l in open(sys.argv[1])]
codes = [l.get("code") for l in lines[:-1]]
assert "car-leaves-course" in codes and "demo-fatal" in codes, codes
leak = lines[codes.index("car-leaves-course")]
assert leak["level"] == "error" and leak["cell"] == [3, 3] and leak["entry"] == 0, leak
assert leak["route"][0] == [1, 1] and leak["route"][-1] == [3, 3], leak
assert lines[-1] == {"summary": {"errors": len(codes), "warnings": 0}}, lines[-1]
PY
# The soak's repro command replays the fault at the tick it names, also at the tile size the
# check ran at (the cars take another number of ticks a cell there).
replay_repro() { # extra check arguments...
  expect_status 5 "$sim" check "$work/leak course.DAT" "$@"
  local repro tick status
  repro=$(python3 -c 'import json,sys; print([json.loads(l) for l in open(sys.argv[1]) if "repro" in l][0]["repro"])' "$work/out")
  tick=$(python3 -c 'import json,sys; print([json.loads(l) for l in open(sys.argv[1]) if "repro" in l][0]["tick"])' "$work/out")
  (cd "$work" && eval "\"$sim\" ${repro#brevanto-sim }") >"$work/replay"
  status=$?
  [ "$status" -eq 3 ] || fail "repro '$repro' exited $status, expected 3"
  grep -q "^{\"tick\":$tick,.*\"fatal\":true" "$work/replay" || fail "repro '$repro' did not end at tick $tick"
}
replay_repro
replay_repro --tile-size 16
# No soak: the reachability still finds the leak, the demo is not played.
expect_status 5 "$sim" check "$work/leak course.DAT" --ticks 0
grep -q demo-fatal "$work/out" && fail "--ticks 0 still played the demo"

# A refused course: the same error object as info, status 2.
expect_status 2 "$sim" info "$work/none.DAT"
cp "$work/out" "$work/info"
expect_status 2 "$sim" check "$work/none.DAT"
cmp -s "$work/out" "$work/info" || fail "check and info refuse differently: $(cat "$work/out")"

# Usage errors.
expect_status 64 "$sim" check
expect_status 64 "$sim" check "$bin/COURSE1.DAT" --trace
expect_status 64 "$sim" check "$bin/COURSE1.DAT" --ticks -1
expect_status 64 "$sim" check "$bin/COURSE1.DAT" --tile-size 1

echo "sim_check: $failures failure(s)"
[ "$failures" -eq 0 ]
