#!/usr/bin/env bash
# High-DPI scaling, in a real X server large enough for a doubled window: with QT_SCALE_FACTOR=2
# the main window is 1600 x 1200 device pixels after the identity prompt, and its content is the
# 1x window drawn at twice the size (the doubled window, halved, matches the 1x window: pictures,
# dial and panels scaled and in place). The End menu, hit at doubled coordinates, ends the program.
#   hidpi_test.sh PROGRAM
# SCREENSHOT=path keeps the doubled run's screen.
set -euo pipefail
program=${1:?program path}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11.sh"
work=$(mktemp -d)
echo "logs in $work"
# set +e: a cleanup step that fails (the program already gone) must not skip the rest.
trap 'set +e; stop_xvfb; [[ -n ${KEEP_LOGS:-} ]] || rm -rf "$work"' EXIT

# The main window's design position (475, 124) doubled plus its doubled size needs 2550 x 1448
# device pixels; a 2560 x 1600 screen (a common double-density panel) holds it whole. Xvfb picks
# a free display itself (-displayfd); -noreset keeps it from resetting when its last client (the
# readiness probe) disconnects, which would refuse the program's connection if it came meanwhile.
start_large_xvfb() {
  local _
  Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 600); do
    if [[ -s $work/display ]]; then
      DISPLAY=":$(head -n 1 "$work/display")"
      export DISPLAY
      xdotool getmouselocation >/dev/null 2>&1 && return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "could not start Xvfb"
}

# Waits (up to 60 s) until window $1 is $2 x $3 device pixels; sets X and Y to its position.
wait_geometry() {
  local window=$1 width=$2 height=$3 _ WIDTH=0 HEIGHT=0
  for _ in $(seq 600); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [[ $WIDTH == "$width" && $HEIGHT == "$height" ]] && return 0
    sleep 0.1
  done
  fail "main window is ${WIDTH}x${HEIGHT}, not ${width}x${height}"
}

# Saves window area $2 (WxH+X+Y) of the screen to $1 once two captures in a row agree (up to
# 60 s), so the window is fully painted.
capture_settled() {
  local out=$1 box=$2 previous="" now _
  for _ in $(seq 120); do
    sleep 0.5
    screen_shot "$work/screen.png"
    convert "$work/screen.png" -crop "$box" +repage "$out"
    # The pixels' signature: the PNG file itself carries a timestamp.
    now=$(identify -format '%#' "$out")
    [[ $now == "$previous" ]] && return 0
    previous=$now
  done
  fail "the window's picture did not settle"
}

# Starts the program at scale factor $1, answers the prompt with $2, checks the main window's
# size ($3 x $4), saves its picture to $5, then ends it through the End menu.
run_at_scale() {
  local scale=$1 id=$2 width=$3 height=$4 picture=$5 prompt main ctop
  QT_SCALE_FACTOR=$scale "$program" >"$work/run-$scale.log" 2>&1 &
  APP_PID=$!
  prompt=$(wait_window_of "$APP_PID" 60) || fail "no identity prompt appeared (scale $scale)"
  xdotool windowfocus --sync "$prompt"
  xdotool type --delay 30 "$id"
  xdotool key Return
  main=$(wait_window_named "/   $id" 60) ||
    fail "no main window with the identifier in its title (scale $scale)"
  wait_geometry "$main" "$width" "$height"
  capture_settled "$picture" "${width}x${height}+${X}+${Y}"
  [[ $scale == 2 && -n ${SCREENSHOT:-} ]] && cp "$work/screen.png" "$SCREENSHOT"

  # End: the first item of the menu bar, halfway down the bar above the teal client area.
  ctop=$(client_top_of "$work/screen.png" $((X + 2 * scale)) "$Y") || fail "no client area found"
  xdotool mousemove $((X + 20 * scale)) $(((Y + ctop) / 2)) click 1
  wait_exit "$APP_PID" 60 || fail "the program did not end after End (scale $scale)"
  APP_PID=""
  [[ $EXIT_STATUS == 0 ]] || fail "exit status $EXIT_STATUS after End (scale $scale)"
}

start_large_xvfb
run_at_scale 1 hidpi-1x 800 600 "$work/window-1x.png"
run_at_scale 2 hidpi-2x 1600 1200 "$work/window-2x.png"

# The doubled window halved against the 1x window: text renders a little differently at each
# size (about 0.03 normalised RMSE); content out of place by a few pixels, or left at 1x size,
# gives well over 0.1.
convert "$work/window-2x.png" -filter box -resize 50% "$work/window-2x-halved.png"
rmse=$(compare -metric RMSE "$work/window-1x.png" "$work/window-2x-halved.png" null: 2>&1 |
  sed -E 's/.*\(([0-9.e+-]+)\).*/\1/') || true
[[ $rmse =~ ^[0-9.e+-]+$ ]] || fail "could not compare the windows: $rmse"
echo "doubled window halved vs 1x window: normalised RMSE $rmse"
awk -v e="$rmse" 'BEGIN { exit !(e < 0.08) }' ||
  fail "the doubled window is not the 1x window drawn twice as large (RMSE $rmse)"
echo "PASS"
