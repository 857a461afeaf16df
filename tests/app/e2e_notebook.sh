#!/usr/bin/env bash
# End to end, in a real X server: a droplet clicked in the microscope turns red; F5 starts the
# stopwatch, F6 stops it, F8 records the reading; the row, with the droplet's number, is in the
# identifier's notebook file at once.
#   e2e_notebook.sh PROGRAM
set -euo pipefail
program=${1:?program path}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11.sh"
start_x11_test
export XDG_DATA_HOME=$work/data
notebook=$XDG_DATA_HOME/tessilar/notebooks/e2e-notebook.csv

open_main_window "$program" e2e-notebook
main=$MAIN_WINDOW
eval "$(xdotool getwindowgeometry --shell "$main")"
wx=$X
wy=$Y
screen_shot "$work/before.png"
ctop=$(client_top_of "$work/before.png" $((wx + 2)) "$wy") || fail "no client area found"

# 500 V reversed keeps many charged droplets in view: the voltage field, On and Reverse in the
# supply panel at (602, 240) of the client area.
xdotool mousemove $((wx + 602 + 72 + 32)) $((ctop + 240 + 8 + 10)) click 1
xdotool windowfocus --sync "$main"
xdotool key ctrl+a type 500
xdotool mousemove $((wx + 602 + 104 + 24)) $((ctop + 240 + 152 + 12)) click 1
xdotool mousemove $((wx + 602 + 8 + 44)) $((ctop + 240 + 152 + 12)) click 1
# Inject (the injection button at (601, 24) + (24, 16)), let the spray's drift die down, and
# follow a droplet.
xdotool mousemove $((wx + 601 + 24 + 60)) $((ctop + 24 + 16 + 12)) click 1
sleep 2
screen_shot "$work/injected.png"
python3 "$here/follow_droplet.py" $((wx + 8)) $((ctop + 24)) || fail "no droplet could be followed"

xdotool windowfocus --sync "$main"
xdotool key F5
sleep 1.5
xdotool key F6
xdotool key F8
for _ in $(seq 100); do
  [[ -s $notebook ]] && break
  sleep 0.1
done
[[ -s $notebook ]] || fail "no notebook file at $notebook"
cat "$notebook"
header=$(sed -n 1p "$notebook" | tr -d '\r')
[[ $header == "droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa" ]] ||
  fail "unexpected header: $header"
row=$(sed -n 2p "$notebook" | tr -d '\r')
IFS=, read -r droplet ticks distance time direction volts celsius rest <<<"$row"
[[ $droplet =~ ^[0-9]+$ && $droplet -ge 1 && $droplet -le 100 ]] || fail "the row names no droplet: $row"
[[ $ticks == 30 && $distance == 300 && $direction == rise && $volts == -500 && $celsius == 20.00 ]] ||
  fail "unexpected row: $row"
awk -v t="$time" 'BEGIN { exit !(t >= 0.5 && t <= 3) }' || fail "the time $time is no reading of about a second"
echo "PASS"
