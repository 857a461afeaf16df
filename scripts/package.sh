#!/usr/bin/env bash
# Installs what is missing, builds a Release program in build-release/ and makes the Debian
# package there; prints the package's path.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
tessilar_install_packages
# The package holds the program only: no tests or benchmarks to build.
tessilar_build build-release -DCMAKE_BUILD_TYPE=Release \
  -DTESSILAR_BUILD_TESTS=OFF -DTESSILAR_BUILD_BENCH=OFF
rm -f build-release/tessilar_*.deb
(cd build-release && cpack -G DEB)
package=$(ls build-release/tessilar_*.deb)
echo "$TESSILAR_ROOT/$package"
