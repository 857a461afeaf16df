#!/usr/bin/env bash
# End to end, as a screen reader sees the program: the built program in a virtual X server with
# its own D-Bus session bus and the AT-SPI registry, driven through the accessibility API (and
# the keyboard) by screen_reader_view.py, with the English texts.
#   e2e_screen_reader.sh PROGRAM
set -euo pipefail
program=${1:?program path}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11.sh"
run_with_own_accessibility_bus "$0" "$@"
start_x11_test
export XDG_DATA_HOME=$work/data
# Qt's bridge talks to AT-SPI even when no screen reader has asked for it.
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# A copy of the program folder whose own catalogue is the English one.
mkdir -p "$work/program"
cp -r "$(dirname "$program")"/. "$work/program/"
cp "$work/program/English/Tessilar.ini" "$work/program/Tessilar.ini"

open_main_window "$work/program/$(basename "$program")" e2e-reader
xdotool windowfocus --sync "$MAIN_WINDOW"
/usr/bin/python3 "$here/screen_reader_view.py" check || fail "the screen reader's view"
/usr/bin/python3 "$here/screen_reader_view.py" tree
echo "PASS"
