# Helpers for tests that drive the real program in a virtual X server (no window manager).
# shellcheck shell=bash

# Runs the calling script again (with its arguments) inside a D-Bus session bus of its own, which
# the AT-SPI bus launcher and registry join on demand, and with a runtime folder of its own: the
# accessibility bus keeps its socket there (else in ~/.cache/at-spi, where the bus of another test
# running beside this one removes it when it ends). Exits with the script's status; returns at
# once in the run inside.
run_with_own_accessibility_bus() {
  [[ -z ${TESSILAR_OWN_BUS:-} ]] || return 0
  local runtime status=0
  runtime=$(mktemp -d)
  XDG_RUNTIME_DIR=$runtime TESSILAR_OWN_BUS=1 dbus-run-session -- bash "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
}

# Starts Xvfb on a display it picks itself (so parallel tests never collide) and exports
# DISPLAY; SCREEN_SIZE overrides the screen (default 1280x900x24).
start_xvfb() {
  local fifo _
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -noreset: without it the server resets whenever its last client leaves (the readiness probe
  # below), and a program connecting during the reset fails to start.
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1280x900x24}" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number=""
  read -r -t 60 number <"$fifo" || true
  rm -f "$fifo"
  [[ -n $number ]] || { echo "could not start Xvfb" >&2; return 1; }
  export DISPLAY=":$number"
  for _ in $(seq 300); do
    xdotool getmouselocation >/dev/null 2>&1 && return 0
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY did not answer" >&2
  return 1
}

stop_xvfb() {
  if [[ -n ${APP_PID:-} ]]; then kill "$APP_PID" 2>/dev/null || true; fi
  if [[ -n ${XVFB_PID:-} ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  APP_PID=""
  XVFB_PID=""
}

# A test's own folder, $work (kept when KEEP_LOGS is set), and a virtual X server; at exit the
# program and the server are stopped and the folder removed. A cleanup step that fails (the
# program already gone) does not skip the rest.
start_x11_test() {
  work=$(mktemp -d)
  echo "logs in $work"
  trap 'set +e; stop_xvfb; [[ -n ${KEEP_LOGS:-} ]] || rm -rf "$work"' EXIT
  start_xvfb
}

# Waits (up to $2 seconds, default 60) for a visible window of process $1; prints its id.
wait_window_of() {
  local pid=$1 limit=${2:-60} w _
  for _ in $(seq $((limit * 10))); do
    w=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -n 1 || true)
    [[ -n $w ]] && { echo "$w"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits (up to $2 seconds) for a visible window whose title contains $1; prints its id.
wait_window_named() {
  local name=$1 limit=${2:-60} w _
  for _ in $(seq $((limit * 10))); do
    w=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | tail -n 1 || true)
    [[ -n $w ]] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

# Starts program $1 (its output in $work/run.log), types identifier $2 into its identity prompt
# and waits for the main window with that identifier in its title; sets APP_PID and MAIN_WINDOW.
open_main_window() {
  local program=$1 identifier=$2 prompt
  "$program" >"$work/run.log" 2>&1 &
  APP_PID=$!
  prompt=$(wait_window_of "$APP_PID" 60) || fail "no identity prompt appeared"
  xdotool windowfocus --sync "$prompt"
  xdotool type --delay 30 "$identifier"
  xdotool key Return
  MAIN_WINDOW=$(wait_window_named "/   $identifier" 60) || fail "no main window"
}

# Waits (up to $2 seconds) for process $1, a child of this shell, to end; sets EXIT_STATUS.
# Not to be called in a subshell: only this shell can collect its child's status.
wait_exit() {
  local pid=$1 limit=${2:-60} _
  for _ in $(seq $((limit * 10))); do
    if [[ $(ps -o stat= -p "$pid" 2>/dev/null) == Z* ]] || ! kill -0 "$pid" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$pid" || EXIT_STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Saves the whole screen to $1.
screen_shot() { import -window root "$1"; }

# Prints "r,g,b" of pixel ($2, $3) of image $1.
pixel_of() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Prints the client area's top in screen coordinates: the first teal row below the window's top
# at a column inside the window's left margin (the menu bar lies above it).
client_top_of() {
  local image=$1 x=$2 top=$3 y
  for y in $(seq "$top" $((top + 80))); do
    [[ $(pixel_of "$image" "$x" "$y") == "0,128,128" ]] && { echo "$y"; return 0; }
  done
  return 1
}

fail() { echo "FAIL: $*" >&2; exit 1; }
