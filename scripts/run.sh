#!/usr/bin/env bash
# Installs what is missing, builds the program and its folder (not the tests and benchmarks,
# which scripts/test.sh builds in the same build/), and starts it; arguments go to the program.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
tessilar_install_packages
tessilar_configure_dev_build
cmake --build build -j2 --target tessilar
exec build/bin/tessilar "$@"
