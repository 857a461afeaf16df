#!/usr/bin/env bash
# The program's options, run with no display at all: what each prints and its exit status; Qt's
# own single-dash options still reach Qt; and every option that --help lists is in the manual
# page's OPTIONS section, and the page renders without a warning.
#   command_line_test.sh PROGRAM MANPAGE VERSION
set -euo pipefail
program=${1:?program path}
page=${2:?manual page source}
version=${3:?project version}
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
ulimit -c 0 # Qt aborts on an unknown platform: no core file

# arguments | exit status ("any": Qt's own) | the stream that holds the text | the text; the
# other stream stays empty.
cases=(
  "--help|0|out|Usage: tessilar"
  "-h|0|out|--version"
  "--version|0|out|tessilar $version"
  "--bogus|2|err|unknown option '--bogus'"
  "--help --bogus|2|err|'tessilar --help'"
  "-platform nosuchplatform --version|0|out|tessilar $version"
  "-platform nosuchplatform|any|err|nosuchplatform"
)
for case in "${cases[@]}"; do
  IFS='|' read -r arguments status stream text <<<"$case"
  read -ra argv <<<"$arguments"
  got=0
  # In a subshell of its own, whose report of Qt's abort goes nowhere.
  ("$program" "${argv[@]}" >"$work/out" 2>"$work/err"; exit $?) 2>/dev/null || got=$?
  [[ $status == any || $got == "$status" ]] ||
    fail "tessilar $arguments: exit status $got, not $status; stderr: $(cat "$work/err")"
  grep -qF -- "$text" "$work/$stream" ||
    fail "tessilar $arguments: std$stream lacks '$text': $(cat "$work/$stream")"
  other=$([[ $stream == out ]] && echo err || echo out)
  [[ ! -s $work/$other ]] || fail "tessilar $arguments: unexpected std$other: $(cat "$work/$other")"
done
[[ $("$program" --version) == "tessilar $version" ]] || fail "--version prints more than its line"

# --report: a student's notebook (the computed cells deliberately wrong: they are worked out
# again) gives a PDF and the estimate's line; a damaged or missing one gives neither.
printf '%s\r\n' "droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C" \
  "1,59,590,12.9,fall,0,20.00,1,1,1" "1,49,490,13.7,rise,-391,20.00,1,1,1" \
  "2,37,370,13.8,fall,0,20.00,,," "2,36,360,5.9,rise,-482,20.00,,," \
  "3,59,590,15.6,fall,0,20.00,,," "3,46,460,8.3,rise,-406,20.00,,," \
  "4,54,540,17.7,fall,0,20.00,,," "4,30,300,5.6,rise,-330,20.00,,,9.9" >"$work/anna.csv"
"$program" --report "$work/anna.csv" "$work/anna.pdf" >"$work/out" 2>"$work/err" ||
  fail "--report: exit status $?; stderr: $(cat "$work/err")"
[[ $(cat "$work/out") == "e = 1.613e-19 C +- 2e-22 C from 4 charges" ]] ||
  fail "--report printed: $(cat "$work/out")"
[[ ! -s $work/err && $(head -c 5 "$work/anna.pdf") == "%PDF-" ]] || fail "--report wrote no PDF"
cp "$work/anna.csv" "$work/good.csv"
sed -i '5s/rise/sideways/' "$work/anna.csv"
# The reasons are in the program folder's language, Hungarian unless a teacher changed it.
for notebook in "$work/anna.csv:5. sor" "$work/none.csv:$work/none.csv"; do
  IFS=: read -r file named <<<"$notebook"
  status=0
  "$program" --report "$file" "$work/bad.pdf" >"$work/out" 2>"$work/err" || status=$?
  [[ $status == 2 && ! -e $work/bad.pdf && ! -s $work/out ]] ||
    fail "--report on $file: status $status, output $(cat "$work/out")"
  grep -qF "$file" "$work/err" && grep -qF "$named" "$work/err" ||
    fail "--report on $file: the message does not name the file and $named: $(cat "$work/err")"
done

