#!/usr/bin/env bash
# End to end, in a real X server: the identity prompt gates the program; after OK the main window
# shows the identifier in its title, the stopwatch runs, and the End menu ends the program with
# status 0. A second run answers the prompt with Esc: the program ends with status 0 and no main
# window ever appears.
#   e2e_start_and_end.sh PROGRAM
set -euo pipefail
program=${1:?program path}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11.sh"
start_x11_test

# Run 1: identifier, title, stopwatch, End.
open_main_window "$program" e2e-tanulo
main=$MAIN_WINDOW
title=$(xdotool getwindowname "$main")
[[ $title == "Tessilar-kísérlet   /   e2e-tanulo" ]] || fail "unexpected title '$title'"
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ $WIDTH == 800 && $HEIGHT == 600 ]] || fail "main window is ${WIDTH}x${HEIGHT}, not 800x600"
wx=$X
wy=$Y

# The stopwatch: Start/Reset sits in the stopwatch panel at (602, 88) + (12, 104) of the client
# area, whose top lies below the menu bar.
screen_shot "$work/before.png"
ctop=$(client_top_of "$work/before.png" $((wx + 2)) "$wy") || fail "no client area found"
xdotool mousemove $((wx + 602 + 12 + 37)) $((ctop + 88 + 104 + 12)) click 1
display_box="105x37+$((wx + 602 + 32))+$((ctop + 88 + 40))"
shown=""
for _ in $(seq 100); do
  sleep 0.2
  screen_shot "$work/a.png"
  # The pixels' own checksum: a PNG file's bytes change with its time stamp.
  now=$(convert "$work/a.png" -crop "$display_box" +repage -format '%#' info:)
  if [[ -z $shown ]]; then
    shown=$now
    continue
  fi
  [[ $now != "$shown" ]] && { running=yes; break; }
done
[[ ${running:-} == yes ]] || fail "the stopwatch display did not change after Start/Reset"

# End: the first item of the menu bar.
xdotool mousemove $((wx + 20)) $(((wy + ctop) / 2)) click 1
wait_exit "$APP_PID" 60 || fail "the program did not end after End"
APP_PID=""
[[ $EXIT_STATUS == 0 ]] || fail "exit status $EXIT_STATUS after End"

# Run 2: Esc at the prompt ends the program without a main window.
"$program" >"$work/run2.log" 2>&1 &
APP_PID=$!
prompt=$(wait_window_of "$APP_PID" 60) || fail "no identity prompt appeared (run 2)"
xdotool windowfocus --sync "$prompt"
xdotool key Escape
wait_exit "$APP_PID" 60 || fail "the program did not end after Esc"
APP_PID=""
[[ $EXIT_STATUS == 0 ]] || fail "exit status $EXIT_STATUS after Esc"
if xdotool search --name "   /   " >/dev/null 2>&1; then fail "a main window appeared after Esc"; fi
echo "PASS"
