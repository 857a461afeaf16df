#!/usr/bin/env bash
# A translator's round trip of a text catalogue through a gettext PO file (python3-polib, in
# scripts/lib/catalogue_po.py), so that Poedit, Weblate or any PO editor can be used.
#
#   scripts/translations.sh export FOLDER [FILE.po]   a PO file of dist/FOLDER/Tessilar.ini, the
#                                                     English texts its source (a folder that is
#                                                     not there yet gives every text untranslated)
#   scripts/translations.sh import FOLDER FILE.po     dist/FOLDER/Tessilar.ini from a translated
#                                                     PO file, written only when the catalogue is
#                                                     whole (scripts/check-catalogues.py)
#
# FOLDER is the language's folder beside the program (Deutsch, Français, ...); the PO file is
# FOLDER.po in the current folder unless named.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
# Only when something is missing: a test's run needs no network.
tessilar_install_packages

usage() { sed -n '2,13p' "$0" >&2; exit 2; }
[[ $# -ge 2 ]] || usage
command=$1 folder=$2 po=${3:-$2.po}
[[ $folder != */* && $folder != . && $folder != .. && $folder != English ]] ||
  { echo "translations.sh: not a language folder: $folder" >&2; exit 2; }
dist=${TESSILAR_DIST:-$TESSILAR_ROOT/dist} # the tests work on a copy
english=$dist/English/Tessilar.ini
catalogue=$dist/$folder/Tessilar.ini

case $command in
export)
  # The shipped languages' codes, for the PO file's header; a new language's the PO editor asks.
  declare -A codes=([Magyar]=hu [Deutsch]=de [Français]=fr [Español]=es)
  # Debian's own Python, which has the python3-polib package.
  /usr/bin/python3 "$TESSILAR_ROOT/scripts/lib/catalogue_po.py" export "$english" "$catalogue" \
    "$po" "${codes[$folder]:-}"
  ;;
import)
  [[ -f $po ]] || { echo "translations.sh: no PO file $po" >&2; exit 2; }
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/$folder"
  /usr/bin/python3 "$TESSILAR_ROOT/scripts/lib/catalogue_po.py" import "$english" "$po" \
    "$work/$folder/Tessilar.ini" "$catalogue"
  # It replaces the folder's catalogue only when it is whole.
  if ! python3 "$TESSILAR_ROOT/scripts/check-catalogues.py" "$dist" "$work/$folder/Tessilar.ini"; then
    echo "translations.sh: $catalogue not written: translate or mend the texts above in $po" >&2
    exit 1
  fi
  mkdir -p "$dist/$folder"
  cp "$work/$folder/Tessilar.ini" "$catalogue"
  echo "$catalogue: written from $po"
  ;;
*) usage ;;
esac
