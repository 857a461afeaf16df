#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the result: exactly the program folder, the
# link in bin/, the desktop entry, the icons, the AppStream file, the manual page, the copyright
# file, the changelog and the browser edition's page when it was built, nothing else; the link is
# relative and resolves to the executable; the shipped files are the build's own (the page the
# one built) and the compressed documents the repository's text; and the
# program started through the link finds its catalogue (the end-to-end test checks the Hungarian
# title, which only the catalogue supplies).
#   install_test.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap '[[ -n ${KEEP_LOGS:-} ]] || rm -rf "$work"' EXIT
prefix=$work/prefix
echo "installing into $prefix"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install failed"; }

# Everything installed, files and links alike, against the expected list.
expected=(
  bin/tessilar
  lib/tessilar/tessilar
  lib/tessilar/Tessilar.ini
  lib/tessilar/Magyar/Tessilar.ini
  lib/tessilar/English/Tessilar.ini
  lib/tessilar/TESSILAR.rtf
  lib/tessilar/TESSILAR.html
)
# The languages with a guide of their own, beside their catalogue.
own_guides=(Deutsch Français Español)
for folder in "${own_guides[@]}"; do
  expected+=("lib/tessilar/$folder/Tessilar.ini" "lib/tessilar/$folder/TESSILAR.rtf"
    "lib/tessilar/$folder/TESSILAR.html")
done
expected+=(
  share/applications/tessilar.desktop
  share/metainfo/example.tessilar.Tessilar.metainfo.xml
  share/icons/hicolor/scalable/apps/tessilar.svg
  share/man/man1/tessilar.1.gz
  share/doc/tessilar/copyright
  share/doc/tessilar/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/tessilar.png")
done
# The browser edition's page comes along when it has been built (scripts/web.sh).
web_page=$(sed -n 's/^TESSILAR_WEB_PAGE:FILEPATH=//p' "$build/CMakeCache.txt")
if [[ -n $web_page && -f $web_page ]]; then
  expected+=(share/tessilar/web/tessilar.html)
  # and beside it the same page as a SCORM package, which scripts/web.sh writes with it
  [[ -f $(dirname "$web_page")/tessilar-scorm12.zip ]] && expected+=(share/tessilar/web/tessilar-scorm12.zip)
fi
if ! diff -u <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$work/files.diff"; then
  cat "$work/files.diff"
  fail "the installed files differ from the expected list (- expected, + installed)"
fi
# The program lists its folder's subfolders as languages: only the five language folders.
folders=$(cd "$prefix/lib/tessilar" && find . -mindepth 1 -type d | LC_ALL=C sort | tr '\n' ' ')
[[ $folders == "./Deutsch ./English ./Español ./Français ./Magyar " ]] ||
  fail "program folder has subfolders: $folders"

# The link: relative, so the tree can move, and resolving to the executable.
link=$prefix/bin/tessilar
[[ -L $link ]] || fail "bin/tessilar is not a symbolic link"
target=$(readlink "$link")
[[ $target != /* ]] || fail "bin/tessilar points to an absolute path: $target"
[[ $(realpath "$link") == "$(realpath "$prefix/lib/tessilar/tessilar")" ]] ||
  fail "bin/tessilar resolves to $(realpath "$link"), not lib/tessilar/tessilar"
[[ -x $prefix/lib/tessilar/tessilar ]] || fail "the installed program is not executable"
shipped=(Tessilar.ini Magyar/Tessilar.ini English/Tessilar.ini TESSILAR.rtf TESSILAR.html)
for folder in "${own_guides[@]}"; do
  shipped+=("$folder/Tessilar.ini" "$folder/TESSILAR.rtf" "$folder/TESSILAR.html")
done
for file in "${shipped[@]}"; do
  cmp -s "$prefix/lib/tessilar/$file" "$build/bin/$file" ||
    fail "installed $file differs from the build's program folder"
  [[ ! -x $prefix/lib/tessilar/$file ]] || fail "installed $file is executable"
done

if [[ -n $web_page && -f $web_page ]]; then
  cmp -s "$prefix/share/tessilar/web/tessilar.html" "$web_page" ||
    fail "installed tessilar.html differs from the built page $web_page"
fi

source=$(cd "$here/../.." && pwd)
for document in share/man/man1/tessilar.1 share/doc/tessilar/changelog; do
  cmp -s <(gzip -dc "$prefix/$document.gz") "$source/packaging/${document##*/}" ||
    fail "installed $document.gz is not packaging/${document##*/}"
done
grep -q '^License: Expat$' "$prefix/share/doc/tessilar/copyright" ||
  fail "the copyright file names no licence"

# The AppStream file, desktop entry and icons as a whole tree (the metainfo's launchable must
# name an installed desktop entry).
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree failed"
else
  echo "appstreamcli is not installed (package appstream): tree validation skipped"
fi

bash "$here/e2e_start_and_end.sh" "$prefix/bin/tessilar"
