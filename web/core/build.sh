#!/bin/bash
# Builds the browser edition's core (web/core) with Debian's emscripten.
#   web/core/build.sh [BUILD_FOLDER [TARGET...]]     default: build-wasm in the repository, all
# emscripten's system libraries are kept in BUILD_FOLDER/emcache: seeded with links to the ones
# the package ships (nothing is written under /usr/share), any others built there once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build-wasm}
shift || true
if ! command -v emcmake >/dev/null || ! command -v em++ >/dev/null; then
    echo "emscripten is missing: apt-get install emscripten node-acorn" >&2
    exit 2
fi
mkdir -p "$build"
build=$(cd "$build" && pwd)
# emscripten's own JavaScript tools need Debian's node modules (acorn).
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export EM_CACHE=$build/emcache EM_FROZEN_CACHE=
# The desktop's compiler cache does not know emcc's options.
unset CMAKE_CXX_COMPILER_LAUNCHER
seed=/usr/share/emscripten/cache
if [ ! -e "$EM_CACHE/sysroot_install.stamp" ]; then
    rm -rf "$EM_CACHE"
    if [ -d "$seed" ]; then
        cp -as "$seed" "$EM_CACHE"
        # The files at the top (lock, stamps) are written to: real copies, not links.
        for link in "$EM_CACHE"/*; do
            [ -L "$link" ] && cp --remove-destination "$(readlink "$link")" "$link"
        done
    else
        mkdir -p "$EM_CACHE"
    fi
fi
emcmake cmake -S "$root/web/core" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$build" -j2 --target "$@"
else
    cmake --build "$build" -j2
fi
