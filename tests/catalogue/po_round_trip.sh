#!/usr/bin/env bash
# A translator's round trip: every shipped catalogue exported as a PO file and imported back
# unchanged is the same file, byte for byte (a French text with " ;" in it too), and gettext's
# msgfmt accepts the PO file. A catalogue's texts changed in its PO file as a PO editor would,
# and imported back: a good change gives the same catalogue but for that text; a translation
# that loses a place (%1) or its keyboard letter, or leaves a text untranslated, is named and
# leaves the catalogue as it was. A language that is not there yet exports every text
# untranslated.
#   po_round_trip.sh SOURCE_ROOT
set -euo pipefail
root=${1:?source root}
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/dist" "$work/dist"
export TESSILAR_DIST=$work/dist
catalogue=$work/dist/Deutsch/Tessilar.ini
cd "$work"
for folder in Magyar Deutsch Français Español; do
  "$root/scripts/translations.sh" export "$folder" same.po >/dev/null
  "$root/scripts/translations.sh" import "$folder" same.po >/dev/null
  cmp "$root/dist/$folder/Tessilar.ini" "$work/dist/$folder/Tessilar.ini" ||
    fail "$folder: the catalogue did not come back from its PO file as it was"
done
echo "every shipped catalogue comes back from its PO file as it was"
"$root/scripts/translations.sh" export Deutsch de.po >/dev/null
msgfmt --check -o /dev/null de.po 2>msgfmt.log ||
  fail "gettext's msgfmt refuses the exported PO file: $(cat msgfmt.log)"

# Each case: the text given a new translation in the PO file (number=text; "~" before the text
# marks it fuzzy, as a PO editor marks one that needs work), what the import must say, and
# whether it writes the catalogue.
cases=(
  "0015=Stoppuhr (neu)|written from changed.po|yes"
  "0527=Kennung: fehlt|S0527 has the places [], not ['%1']|no"
  "0011=Öl einsprühen|S0011 lacks a mnemonic: Öl einsprühen|no"
  "0013=|S0013 is not translated: &On/Off|no"
  "0014=~Spannung|S0014 is not translated: Voltage|no"
  "0012=&Beide Platten umpolen|two texts of the main window and its menu bar share a mnemonic|no"
)
for case in "${cases[@]}"; do
  IFS='|' read -r change expected writes <<<"$case"
  number=${change%%=*} translation=${change#*=}
  cp de.po changed.po
  /usr/bin/python3 - "$number" "$translation" <<'PY'
import sys
import polib
po = polib.pofile("changed.po")
entry = next(e for e in po if e.msgctxt == "S" + sys.argv[1])
assert f"Text {int(sys.argv[1])} (" in entry.comment, entry.comment
entry.msgstr = sys.argv[2].removeprefix("~")
if sys.argv[2].startswith("~"):
    entry.flags.append("fuzzy")
po.save("changed.po")
PY
  cp "$catalogue" before.ini
  status=0
  said=$("$root/scripts/translations.sh" import Deutsch changed.po 2>&1) || status=$?
  grep -qF -- "$expected" <<<"$said" || fail "S$number: the import did not say '$expected':"$'\n'"$said"
  if [[ $writes == yes ]]; then
    [[ $status == 0 ]] || fail "S$number: the import failed:"$'\n'"$said"
    diff <(grep -v "^S$number=" before.ini) <(grep -v "^S$number=" "$catalogue") ||
      fail "S$number: the import changed more than the one text"
    grep -qxF "S$number=$translation" "$catalogue" || fail "S$number: the changed text did not come back"
    echo "S$number=$translation: $(tail -n 1 <<<"$said")"
  else
    [[ $status != 0 ]] || fail "S$number: a faulty translation was imported"
    cmp -s before.ini "$catalogue" || fail "S$number: a faulty import changed the catalogue"
    echo "S$number refused as it should be: $expected"
  fi
done
"$root/scripts/translations.sh" export Suomi fi.po | grep -q ": 198 texts, 0 translated" ||
  fail "a new language's PO file is not the whole untranslated catalogue"
echo "PASS: exported, changed and imported back"
