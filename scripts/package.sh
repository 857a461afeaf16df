#!/usr/bin/env bash
# Installs what is missing, builds a Release program in build-release/ and the browser edition's
# page in build-web/, and makes the Debian package in build-release/; prints the package's path.
# Extra arguments go to the configure step.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
tessilar_install_packages
# Debian's hardening flags: stack protector, checked string functions, relocations read-only and
# bound at start. No -g: the package ships stripped. The model's own floating-point flags come
# after these on each compile line and stay as they are.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# The package ships the browser edition's page too: built first, and required by the install.
scripts/web.sh
# The package holds the program only: no tests or benchmarks to build. Configured every time,
# so that a build folder made before with other flags takes these.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
  -DTESSILAR_BUILD_TESTS=OFF -DTESSILAR_BUILD_BENCH=OFF -DTESSILAR_REQUIRE_WEB_PAGE=ON \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@" >/dev/null
cmake --build build-release -j2
rm -f build-release/tessilar_*.deb
(cd build-release && cpack -G DEB)
package=$(ls build-release/tessilar_*.deb)
echo "$TESSILAR_ROOT/$package"
