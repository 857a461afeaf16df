#!/usr/bin/env bash
# Checks the desktop-integration files in packaging/ with the freedesktop validators, and the
# icon's rendered sizes. Exits 77 (skipped) when the tool a check needs is not installed.
#   validate_packaging.sh desktop|appstream|icons PACKAGING_DIR
set -euo pipefail
mode=${1:?desktop, appstream or icons}
dir=${2:?packaging folder}
fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
  command -v "$1" >/dev/null && return 0
  echo "SKIPPED: $1 is not installed (Debian package $2)"
  exit 77
}

case $mode in
desktop)
  need desktop-file-validate desktop-file-utils
  # Hints (several main categories) are advice; warnings and errors are faults.
  out=$(desktop-file-validate "$dir/tessilar.desktop" 2>&1) || { echo "$out"; fail "invalid"; }
  echo "$out"
  ! grep -qE ': (error|warning):' <<<"$out" || fail "desktop-file-validate reported problems"
  # The entry starts the program by the name bin/ installs, with the icon the theme holds.
  grep -qx 'Exec=tessilar' "$dir/tessilar.desktop" || fail "Exec is not tessilar"
  grep -qx 'Icon=tessilar' "$dir/tessilar.desktop" || fail "Icon is not tessilar"
  for key in Name GenericName Comment; do
    grep -q "^$key\[hu\]=" "$dir/tessilar.desktop" || fail "no Hungarian $key"
  done
  ;;
appstream)
  need appstreamcli appstream
  metainfo=$dir/example.tessilar.Tessilar.metainfo.xml
  # Fails on warnings and errors; infos and pedantic notes pass.
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
  grep -q '<launchable type="desktop-id">tessilar.desktop</launchable>' "$metainfo" ||
    fail "the launchable does not name tessilar.desktop"
  [[ -f $dir/tessilar.desktop ]] || fail "the launchable's desktop entry is missing"
  ;;
icons)
  need identify imagemagick
  for size in 16 24 32 48 64 128 256; do
    png=$dir/icons/hicolor/${size}x${size}/apps/tessilar.png
    [[ -f $png ]] || fail "missing $png"
    got=$(identify -format '%m %wx%h' "$png")
    [[ $got == "PNG ${size}x${size}" ]] || fail "$png is $got, not PNG ${size}x${size}"
    # The committed PNGs must be renderings of the current SVG (render.sh remakes them).
    if command -v rsvg-convert >/dev/null; then
      rendered=$(mktemp --suffix=.png)
      rsvg-convert --width "$size" --height "$size" "$dir/icons/tessilar.svg" >"$rendered"
      rmse=$(compare -metric RMSE "$png" "$rendered" null: 2>&1 |
        sed -E 's/.*\(([0-9.e+-]+)\).*/\1/') || true
      rm -f "$rendered"
      [[ $rmse =~ ^[0-9.e+-]+$ ]] || fail "could not compare $png with the SVG: $rmse"
      awk -v e="$rmse" 'BEGIN { exit !(e < 0.01) }' ||
        fail "$png does not match tessilar.svg (RMSE $rmse): run packaging/icons/render.sh"
    fi
  done
  command -v rsvg-convert >/dev/null ||
    echo "rsvg-convert is not installed (librsvg2-bin): PNGs not compared with the SVG"
  ;;
*) fail "unknown check $mode" ;;
esac
echo "PASS"
