#!/usr/bin/env bash
# Renders the application icon's PNG sizes from tessilar.svg into hicolor/<N>x<N>/apps/. The PNGs
# are committed, so building and packaging need no SVG renderer; run this after editing the SVG.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/common.sh"
tessilar_install_packages librsvg2-bin
for size in 16 24 32 48 64 128 256; do
  out="$here/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert --width "$size" --height "$size" --output "$out/tessilar.png" "$here/tessilar.svg"
  echo "$out/tessilar.png"
done