# A teacher's language in the program folder ([Settings] Language=...): the report and the
# reasons speak it. Each row: the folder, the report's title, and the reason for the bad row.
languages=(
  "Deutsch|Öltröpfchenversuch – Messprotokoll|die Richtung ist nicht fall, rise oder balanced"
  "Français|Expérience de la goutte d'huile – rapport de mesures|le sens n'est pas fall, rise ou balanced"
  "Español|Experimento de la gota de aceite – informe de medida|el sentido no es fall, rise ni balanced"
)
for language in "${languages[@]}"; do
  IFS='|' read -r folder title reason <<<"$language"
  rm -rf "$work/program"
  cp -r "$(dirname "$program")" "$work/program"
  printf '\n[Settings]\nLanguage=%s\n' "$folder" >>"$work/program/Tessilar.ini"
  taught=$work/program/$(basename "$program")
  "$taught" --report "$work/good.csv" "$work/$folder.pdf" >"$work/out" 2>"$work/err" ||
    fail "--report in $folder: exit status $?; stderr: $(cat "$work/err")"
  grep -qF -- "$title" <(pdftotext -enc UTF-8 "$work/$folder.pdf" -) ||
    fail "the report in $folder lacks '$title'"
  status=0
  "$taught" --report "$work/anna.csv" "$work/bad.pdf" >"$work/out" 2>"$work/err" || status=$?
  [[ $status == 2 ]] && grep -qF -- "$reason" "$work/err" ||
    fail "--report in $folder on a bad row: status $status, $(cat "$work/err")"
done

# --report on a notebook timed in real air adds the extrapolation's line: from four droplets at
# two pressures, "too few" from three; an unreadable pressure is refused with its line.
header14="droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa"
{ echo "$header14"; tail -n +2 "$work/good.csv" | tr -d '\r' |
    awk -F, '{ print $0 ",anna,,," ($1 <= 2 ? "101.30" : "20.00") }'; } | sed 's/$/\r/' >"$work/air.csv"
"$program" --report "$work/air.csv" "$work/air.pdf" >"$work/out" 2>"$work/err" ||
  fail "--report in real air: exit status $?; stderr: $(cat "$work/err")"
grep -qE '^extrapolated: e = [0-9.e+-]+ C \+- [0-9.e+-]+ C, b = [0-9.e+-]+ Pa m \+- [0-9.e+-]+ Pa m from 4 droplets$' "$work/out" ||
  fail "--report in real air printed: $(cat "$work/out")"
head -7 "$work/air.csv" >"$work/air3.csv"
"$program" --report "$work/air3.csv" "$work/air3.pdf" >"$work/out" 2>&1
[[ $(tail -1 "$work/out") == "extrapolated: too few droplets" ]] ||
  fail "--report from three droplets printed: $(cat "$work/out")"
sed -i '3s/,101\.30/,0.5/' "$work/air.csv"
status=0
"$program" --report "$work/air.csv" "$work/bad.pdf" >"$work/out" 2>"$work/err" || status=$?
[[ $status == 2 && ! -e $work/bad.pdf ]] && grep -qF '3. sor' "$work/err" && grep -qF '"0.5"' "$work/err" ||
  fail "--report with a pressure of 0.5 kPa: status $status, $(cat "$work/err")"

