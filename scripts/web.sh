#!/usr/bin/env bash
# Builds the browser edition: the C++ core with Debian's emscripten, the front end with esbuild,
# and ONE self-contained page, build-web/tessilar.html (printed with its size). Installs what is
# missing first: the Debian packages, and the npm packages pinned in web/package-lock.json.
# Also builds the front end's logic modules for its unit tests (node --test web/unit/).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
cd "$TESSILAR_ROOT"

tessilar_install_packages
# npm comes with nodejs (NodeSource's package; Debian's own npm conflicts with it).
command -v npm >/dev/null || { echo "npm is missing: install the nodejs package that ships it" >&2; exit 2; }
# npm ci again only when the lock file changed since the last install.
if [[ ! -f web/node_modules/.package-lock.json || web/package-lock.json -nt web/node_modules/.package-lock.json ]]; then
  (cd web && npm ci --no-audit --no-fund)
fi

web/core/build.sh "$TESSILAR_ROOT/build-web/wasm" tessilar_core
mkdir -p build-web/core
cp build-web/wasm/api/tessilar_core.mjs build-web/core/tessilar_core.mjs

# The page's constants and its interface to the core, from the C++ headers; then, as esbuild strips
# the types without checking them, the compiler checks them first (strict).
node web/generate.mjs
web/node_modules/.bin/tsc --noEmit -p web/tsconfig.json
node web/build.mjs --unit
node web/build.mjs
