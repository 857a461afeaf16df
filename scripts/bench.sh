#!/usr/bin/env bash
# Builds in release mode and prints every performance figure with its goal:
#   - the scheduler alone, sleeping and busy-polling
#   - making up ten minutes of ticks slept through (the window minimised while running)
#   - one tick against the plain per-droplet evaluation, and with Brownian motion
#   - drawing: marker placement with repaint, the voltmeter dial, a tick with its view refresh
#   - the program in-process (CPU share and simulated against wall time; busy-polling anchor)
#   - the built program driven with xdotool: running, idle before the first injection,
#     minimised, covered, with the notebook open; CPU share, wake-ups per second, start to
#     prompt, resident memory
# The machine should otherwise be idle; figures from a loaded machine run high.
#   scripts/bench.sh [SECONDS]     (measuring time of the whole-program runs, default 20)
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
seconds=${1:-20}
tessilar_install_packages
tessilar_build build-bench -DCMAKE_BUILD_TYPE=Release -DTESSILAR_BUILD_TESTS=OFF
bin=build-bench/bench

echo "== machine"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "== the scheduler alone at a 10 ms interval, 10 s"
QT_QPA_PLATFORM=offscreen "$bin/bench_scheduler_run" 10
QT_QPA_PLATFORM=offscreen "$bin/bench_scheduler_run" --busy 10
echo "-- the machine's own floor: a process doing nothing but waking every 11 ms"
"$bin/bench_scheduler_run" --bare 10

echo
echo "== ten minutes of ticks made up after a sleep, 100 droplets in a field"
QT_QPA_PLATFORM=offscreen "$bin/bench_catch_up" 10

echo
echo "== 3. the tick (100 active droplets), against the plain per-droplet evaluation"
"$bin/bench_model" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=console 2>/dev/null | tee /tmp/tessilar-bench-tick.txt | grep -E 'median|Benchmark'
awk '/_median/ {
  split($1, name, "/"); state = $NF; cpu = $4
  if (name[1] ~ /^SimulationTick/) fast[state] = cpu; else plain[state] = cpu
} END {
  for (s in fast) printf "goal >= 4x   %-9s SimulationTick %7.0f ns, plain %7.0f ns: %.1fx\n", s, fast[s], plain[s], plain[s] / fast[s]
}' /tmp/tessilar-bench-tick.txt

echo
echo "== 4. drawing (headless); goal: a tick with its view refresh under 1 ms"
QT_QPA_PLATFORM=offscreen "$bin/bench_view" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'median|Benchmark'

echo
echo "== 1 and 2. the whole program in a virtual X server, ${seconds} s"
source tests/app/x11.sh
start_xvfb
trap stop_xvfb EXIT
echo "-- the program in-process, the same droplets every run; sim/wall goal: 10/11 within 2 %"
"$bin/bench_program_run" "$seconds" 2>/dev/null
echo "-- busy-polling anchor (the classic design)"
"$bin/bench_program_run" --busy "$seconds" 2>/dev/null
stop_xvfb
trap - EXIT

echo
echo "== The built program itself, driven with xdotool in a virtual X server, ${seconds} s each"
echo "-- running (100 droplets injected, 500 V, stopwatch running); goals: cpu <= 1.0 %, wake-ups <= 68/s, start <= 150 ms"
scripts/measure-program.sh build-bench/bin/tessilar "$seconds" running
for scene in idle minimised covered; do
  echo "-- $scene; goals: cpu <= 0.6 %, at most 1 wake-up a second, simulated time 10/11 of wall time"
  scripts/measure-program.sh build-bench/bin/tessilar "$seconds" "$scene"
done
echo "-- the notebook window open with 50 rows and the histogram; goals: cpu <= 1.2 %, rss <= 50 MB"
scripts/measure-program.sh build-bench/bin/tessilar "$seconds" notebook
