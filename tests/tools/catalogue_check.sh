#!/usr/bin/env bash
# Fails when a catalogue of i18n/ is not up to date with the texts of the code (a text added
# or changed without running the target update_translations) or holds an entry without
# its translation. Usage: catalogue_check.sh <source folder> <lupdate>
set -u
src=${1:?source folder}
lupdate=${2:?lupdate}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bad=0
for ts in "$src"/i18n/*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$scratch/$name"
  (cd "$src" && "$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TR_NOOP+=TS_TEXT,QT_TR_NOOP+=TS_TERM \
     core cad drawing ui app -ts "$scratch/$name") || { echo "lupdate failed"; exit 1; }
  if ! diff -u "$ts" "$scratch/$name" > "$scratch/diff"; then
    echo "$name is not up to date with the code (build the target update_translations):"
    grep '^[-+] *<source>' "$scratch/diff" | head -40
    bad=1
  fi
  # An entry without its translation, and a core text outside the context the windows look in.
  if grep -n -B3 -E 'type="unfinished"|<translation></translation>|<translation/>' "$scratch/$name" | grep '<source>'; then
    echo "$name: the entries above are not translated"
    bad=1
  fi
  if grep -n -E '<name>(torsion::|std)' "$scratch/$name"; then
    echo "$name: a core text marked inside a class (the windows look in the context \"torsion\")"
    bad=1
  fi
done
exit $bad
