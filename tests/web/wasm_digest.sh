#!/bin/bash
# The browser edition's core moves the droplets bit for bit as the desktop's: builds the digest
# check with emscripten and runs it under Node, which prints the fixed lesson's digest and fails
# unless it is the stored one.
#   wasm_digest.sh SOURCE_ROOT WASM_BUILD_FOLDER
set -euo pipefail
root=$1
build=$2
if ! command -v emcc >/dev/null; then
    echo "SKIPPED: emscripten (emcc) is not installed, so the WebAssembly build cannot be checked" \
        "(apt-get install emscripten node-acorn)"
    exit 77
fi
"$root/web/core/build.sh" "$build" tessilar_digest
NODE_PATH=/usr/share/nodejs node "$build/digest/tessilar_digest.js"
