#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long fuzzing: builds the libFuzzer targets (clang) and runs every one of them in turn for
# FUZZ_MINUTES minutes (default 10) over its corpus in tests/fuzz/corpus/NAME. What a run finds
# that reaches new code is merged back into that corpus, keeping only the smallest inputs that
# add coverage. Prints per target the inputs run, inputs per second (of wall time, and of the
# CPU time the target really got on a shared machine) and the coverage reached. A crash leaves
# its input under build-fuzz/findings/NAME/ with a one-line command that replays it.
# Every built fuzz_* program is a target, so a new tests/fuzz/fuzz_NAME.cmake joins by itself.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh || exit 1

minutes=${FUZZ_MINUTES:-10}
if ! [[ $minutes =~ ^[0-9]+$ ]] || [ "$minutes" -lt 1 ]; then
  echo "FUZZ_MINUTES must be a whole number of minutes, 1 or more (got '$minutes')" >&2
  exit 64
fi
# FUZZ_SECONDS, when set, overrides the minutes (for quick measurements).
seconds=${FUZZ_SECONDS:-$((minutes * 60))}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBREVANTO_FUZZ_ONLY=ON >/dev/null \
  && cmake --build build-fuzz -j"${JOBS:-2}" || exit 1

root=$PWD
runs=$root/build-fuzz/fuzz-runs
findings=$root/build-fuzz/findings
mkdir -p "$runs" "$findings"
export QT_QPA_PLATFORM=offscreen
# Throughput: no filling of fresh allocations, and a smaller quarantine of freed memory (still
# tens of thousands of blocks), so that fewer fresh pages are touched; every check stays on.
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=32}

# FUZZ_TARGETS="fuzz_bmp fuzz_ini" runs just those.
targets=()
for program in build-fuzz/bin/fuzz_*; do
  name=$(basename "$program")
  [ -x "$program" ] && [[ -z ${FUZZ_TARGETS:-} || " $FUZZ_TARGETS " == *" $name "* ]] && targets+=("$name")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets were built" >&2; exit 1; }

# The last value of "name: N" in a libFuzzer log.
last_figure() { grep -o "$1: *[0-9]*" "$2" | tail -n 1 | grep -o '[0-9]*$'; }

status=0
summary=()
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=$root/tests/fuzz/corpus/$name
  found=$runs/$name
  artifacts=$findings/$name
  log=$runs/$name.log
  rm -rf "$found" && mkdir -p "$found" "$corpus" "$artifacts"
  echo "=== $target: ${seconds} s over $(find "$corpus" -type f | wc -l) corpus inputs"

  touch "$runs/$name.start"
  TIMEFORMAT='%3U %3S'
  { time "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/" "$found" "$corpus" \
      >"$log" 2>&1; } 2>"$runs/$name.cpu"
  result=$?
  read -r user system <"$runs/$name.cpu"

  inputs=$(last_figure 'stat::number_of_executed_units' "$log")
  wall_rate=$(last_figure 'stat::average_exec_per_sec' "$log")
  coverage=$(last_figure 'cov' "$log")
  features=$(last_figure 'ft' "$log")
  cpu_rate=$(awk -v n="${inputs:-0}" -v u="$user" -v s="$system" \
    'BEGIN { t = u + s; printf "%d", (t > 0 ? n / t : 0) }')

  crashes=$(find "$artifacts" -type f -newer "$runs/$name.start")
  verdict=ok
  if [ "$result" -ne 0 ] || [ -n "$crashes" ]; then
    verdict=FOUND
    status=1
    tail -n 40 "$log"
    for input in $crashes; do
      echo "finding: $input"
      echo "  repro: QT_QPA_PLATFORM=offscreen build-fuzz/bin/$target $input"
    done
  fi

  # Merge: of what this run kept, only inputs that add coverage to the corpus go into it.
  before=$(find "$corpus" -type f | wc -l)
  "build-fuzz/bin/$target" -merge=1 -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    "$corpus" "$found" >"$runs/$name.merge.log" 2>&1 \
    || echo "merge of $target failed: see $runs/$name.merge.log"
  added=$(( $(find "$corpus" -type f | wc -l) - before ))

  line=$(printf '%-16s %10s inputs %7s/s wall %7s/s CPU  cov %6s  ft %7s  +%s corpus  %s' \
    "$target" "${inputs:-?}" "${wall_rate:-?}" "$cpu_rate" "${coverage:-?}" "${features:-?}" \
    "$added" "$verdict")
  echo "$line"
  summary+=("$line")
done

echo "=== fuzzing summary (${seconds} s per target; CPU rate = inputs / CPU seconds the target got)"
printf '%s\n' "${summary[@]}"
exit $status
