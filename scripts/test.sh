#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: every shipped text catalogue checked
# whole, the whole suite in build/, the Debian package checked by lintian, the same suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/, a short run of every
# fuzzer, and last the browser edition: its page built in build-web/ (and kept under 2 MB), the
# WebAssembly core's digest, the front end's unit tests and the end-to-end tests in headless
# Chromium (so that the output ends with node's summary).
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
tessilar_install_packages

# Every build of the test command treats a compiler warning as an error.
strict=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

echo "== Every shipped text catalogue whole"
python3 scripts/check-catalogues.py

echo "== Build and test"
tessilar_configure_dev_build "$strict"
cmake --build build -j2
# The browser edition's tests (label web) run at the end, once its page is built.
(cd build && ctest --output-on-failure -j2 -LE web)

echo "== The Qt-free core for 64-bit ARM (cross-compiled, not run)"
tessilar_build build-arm64 -DCMAKE_BUILD_TYPE=RelWithDebInfo "$strict" \
  -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ -DCMAKE_SYSTEM_NAME=Linux \
  -DCMAKE_SYSTEM_PROCESSOR=aarch64 -DTESSILAR_BUILD_UI=OFF -DTESSILAR_BUILD_TESTS=OFF \
  -DTESSILAR_BUILD_BENCH=OFF

echo "== The Debian package, checked by lintian"
scripts/package.sh "$strict"
scripts/lint-package.sh build-release/tessilar_*.deb

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
tessilar_build build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSILAR_SANITIZE=ON \
  -DTESSILAR_BUILD_BENCH=OFF "$strict"
(
  cd build-asan
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS="suppressions=$TESSILAR_ROOT/tests/lsan.supp:print_suppressions=0"
  ctest --output-on-failure -j2 -LE web
)

echo "== Fuzzing, 30 s per harness"
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh 30
else
  echo "clang++ is missing: fuzzing skipped"
fi

echo "== The browser edition: the page, the WebAssembly core's digest, unit and end-to-end tests"
scripts/web.sh
# The page carries the core, every language's catalogue and guide: it stays under 2 MB.
page_size=$(stat -c %s build-web/tessilar.html)
if ((page_size >= 2000000)); then
  echo "build-web/tessilar.html is $page_size bytes: no longer under 2 MB" >&2
  exit 1
fi
echo "build-web/tessilar.html: $page_size bytes, under 2 MB"
(cd build && ctest --output-on-failure --no-tests=error -L web)
# One run of node's test runner for the front end's unit tests and the end-to-end tests.
node --test web/unit/ web/e2e/