# --class-report: a folder of notebooks (two good, one with too few charges, one damaged and one
# the store set aside, which is not read) and a file that is not there.
mkdir -p "$work/class" "$work/empty"
cp "$work/good.csv" "$work/class/bea.csv"
cp "$work/good.csv" "$work/class/cili.csv"
head -5 "$work/good.csv" >"$work/class/dani.csv"
cp "$work/anna.csv" "$work/class/anna.csv"
cp "$work/anna.csv" "$work/class/bea.damaged-20261208-101500.csv"
class_report() { # expected status, then the arguments
  local want=$1 status=0
  shift
  "$program" --class-report "$@" >"$work/out" 2>"$work/err" || status=$?
  [[ $status == "$want" ]] || fail "--class-report $*: status $status, not $want: $(cat "$work/err")"
}
class_report 2 "$work/class.pdf" "$work/class" "$work/none.csv"
mapfile -t printed <"$work/out"
[[ ${printed[0]} == "e = 1.6"*"e-19 C +- "*" C from 10 charges of 3 students" && ${#printed[@]} == 4 &&
  ${printed[1]} == "bea: 4 droplets, 4 charges, e = 1.613e-19 C +- 2e-22 C, "*" from the class's" &&
  ${printed[3]} == "dani: 2 droplets, 2 charges, too few charges for an estimate" ]] ||
  fail "--class-report printed: $(cat "$work/out")"
grep -qF "$work/class/anna.csv: 5. sor" "$work/err" && grep -qF "$work/none.csv: " "$work/err" &&
  ! grep -qF damaged "$work/err" || fail "--class-report left out the wrong notebooks: $(cat "$work/err")"
pdftotext -layout "$work/class.pdf" "$work/class.txt"
[[ $(pdfinfo "$work/class.pdf" | awk '/^Pages:/ { print $2 }') == 4 ]] ||
  fail "--class-report: not a first page and three students' pages"
for text in "osztályjelentés" "3 tanuló jegyzőfüzete, összesen 10 töltés" "(10 töltésből)" \
  "túl kevés töltés a becsléshez" "Kimaradt, mert nem olvasható" "anna.csv – 5. sor" \
  "Azonosító: bea" "Azonosító: cili" "Azonosító: dani"; do
  grep -qF -- "$text" "$work/class.txt" || fail "the class report lacks '$text'"
done
# None can be read: nothing written, and a status of its own; a report that cannot be written.
class_report 3 "$work/none.pdf" "$work/class/anna.csv" "$work/empty"
[[ ! -e $work/none.pdf && ! -s $work/out ]] && grep -qF "$work/empty: " "$work/err" ||
  fail "--class-report with nothing to read: $(cat "$work/out" "$work/err")"
class_report 1 "$work/no/such/folder.pdf" "$work/good.csv"
class_report 2 "$work/only.pdf"
grep -qF -- "--class-report needs CLASS.pdf [--class-code CODE] NOTEBOOK.csv..." "$work/err" ||
  fail "$(cat "$work/err")"
# --class-code adds the answer key: rows that name a spray are checked against their student's
# chamber (rows written by hand come from none), a notebook whose rows name another student is a
# copy, one whose rows name no spray is not assessed; a code that cannot be used is refused.
mkdir -p "$work/key"
{ printf '%s\r\n' "droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa"
  tail -n +2 "$work/good.csv" | sed 's/\r$/,eva,1,0,\r/'; } >"$work/key/eva.csv"
cp "$work/key/eva.csv" "$work/key/fred.csv"
cp "$work/good.csv" "$work/key/gabi.csv"
class_report 0 "$work/key.pdf" --class-code "11.A fizika" "$work/key"
mapfile -t printed <"$work/out"
[[ ${#printed[@]} == 4 && ${printed[1]} == "eva: "*"; chamber: "*" of 8 rows, charges right: "*" of 4" &&
  ${printed[2]} == "fred: "*"; copy of eva" && ${printed[3]} == "gabi: "*"; chamber: not assessed" ]] ||
  fail "--class-report --class-code printed: $(cat "$work/out")"
pdftotext -layout "$work/key.pdf" "$work/key.txt"
for text in "Megoldókulcs, osztálykód: 11.A fizika" "nem ebből a kamrából" "Kamra" \
  "eva másolata" "nincs értékelve"; do
  grep -qF -- "$text" "$work/key.txt" || fail "the answer key lacks '$text'"
done
for code in "" "<b>x</b>" "$(printf 'x%.0s' {1..65})"; do
  class_report 2 "$work/refused.pdf" --class-code "$code" "$work/key"
  [[ ! -e $work/refused.pdf ]] && grep -qF "osztálykód" "$work/err" ||
    fail "--class-code '$code': $(cat "$work/err")"
done
# A forgotten CLASS.pdf: the first notebook is not written over.
class_report 2 "$work/class/bea.csv" "$work/class/cili.csv"
cmp -s "$work/class/bea.csv" "$work/good.csv" || fail "--class-report wrote over a notebook"

# Every option name in the help's option list (the lines that start with a dash).
"$program" --help >"$work/help"
mapfile -t options < <(grep -E '^ +-' "$work/help" | grep -oE '(^|[ ,])--?[[:alnum:]][[:alnum:]-]*' |
  sed -E 's/^[ ,]+//')
((${#options[@]} >= 3)) || fail "found only ${#options[@]} options in --help: $(cat "$work/help")"

# The page as a reader sees it, and whatever groff or man complain of (lintian runs the same man).
groff -man -Tutf8 -ww -z "$page" 2>"$work/groff.log"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>>"$work/groff.log" >/dev/null
[[ ! -s $work/groff.log ]] || fail "the manual page renders with warnings: $(cat "$work/groff.log")"
# The OPTIONS section as a reader sees it: from its heading to the next one.
LC_ALL=C.UTF-8 MANWIDTH=80 man -l -Tascii "$page" 2>/dev/null | col -b |
  awk '/^[A-Z]/ { in_options = ($0 == "OPTIONS") } in_options' >"$work/options.txt"
missing=()
for option in "${options[@]}"; do
  grep -qE -- "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" "$work/options.txt" || missing+=("$option")
done
((${#missing[@]} == 0)) || fail "options missing from the manual page's OPTIONS: ${missing[*]}"
echo "PASS: ${#options[@]} options (${options[*]}) answered and documented"
