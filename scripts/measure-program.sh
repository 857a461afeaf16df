#!/usr/bin/env bash
# Measures the running program in a virtual X server as a student uses it: identity entered,
# 100 droplets injected, the supply on at 500 V, the stopwatch running. Prints the process's
# CPU share over the measuring time, its resident memory, and the time from start to the
# identity prompt on screen.
#   scripts/measure-program.sh [PROGRAM] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/tessilar}
seconds=${2:-20}
source "$root/tests/app/x11.sh"
start_xvfb
trap stop_xvfb EXIT

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

t0=$(date +%s%N)
"$program" >/dev/null 2>&1 &
APP_PID=$!
# Polled every few milliseconds: xdotool's own --sync waits in half-second steps.
prompt=""
for _ in $(seq 20000); do
  prompt=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1 || true)
  [[ -n $prompt ]] && break
  sleep 0.003
done
t1=$(date +%s%N)
[[ -n $prompt ]] || fail "no identity prompt appeared"
xdotool windowfocus --sync "$prompt"
xdotool type --delay 20 "measure"
xdotool key Return
main=$(wait_window_named "/   measure" 60) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$main")"
screen_shot /tmp/tessilar-measure.png
ctop=$(client_top_of /tmp/tessilar-measure.png $((X + 2)) "$Y")
click() { xdotool mousemove $((X + $1)) $((ctop + $2)) click 1; }
click $((601 + 24 + 60)) $((24 + 16 + 12))            # injection
xdotool mousemove $((X + 602 + 72 + 30)) $((ctop + 240 + 8 + 10)) click --repeat 3 1
xdotool type --delay 20 "500"                          # voltage field
click $((602 + 104 + 24)) $((240 + 152 + 12))          # supply on
click $((602 + 12 + 37)) $((88 + 104 + 12))            # stopwatch Start/Reset
sleep 1

c0=$(cpu_ticks "$APP_PID")
w0=$(date +%s%N)
sleep "$seconds"
c1=$(cpu_ticks "$APP_PID")
w1=$(date +%s%N)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$APP_PID/status")
awk -v c="$((c1 - c0))" -v hz="$ticks" -v w="$((w1 - w0))" -v rss="$rss" \
    -v start="$((t1 - t0))" 'BEGIN {
  printf "cpu_percent %.2f\n", 100 * (c / hz) / (w / 1e9);
  printf "rss_mb %.1f\n", rss / 1024;
  printf "start_to_prompt_ms %.0f\n", start / 1e6;
}'
