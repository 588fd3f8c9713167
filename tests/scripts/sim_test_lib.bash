# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the brevanto-sim script tests: a scratch folder, failure counting and status checks.
# Sourced with the bin folder in $1; sets bin, sim, work and failures.
bin=$(cd "$1" && pwd)
sim="$bin/brevanto-sim"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() { # expected, command...
  local expected=$1; shift
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$* exited $status, expected $expected"
}
