#!/usr/bin/env bash
# Measures the running program in a virtual X server as a student uses it: identity entered,
# 100 droplets injected, the supply on at 500 V, the stopwatch running. Prints the process's
# CPU share over the measuring time, its resident memory, and the time from start to the
# identity prompt on screen.
#   scripts/measure-program.sh [PROGRAM] [SECONDS] [SCENE]
# SCENE is one of
#   running    the scenario above (the default)
#   idle       before the first injection: the window open, nothing changing in it
#   minimised  the scenario, with the window then minimised (unmapped, as a window manager does)
#   covered    the scenario, with the window then fully covered by another window
#   covered-caret  the same, with the focus (and its blinking caret) left in the voltage field
#   notebook   the scenario, with the notebook window open showing 50 rows and the histogram
# With PROFILE=FILE set, Debian's linux-perf samples the program over the measuring time into
# FILE (perf report -i FILE shows where the time goes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/tessilar}
seconds=${2:-20}
scene=${3:-running}
source "$root/tests/app/x11.sh"
work=$(mktemp -d)
start_xvfb
trap 'stop_xvfb; rm -rf "$work"' EXIT

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Context switches of each thread of the process so far, one "thread-id name count" a line.
thread_switches() {
  local status
  for status in /proc/"$1"/task/*/status; do
    awk -v id="${status//[^0-9]/}" '/^Name:/ {name = $2}
      /^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2}
      END {if (name != "") print id, name, n}' "$status" 2>/dev/null || true
  done
}

# The notebook scene's 50 rows: 25 droplets, each timed falling and then sinking in the field.
export XDG_DATA_HOME=$work/data
if [[ $scene == notebook ]]; then
  mkdir -p "$XDG_DATA_HOME/tessilar/notebooks"
  {
    echo "droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C"
    for i in $(seq 25); do
      echo "$i,30,300,$((40 + i % 7)).$((i % 10)),fall,0,20.00,,,"
      echo "$i,30,300,$((9 + i % 5)).$((i % 10)),rise,-$((400 + 20 * (i % 9))),20.00,,,"
    done
  } >"$XDG_DATA_HOME/tessilar/notebooks/measure.csv"
fi

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
screen_shot "$work/main.png"
ctop=$(client_top_of "$work/main.png" $((X + 2)) "$Y")
click() { xdotool mousemove $((X + $1)) $((ctop + $2)) click 1; }
if [[ $scene != idle ]]; then
  click $((601 + 24 + 60)) $((24 + 16 + 12))            # injection
  xdotool mousemove $((X + 602 + 72 + 30)) $((ctop + 240 + 8 + 10)) click --repeat 3 1
  xdotool type --delay 20 "500"                          # voltage field
  click $((602 + 104 + 24)) $((240 + 152 + 12))          # supply on
  click $((602 + 12 + 37)) $((88 + 104 + 12))            # stopwatch Start/Reset
  started=$(date +%s%N)
fi
if [[ $scene == covered-caret ]]; then
  xdotool mousemove $((X + 602 + 72 + 30)) $((ctop + 240 + 8 + 10)) click 1
fi
case $scene in
  minimised) xdotool windowunmap "$main" ;;
  covered | covered-caret)
    xmessage -geometry 1280x900+0+0 "covering the program" &
    cover=$!
    ;;
  notebook)
    xdotool windowfocus --sync "$main"
    xdotool key F7
    wait_window_named "/   measure" 60 >/dev/null
    ;;
esac
sleep 1

c0=$(cpu_ticks "$APP_PID")
thread_switches "$APP_PID" >"$work/switches0"
w0=$(date +%s%N)
if [[ -n ${PROFILE:-} ]]; then
  perf record -e cpu-clock -F 997 --call-graph dwarf,16384 -p "$APP_PID" -o "$PROFILE" -- sleep "$seconds" 2>/dev/null
else
  sleep "$seconds"
fi
c1=$(cpu_ticks "$APP_PID")
thread_switches "$APP_PID" >"$work/switches1"
w1=$(date +%s%N)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$APP_PID/status")
# Per thread (a thread that ended meanwhile counts until its last reading).
awk -v w="$((w1 - w0))" 'NR == FNR {before[$1] = $3; next}
  {n = $3 - before[$1]; total += n; by[$2] += n}
  END {
    printf "wakeups_per_s %.1f\n", total / (w / 1e9);
    for (name in by) printf "  thread %s %.1f/s\n", name, by[name] / (w / 1e9);
  }' "$work/switches0" "$work/switches1" | sort -k1,1r -k2 >"$work/wakeups"

echo "scene $scene"
# Simulated time against wall time, read off the stopwatch the way a student does: stopped with
# F6 and recorded in the notebook with F8.
if [[ $scene == minimised || $scene == covered* ]]; then
  [[ $scene == minimised ]] && xdotool windowmap --sync "$main"
  [[ $scene == covered* ]] && kill "$cover"
  xdotool windowfocus --sync "$main"
  xdotool key F6
  stopped=$(date +%s%N)
  xdotool key F8
  notebook=$XDG_DATA_HOME/tessilar/notebooks/measure.csv
  for _ in $(seq 100); do [[ -s $notebook ]] && break; sleep 0.1; done
  reading=$(tail -n 1 "$notebook" | cut -d, -f4)
  awk -v r="$reading" -v w="$((stopped - started))" 'BEGIN {
    printf "sim_per_wall %.4f (10/11 = 0.9091)\n", r / (w / 1e9) }'
fi
awk -v c="$((c1 - c0))" -v hz="$ticks" -v w="$((w1 - w0))" -v rss="$rss" \
    -v start="$((t1 - t0))" 'BEGIN {
  printf "cpu_percent %.2f\n", 100 * (c / hz) / (w / 1e9);
  printf "rss_mb %.1f\n", rss / 1024;
  printf "start_to_prompt_ms %.0f\n", start / 1e6;
}'
cat "$work/wakeups"
