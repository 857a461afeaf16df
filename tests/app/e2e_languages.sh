#!/usr/bin/env bash
# End to end, in a real X server, the program in each language a teacher can set in the program
# folder ([Settings] Language=...): a copy of the program folder for each, a student whose
# notebook file is damaged, and language_view.py checking through AT-SPI and the keyboard the
# identity prompt, the title, captions and menus, the notebook message, the microscope's spoken reading, the guide's
# own window at its first heading and the report saved from the notebook window.
#   e2e_languages.sh PROGRAM
set -euo pipefail
program=$(realpath "${1:?program path}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11.sh"
run_with_own_accessibility_bus "$0" "$@"
start_x11_test
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# No system viewer for the guide's document: the program shows the guide in its own window.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexit 3\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

# The language folder | the student, in the language's letters | the guide's first heading
languages=(
  "Deutsch|Jürgen Weiß|1. Ziel des Versuchs"
  "Français|Françoise Lefèvre|1. But de l'expérience"
  "Español|Íñigo Peña|1. Objetivo del experimento"
)
for language in "${languages[@]}"; do
  IFS='|' read -r folder identifier heading <<<"$language"
  echo "== $folder"
  lesson=$work/$folder
  mkdir -p "$lesson/data/tessilar/notebooks"
  cp -r "$(dirname "$program")" "$lesson/program"
  printf '\n[Settings]\nLanguage=%s\n' "$folder" >>"$lesson/program/Tessilar.ini"
  echo "no notebook at all" >"$lesson/data/tessilar/notebooks/$identifier.csv"
  # The report's save dialog proposes the identifier's name in the current folder.
  cd "$lesson"
  XDG_DATA_HOME=$lesson/data "$lesson/program/$(basename "$program")" >"$lesson/run.log" 2>&1 &
  APP_PID=$!
  /usr/bin/python3 "$here/language_view.py" "$lesson/program/$folder/Tessilar.ini" "$identifier" \
    "$heading" "$lesson/$identifier.pdf" || fail "the program in $folder"
  kill "$APP_PID"
  wait_exit "$APP_PID" 60 || fail "the program in $folder did not end"
  APP_PID=""
done
echo "PASS"
