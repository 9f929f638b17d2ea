#!/usr/bin/env bash
# Fails when docs/architecture.md does not name a header of the program: each header
# under core/, cad/, drawing/, ui/ and app/ must stand in the map by its unit name
# (`name` or `name.{h,cpp}`), its file name or its path. A second argument names one
# more header as if it were in the tree, so a run can show that a missing one fails.
set -u
cd "${1:?source folder}"
map=docs/architecture.md
missing=0
while read -r header; do
  file=${header##*/}
  unit=${file%.*}
  if ! grep -qF -e "\`$unit\`" -e "\`$unit.{h,cpp}\`" -e "$file" -e "$header" "$map"; then
    echo "$map does not name $header"
    missing=1
  fi
done < <({ find core cad drawing ui app -name '*.h' -o -name '*.inl'; [ -n "${2:-}" ] && echo "$2"; } | sort)
[ "$missing" -eq 0 ] && echo "every header is named in $map"
exit "$missing"
