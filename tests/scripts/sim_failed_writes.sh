#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brevanto-sim never reports a failed write as success: standard output full or closed, a picture
# that cannot be written whole (the old one stays), FIFOs and endless files refused rather than
# waited on, and the caps on ticks and key scripts.
set -u
source "$(dirname "$0")/sim_test_lib.bash"
course="$bin/COURSE1.DAT"

# Standard output on a full device, or closed: status 74 and a message, for every subcommand.
for args in "info $course" "run $course --trace --ticks 3000" "check $course --ticks 100" "--version"; do
  # shellcheck disable=SC2086
  "$sim" $args >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 74 ] || fail "$args to /dev/full exited $status"
  grep -q "cannot write to standard output" "$work/err" || fail "$args to /dev/full: $(cat "$work/err")"
  # shellcheck disable=SC2086
  "$sim" $args >&- 2>"$work/err"
  status=$?
  [ "$status" -eq 74 ] || fail "$args with stdout closed exited $status"
done
# render prints nothing when it succeeds; with standard output closed its picture is still whole.
"$sim" render "$course" "$work/closed.png" >&- 2>/dev/null || fail "render with stdout closed"
python3 -c 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(d[:8]!=b"\x89PNG\r\n\x1a\n" or d[-8:-4]!=b"IEND")' \
  "$work/closed.png" || fail "render with stdout closed wrote no whole picture"

# A picture that cannot be written whole: the earlier one stays as it was, status 2, no copies left.
printf 'the earlier picture' >"$work/pic.png"
(trap '' XFSZ; ulimit -f 1; "$sim" render "$course" "$work/pic.png" >"$work/out" 2>"$work/err")
status=$?
[ "$status" -eq 2 ] || fail "render past the file size limit exited $status"
[ "$(cat "$work/pic.png")" = "the earlier picture" ] || fail "the earlier picture was damaged"
grep -q '"code":0,"message":"Cannot write the picture' "$work/out" || fail "no error object: $(cat "$work/out")"
[ -z "$(find "$work" -name '.pic.png.tmp-*')" ] || fail "a temporary copy was left beside the picture"
expect_status 0 "$sim" render "$course" "$work/pic.png"
[ "$(head -c 4 "$work/pic.png" | tail -c 3)" = "PNG" ] || fail "the picture was not replaced"

# FIFOs and devices are refused at once, as the game's own reader refuses them.
mkfifo "$work/fifo"
expect_status 2 timeout 20 "$sim" render "$course" "$work/fifo"
grep -q 'not a regular file' "$work/out" || fail "render into a FIFO: $(cat "$work/out")"
expect_status 64 timeout 20 "$sim" run "$course" --keys "$work/fifo"
grep -q 'not a regular file' "$work/err" || fail "--keys FIFO: $(cat "$work/err")"
expect_status 64 timeout 20 "$sim" run "$course" --keys /dev/zero

# The caps: a key script of 16 MiB at most, 100 000 000 ticks at most.
head -c $((16 * 1024 * 1024 + 1)) /dev/zero | tr '\0' '\n' >"$work/bigkeys"
expect_status 64 "$sim" run "$course" --keys "$work/bigkeys"
grep -q 'larger than 16 MiB' "$work/err" || fail "big key script: $(cat "$work/err")"
head -c $((16 * 1024 * 1024)) /dev/zero | tr '\0' '\n' >"$work/bigkeys"
expect_status 0 "$sim" run "$course" --keys "$work/bigkeys" --ticks 1
for command in run render check; do
  expect_status 64 "$sim" "$command" "$course" $([ "$command" = render ] && echo "$work/x.png") --ticks 100000001
  grep -q 'out of range (0..100000000)' "$work/err" || fail "$command --ticks cap: $(cat "$work/err")"
done

echo "sim_failed_writes: $failures failure(s)"
[ "$failures" -eq 0 ]
