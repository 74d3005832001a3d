#!/usr/bin/env bash
# Brings translations/Translation_<lang>.ts up to date with the texts in src/
# (lupdate) and reports per language how many texts still need a translation
# ("unfinished"), how many the sources no longer have ("vanished"), and
# translations whose placeholders or shortcut letters do not match.
#
#   scripts/update-translations.sh                  update the .ts files, report
#   scripts/update-translations.sh --drop-vanished  ... and remove vanished texts
#   scripts/update-translations.sh --check          change nothing; exit 1 unless
#                                                   every language is complete
#   scripts/translations.py pending|apply ...       list / fill in the texts to translate
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
languages=(en fr pt it de es ja)

mode=update
case "${1:-}" in
  "") ;;
  --check) mode=check ;;
  --drop-vanished) mode=drop ;;
  *) sed -n '2,12p' "$0"; exit 2 ;;
esac

work=$root/translations
if [ "$mode" = check ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$root"/translations/Translation_*.ts "$work"/
fi

# No source locations: they change with every edit and would make every merge conflict.
options=(-silent -locations none -source-language en)
[ "$mode" = drop ] && options+=(-no-obsolete)
for lang in "${languages[@]}"; do
  extra=()
  # The texts are written in English: its file only carries plural forms.
  [ "$lang" = en ] && extra=(-pluralonly)
  "$lupdate" "${options[@]}" "${extra[@]}" -target-language "$lang" \
    "$root/src" -ts "$work/Translation_$lang.ts"
done

files=()
for lang in "${languages[@]}"; do files+=("$work/Translation_$lang.ts"); done
if [ "$mode" = check ]; then
  exec python3 "$root/scripts/translations.py" report "${files[@]}"
fi
python3 "$root/scripts/translations.py" report "${files[@]}" || true
