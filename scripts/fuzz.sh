#!/usr/bin/env bash
# Fuzzes the field parsers, the catalogue reader and the stopwatch text with libFuzzer, each for
# the given number of seconds (default 300), two at a time. Fails when any harness finds a crash,
# a hang or a broken invariant; the input that did it is kept in build-fuzz/artifacts/.
#
# Usage: scripts/fuzz.sh [seconds] [harness...]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"

seconds=${1:-300}
if [[ ! $seconds =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [seconds] [harness...]" >&2
  exit 2
fi
(($# > 0)) && shift
harnesses=("$@")
((${#harnesses[@]} > 0)) || harnesses=(fuzz_parse_integer fuzz_parse_real fuzz_ini_reader fuzz_stopwatch)

# The longest input each harness is given: the fields get far more than anyone types, the
# catalogue reader files of up to 1 MB, the stopwatch the eight bytes of one double.
declare -A max_len=(
  [fuzz_parse_integer]=4096
  [fuzz_parse_real]=4096
  [fuzz_ini_reader]=1048576
  [fuzz_stopwatch]=8
)
for h in "${harnesses[@]}"; do
  [[ -n ${max_len[$h]:-} ]] || { echo "unknown harness: $h" >&2; exit 2; }
done

tessilar_install_packages
build=build-fuzz
# A build of its own: clang, the model and the harnesses only (no Qt, no GoogleTest).
CC=clang CXX=clang++ tessilar_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSILAR_BUILD_FUZZERS=ON -DTESSILAR_BUILD_UI=OFF -DTESSILAR_BUILD_TESTS=OFF \
  -DTESSILAR_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

bin=$build/tests/fuzz
mkdir -p "$build/logs"

# One catalogue line of 10 MB, too long for the fuzzing runs: read once on its own.
long_line=$build/long-line.ini
if [[ " ${harnesses[*]} " == *" fuzz_ini_reader "* ]]; then
  if [[ ! -s $long_line ]]; then
    { printf '[General]\nS0001='; head -c 10485760 /dev/zero | tr '\0' 'x'; printf '\nS0005=after\n'; } \
      >"$long_line"
  fi
  if ! "$bin/fuzz_ini_reader" "$long_line" >"$build/logs/long-line.log" 2>&1; then
    tail -n 30 "$build/logs/long-line.log" >&2
    echo "fuzz_ini_reader failed on the 10 MB line" >&2
    exit 1
  fi
fi

run_harness() {
  local h=$1
  # A scratch corpus: the committed seeds plus what earlier runs found; the committed corpus
  # itself is only read.
  local corpus=$build/corpus/$h
  mkdir -p "$corpus" "$build/artifacts/$h"
  local seed
  for seed in "tests/fuzz/corpus/$h/"*; do
    [[ -e $corpus/${seed##*/} ]] || cp "$seed" "$corpus/"
  done
  local options=(-max_total_time="$seconds" -max_len="${max_len[$h]}" -timeout=30
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$h/")
  [[ $h == fuzz_ini_reader ]] && options+=(-dict=tests/fuzz/ini.dict)
  local status=0
  "$bin/$h" "${options[@]}" "$corpus" >"$build/logs/$h.log" 2>&1 || status=$?
  echo "$status" >"$build/logs/$h.status"
}

for h in "${harnesses[@]}"; do
  rm -f "$build/logs/$h.status"
  # Two at a time: one per core.
  while (($(jobs -rp | wc -l) >= 2)); do wait -n || true; done
  echo "fuzzing $h for $seconds s"
  run_harness "$h" &
done
wait

failed=()
for h in "${harnesses[@]}"; do
  if [[ $(cat "$build/logs/$h.status" 2>/dev/null) == 0 ]]; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$h.log" | grep -o '[0-9]*$' || true)
    echo "$h: no finding in ${runs:-?} runs"
  else
    failed+=("$h")
    tail -n 40 "$build/logs/$h.log" >&2
    echo "$h: FOUND A FAULT (log $build/logs/$h.log, input in $build/artifacts/$h/)" >&2
  fi
done
((${#failed[@]} == 0))
