#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmark programs and a start-up probe of the real game under Xvfb, then prints
# one table of the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen

for bench in bench_tick bench_field bench_pursuit bench_replay; do
  "$bin/$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/$bench.json" --benchmark_out_format=json >/dev/null 2>&1
done
# name and median CPU time, in the largest unit that keeps it at 1 or more.
python3 - "$work"/bench_*.json >"$work/bench.txt" <<'PY'
import json, sys
scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
for path in sys.argv[1:]:
    for run in json.load(open(path))["benchmarks"]:
        if run.get("aggregate_name") == "median":
            ns = run["cpu_time"] * scale[run["time_unit"]]
            unit = next(u for u in ("s", "ms", "us", "ns") if ns >= scale[u] or u == "ns")
            print(run["run_name"], "%.3g" % (ns / scale[unit]), unit)
PY

# The real game: time to its first painted frame, memory after 10 s and CPU over 30 s of demo.
cp "$bin"/brevanto "$bin"/*.DAT "$bin"/*.BMP "$bin"/*.INI "$bin"/*.WAV "$work"/
# Xvfb takes a display no other server uses and reports it once it takes clients.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
start_ms=$(date +%s%3N)
BREVANTO_FIRST_FRAME_FILE="$work/first-frame" "$work/brevanto" >/dev/null 2>&1 &
game_pid=$!
for _ in $(seq 100); do [ -s "$work/first-frame" ] && break; sleep 0.05; done
first_frame=$(( $(cat "$work/first-frame" 2>/dev/null || echo "$start_ms") - start_ms ))
sleep 10
rss_kb=$(awk '/VmRSS/ {print $2}' /proc/$game_pid/status)
ticks_per_s=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' /proc/$game_pid/stat; }
before=$(cpu_ticks)
sleep 30
after=$(cpu_ticks)
cpu_percent=$(awk -v d=$((after - before)) -v hz="$ticks_per_s" 'BEGIN {printf "%.2f", 100 * d / hz / 30}')
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""

row() { printf '| %-46s | %14s | %-16s |\n' "$1" "$2" "$3"; }
cpu_of() { awk -v name="$1" '$1 == name {printf "%s %s", $2, $3}' "$work/bench.txt"; }
echo
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo
row "measure" "measured" "budget"
row "---" "---" "---"
row "rules tick, no drawing (4 computer cars)" "$(cpu_of RulesTickWithoutDrawing)" "< 0.5 us"
row "tick with incremental drawing (5 cars)" "$(cpu_of TickWithIncrementalDrawing)" "< 30 us"
row "incremental draws of the 5 cars alone" "$(cpu_of IncrementalDrawOfEveryCar)" ""
row "full repaint of COURSE1" "$(cpu_of FullRepaint)" "< 1.5 ms"
row "load COURSE1.DAT" "$(cpu_of LoadCourse1)" ""
row "BlockAt, 40 blocks (last block)" "$(cpu_of BlockAtLastBlock)" ""
row "pursuit decision, 40 blocks" "$(cpu_of PursuitDecision)" ""
row "process start to first painted frame" "${first_frame} ms" "< 250 ms"
row "resident memory after 10 s of demo" "$((rss_kb / 1024)) MB" "< 80 MB"
row "CPU of the running demo (30 s, 50 ms ticks)" "${cpu_percent} %" "< 1 % of a core"
