#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$TESSILAR_ROOT"
tessilar_install_packages
tessilar_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [[ ! -x build/bin/tessilar ]]; then
  echo "Built the simulation model and its tests; there is no program window yet."
  exit 0
fi
exec build/bin/tessilar
