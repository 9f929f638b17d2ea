#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer, or when the core
# includes a Qt header. Layers, lowest first: core; cad and drawing (side by side,
# neither includes the other); ui; app.
set -u
cd "${1:?source folder}"
rank() {
  case "$1" in
    core) echo 0 ;; cad|drawing) echo 1 ;; ui) echo 2 ;; app) echo 3 ;; *) echo -1 ;;
  esac
}
bad=0
for dir in core cad drawing ui app; do
  own=$(rank "$dir")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
    theirs=$(rank "$target")
    [ "$theirs" -lt 0 ] && continue
    if [ "$theirs" -gt "$own" ] || { [ "$theirs" -eq "$own" ] && [ "$target" != "$dir" ]; }; then
      echo "$file:$line: $dir may not include $target: $text"
      bad=1
    fi
  done < <(grep -rnE '^\s*#\s*include "[^"]+/' "$dir" --include='*.h' --include='*.cpp' --include='*.inl')
done
# The core builds without Qt.
if grep -rnE '^\s*#\s*include\s*<Q' core --include='*.h' --include='*.cpp'; then
  echo "the core includes a Qt header"
  bad=1
fi
[ "$bad" -eq 0 ] && echo "no include runs up a layer"
exit "$bad"
